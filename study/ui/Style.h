#pragma once
// The look and the keyboard of every Aeriton window, in one place.
//
// A screen does not choose colours, fonts or sizes itself: it builds its
// controls with the helpers below and gives a control a role; the one style
// sheet that start-up applies draws every role the same way in every window.
//
// The rules (the README's "Screens" section says the same for people):
//  - Sections are group boxes (section()) whose title is upper case, framed by
//    one space (" ΝΩΠΟΣ ΑΕΡΑΣ "), bold dark blue.
//  - Field captions are upper case with dot leaders; all captions of a window
//    share one column width (alignCaptions) so the boxes line up.
//  - Value boxes are kBoxWidth wide and right-aligned. Units stand beside them
//    in brackets with spaces ("[ °C ]", unitText) in a column as wide as the
//    widest unit it can show (unitLabel), so a change of units moves nothing.
//  - Box colours: entry white; computed and locked light yellow (#FFFF80, the
//    program's computed-box colour) and out of the Tab order; the room-load box
//    yellow (#FFFF00) while the kind of system uses the loads and dark blue
//    (#000080) while it does not; result boxes light yellow; a load taken out
//    of the air light cyan (#80FFFF), one put into it light red (#FF8080).
//  - Buttons are one height; the action a window is for is bold (Primary). The
//    buttons of a window sit in rows at its bottom, equal in width
//    (equalButtons). The main buttons carry an Alt mnemonic (setMnemonic) that
//    works with the Greek or the Latin keyboard layout.
//  - A window keeps the size it has when first shown (fixSizeOnShow): nothing
//    grows after a calculation or a change of title, and the window manager
//    draws no resize grip. Controls that come and go keep their room
//    (keepSpaceWhenHidden). Windows open centred.
//  - Message boxes are as wide as their title and their longest line: a unit
//    or "..." never wraps onto a line of its own.

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QWidget;

namespace aeriton::style {

// Window margins, spacing between controls, value-box width, button height.
constexpr int kMargin = 12;
constexpr int kSpacing = 8;
constexpr int kBoxWidth = 110;
constexpr int kButtonHeight = 30;

// Fusion, the application style sheet and the Alt mnemonics that answer to
// either keyboard layout. Called once, before the first window (the program's
// entry and the screen tests' main).
void applyApplicationStyle();
// The application style sheet.
QString styleSheet();

enum class Role {
  Entry,     // a box the user types into
  Computed,  // a box the program fills; locked
  Load,      // the room-load box of a kind of system that uses the loads
  NoLoad,    // the room-load box of a kind of system that uses none; locked
  Result,    // a box of the results screens
  Title,     // the study title shown on a screen
  Wait,      // the notice shown while a calculation runs
  Hint,      // a quiet explanatory line
  Primary,   // the button of the action the window is for
  Cooling,   // a load taken out of the air (the calculator's &HFFFF80)
  Heating,   // a load put into the air (the calculator's &H8080FF)
  Locked,    // a text box locked until an action opens it (grey)
};
// Gives a widget its role (the "aeritonRole" property the sheet selects on).
void setRole(QWidget* widget, Role role);
QString roleName(Role role);

// A box the program fills: locked, out of the Tab order, light yellow; or back
// to an entry box.
void setComputed(QLineEdit* box, bool computed);

// A section of a window: a group box with the given title.
QGroupBox* section(const QString& title, QWidget* parent, const char* objectName = nullptr);
// The grid of a section, with the margins and spacings of every section.
QGridLayout* sectionGrid(QGroupBox* section);
// A field caption.
QLabel* caption(const QString& text, QWidget* parent, const char* objectName = nullptr);
// "[ °C ]" from "°C".
QString unitText(const QString& unit);
// A unit label as wide as the widest of `fits` (full texts, e.g. "[ Btu/h ]").
QLabel* unitLabel(QWidget* parent, const char* objectName, const QStringList& fits);
// Gives the captions of a window (labels, option buttons) one width: the
// widest of them and of `alsoFits` (texts they take later).
void alignCaptions(const QList<QWidget*>& captions, const QStringList& alsoFits = {});

// Sets a button's caption with an Alt mnemonic on `letter` (the caption shown
// is `text`; the letter is underlined where it begins a word, else where it
// first stands). A letter that is not in the caption leaves it without one.
void setMnemonic(QAbstractButton* button, const QString& text, QChar letter);
// The caption without its mnemonic marker.
QString plainText(const QAbstractButton* button);
// The key in the same place on the other layout of a Greek keyboard: Ψ <-> C,
// Ν <-> N, ...; a null QChar when there is none. Accented Greek letters count
// as their plain capitals.
QChar keyTwin(QChar letter);
// The capital of a letter without its accent (Ό -> Ο, ά -> Α).
QChar plainCapital(QChar letter);

// Buttons of one row or column: one width (the widest caption's); `tall`
// gives them the height of a window's own buttons (kButtonHeight).
void equalButtons(const QList<QPushButton*>& buttons, bool tall = true);

// A control that is hidden keeps its place in the layout.
void keepSpaceWhenHidden(QWidget* widget);
// The window takes the size its layout asks for when first shown and keeps it.
void fixSizeOnShow(QWidget* window);

// The study title on a screen: one line in the title colour, cut with "..."
// when longer than the room it has (the whole title in its tool tip); it looks
// like a label, and a click on it opens the title window (clicked()). Without
// a title it shows a quiet hint instead (its text stays empty).
class TitleLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TitleLabel(QWidget* parent = nullptr);
  static QString emptyHint();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace aeriton::style
