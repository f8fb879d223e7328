// The numeric text box of every screen: key filter, focus handling and the
// Enter hand-off.

#include "engine/ui/NumericBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMetaObject>
#include <QMouseEvent>

#include "engine/NumberEntry.h"

namespace aeriton {

void RemoveCommas(QLineEdit* box) {
  if (!box) return;
  const QString before = box->text();
  const QString after = RemoveCommasText(before);
  if (after != before) box->setText(after);
}

void SelectAllText(QLineEdit* box) {
  if (!box) return;
  box->setSelection(0, static_cast<int>(box->text().trimmed().size()));
}

NumericBox::NumericBox(QWidget* parent) : QLineEdit(parent) {
  // Dropped text would bypass the key filter.
  setAcceptDrops(false);
  // The focus can leave the box while its window is inactive (a message box
  // is shown, then the focus is put on another field): the entry is left as
  // soon as another control of this window holds the focus.
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    focusWatch_ = connect(app, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (entered_ && now && now != this && now->window() == window()) leaveEntry();
    });
  }
}

// The watch ends before the line edit is taken down: a box destroyed while
// it holds the focus moves the focus, which must not reach a half-destroyed box.
NumericBox::~NumericBox() {
  QObject::disconnect(focusWatch_);
}

void NumericBox::leaveEntry() {
  entered_ = false;
  reformat();
  emit editingLeft();
}

void NumericBox::setFormat(const QString& pattern) {
  format_ = pattern;
}

double NumericBox::value() const {
  return ParseNumber(text());
}

void NumericBox::setValue(double v) {
  setText(format_.isEmpty() ? LocaleNumberText(v) : FormatNumber(v, format_));
}

bool NumericBox::changedSinceFocus() const {
  return value() != focusValue_;
}

QString NumericBox::keptText() const {
  QString t = text();
  if (hasSelectedText()) t.remove(selectionStart(), static_cast<int>(selectedText().size()));
  return t;
}

void NumericBox::typeText(const QString& typed) {
  for (QChar c : typed) {
    const QString put = NumericKeyText(c, keptText(), minusAllowed_, decimalAllowed_);
    if (!put.isEmpty()) insert(put);
  }
}

void NumericBox::pasteText(const QString& pasted) {
  if (!acceptKeys_ || isReadOnly()) return;
  const std::optional<QString> put =
      NumericPasteText(pasted, keptText(), minusAllowed_, decimalAllowed_);
  if (put && !put->isEmpty()) insert(*put);
}

void NumericBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();

  // Moving the cursor, selecting and copying never change the value.
  const bool navigation = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
                          key == Qt::Key_End || key == Qt::Key_Up || key == Qt::Key_Down ||
                          key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
                          event->matches(QKeySequence::Copy) ||
                          event->matches(QKeySequence::SelectAll) || key == Qt::Key_Shift ||
                          key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
  if (navigation) {
    QLineEdit::keyPressEvent(event);
    return;
  }

  // A box that takes no input swallows every other key, Enter included.
  if (!acceptKeys_ || isReadOnly()) {
    event->accept();
    return;
  }

  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Discarded after the hand-off, so that no default button fires.
    event->accept();
    emit enterPressed();
    return;
  }

  if (event->matches(QKeySequence::Paste)) {
    pasteText(QApplication::clipboard()->text());
    event->accept();
    return;
  }

  if (key == Qt::Key_Backspace || key == Qt::Key_Delete || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    // Editing keys and shortcuts of the line edit.
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
      QLineEdit::keyPressEvent(event);
    } else {
      event->accept();  // other shortcuts could bring in text (Ctrl+Y, ...)
    }
    return;
  }

  // Digits, the sign and either decimal key ("." or ",", the keypad's one
  // whatever character the layout gives it) go through the key filter; any
  // other character (letters, the thousands separator, blanks) is dropped.
  const QString typed = event->text();
  if (typed.size() == 1) typeText(typed);
  event->accept();
}

void NumericBox::contextMenuEvent(QContextMenuEvent* event) {
  // The box's own edit menu, so that Paste goes through the key filter and a
  // box that takes no input offers nothing that changes it.
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const bool editable = acceptKeys_ && !isReadOnly();
  const auto add = [menu](const QString& name, const QString& caption, const QKeySequence& keys,
                          bool enabled, auto slot) {
    QAction* action = menu->addAction(caption, slot);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setEnabled(enabled);
    return action;
  };
  add(QStringLiteral("edit-undo"), QStringLiteral("Αναίρεση"), QKeySequence::Undo,
      editable && isUndoAvailable(), [this] { undo(); });
  add(QStringLiteral("edit-redo"), QStringLiteral("Ακύρωση αναίρεσης"), QKeySequence::Redo,
      editable && isRedoAvailable(), [this] { redo(); });
  menu->addSeparator();
  add(QStringLiteral("edit-cut"), QStringLiteral("Αποκοπή"), QKeySequence::Cut,
      editable && hasSelectedText(), [this] { cut(); });
  add(QStringLiteral("edit-copy"), QStringLiteral("Αντιγραφή"), QKeySequence::Copy,
      hasSelectedText(), [this] { copy(); });
  add(QStringLiteral("edit-paste"), QStringLiteral("Επικόλληση"), QKeySequence::Paste,
      editable && !QApplication::clipboard()->text().isEmpty(),
      [this] { pasteText(QApplication::clipboard()->text()); });
  add(QStringLiteral("edit-delete"), QStringLiteral("Διαγραφή"), QKeySequence::Delete,
      editable && hasSelectedText(), [this] { del(); });
  menu->addSeparator();
  add(QStringLiteral("select-all"), QStringLiteral("Επιλογή όλων"), QKeySequence::SelectAll,
      !text().isEmpty(), [this] { selectAll(); });
  menu->popup(event->globalPos());
  event->accept();
}

void NumericBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection of X11 systems: the same filter
  // as any other paste.
  if (event->button() == Qt::MiddleButton) {
    if (QApplication::clipboard()->supportsSelection())
      pasteText(QApplication::clipboard()->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void NumericBox::inputMethodEvent(QInputMethodEvent* event) {
  // Text committed by an input method is typed text: it goes through the key
  // filter character by character, never straight into the box.
  if (!event->commitString().isEmpty() || event->replacementLength() != 0) {
    if (acceptKeys_ && !isReadOnly()) typeText(event->commitString());
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void NumericBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Coming back from a context menu or another window is no new entry.
  if (entered_) return;
  entered_ = true;
  focusValue_ = value();
  if (!isReadOnly()) RemoveCommas(this);
  SelectAllText(this);
  if (event->reason() == Qt::MouseFocusReason) {
    // The click that gave the focus places the cursor after this handler:
    // select again once it has been handled.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (hasFocus()) SelectAllText(this);
        },
        Qt::QueuedConnection);
  }
}

void NumericBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  // A context menu or another window takes the focus for a while only.
  if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
  if (entered_) leaveEntry();
}

void NumericBox::reformat() {
  if (format_.isEmpty() || isReadOnly()) return;
  const QString t = StripThousands(text().trimmed());
  if (t.isEmpty() || t == QLatin1String("----")) return;
  // Words stay as they are; anything holding a digit is shown by its value.
  bool digit = false;
  for (QChar c : t) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digit = true;
      break;
    }
  }
  if (!digit) return;
  setText(FormatNumber(ParseNumber(text()), format_));
}

}  // namespace aeriton
