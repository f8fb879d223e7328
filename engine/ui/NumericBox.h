#pragma once
// The numeric text box of every screen.
//
// Keys kept: digits, Backspace, "-", one decimal separator and Enter (Enter is
// discarded after emitting enterPressed, so a screen can move the entry on).
// Either decimal key ("." or ",", the keypad's too) types the regional decimal
// separator while the box holds none: a Greek user's "36.5" is 36,5, never 365.
// The thousands separator is never typed, only shown. A pasted text is taken
// as one number or refused (NumericPasteText). A box can be told to take no
// sign, no decimals, or no key at all (the RH box of a state whose wet bulb is
// given). On receiving the focus the box remembers its value, drops its
// thousands separators and selects all; on losing it, it re-formats its text
// with its display pattern and emits editingLeft().

#include <QLineEdit>

namespace aeriton {

// RemoveCommas: the box's trimmed text without thousands separators, parsed
// and written back by LocaleNumberText (a text that is no number stays).
void RemoveCommas(QLineEdit* box);
// SelectAllText: selects the whole trimmed text of the box.
void SelectAllText(QLineEdit* box);

class NumericBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumericBox(QWidget* parent = nullptr);
  ~NumericBox() override;

  // Display pattern applied when the box loses the focus ("" = leave as typed).
  void setFormat(const QString& pattern);
  QString format() const { return format_; }
  // When false every typed key is discarded.
  void setAcceptKeys(bool accept) { acceptKeys_ = accept; }
  bool acceptKeys() const { return acceptKeys_; }
  // Whether the box takes a minus sign / a decimal separator (typed or pasted).
  void setMinusAllowed(bool allowed) { minusAllowed_ = allowed; }
  bool minusAllowed() const { return minusAllowed_; }
  void setDecimalAllowed(bool allowed) { decimalAllowed_ = allowed; }
  bool decimalAllowed() const { return decimalAllowed_; }

  // ParseNumber of the text.
  double value() const;
  // Shows the value with the display pattern.
  void setValue(double v);
  bool isEmptyText() const { return text().trimmed().isEmpty(); }

  // Value remembered when the box last received the focus.
  double focusValue() const { return focusValue_; }
  // True when the value on leaving differs from the focus value.
  bool changedSinceFocus() const;
  // Re-shows a numeric text with the display pattern (what leaving does).
  // Empty text, "----", words and locked boxes are left alone.
  void reformat();

 signals:
  void enterPressed();
  void editingLeft();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void leaveEntry();  // re-format and tell the screen
  // The text that stays when what is typed replaces the selection.
  QString keptText() const;
  // Typed characters through the key filter, one by one.
  void typeText(const QString& typed);
  // A pasted text, taken as one number or refused whole.
  void pasteText(const QString& pasted);
  QMetaObject::Connection focusWatch_;
  bool entered_ = false;  // focus-in handling done, focus-out not yet
  QString format_;
  bool acceptKeys_ = true;
  bool minusAllowed_ = true;
  bool decimalAllowed_ = true;
  double focusValue_ = 0;
};

}  // namespace aeriton
