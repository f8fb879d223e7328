// The numeric box driven through the keyboard and the focus.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"

using namespace aeriton;

namespace {

// A small window with two boxes and a default button, as on the screens.
class BoxWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators(Separators{QLatin1Char('.'), QLatin1Char(',')});
    dialog = new QDialog;
    auto* layout = new QVBoxLayout(dialog);
    temp = new NumericBox(dialog);
    temp->setObjectName("TxtTDBin");
    temp->setFormat("#,##0.0");
    rh = new NumericBox(dialog);
    rh->setObjectName("TxtRHin");
    ok = new QPushButton("OK", dialog);
    ok->setDefault(true);
    layout->addWidget(temp);
    layout->addWidget(rh);
    layout->addWidget(ok);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    ok->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }
  void TearDown() override {
    delete dialog;
    setSeparators(Separators{});
  }
  void focus(QWidget* w) {
    if (!dialog->isActiveWindow()) {
      dialog->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(w->hasFocus());
  }

  test::ModalWatchdog watchdog;
  QDialog* dialog = nullptr;
  NumericBox* temp = nullptr;
  NumericBox* rh = nullptr;
  QPushButton* ok = nullptr;
};

TEST_F(BoxWindow, OnlyDigitsMinusAndOneDecimalSeparatorAreTyped) {
  focus(temp);
  QTest::keyClicks(temp, "-1,2a3Z +*.5");
  // "," types the decimal point; the later "." finds one there and is refused.
  EXPECT_EQ(temp->text(), "-1.235");
  // A comma-decimal user: "." (the thousands separator) types the decimal comma.
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  temp->clear();
  QTest::keyClicks(temp, "1.2");
  QTest::keyClick(temp, Qt::Key_Period, Qt::KeypadModifier);  // a second decimal: refused
  QTest::keyClicks(temp, "5");
  EXPECT_EQ(temp->text(), "1,25");
}

// Greek settings: "36.5" typed with the main keyboard's point is 36,5, not
// 365, and a load of "30000.5" is 30.000,5 kcal/h, not 300.005.
TEST_F(BoxWindow, EitherDecimalKeyTypesTheGreekDecimalComma) {
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  focus(temp);
  QTest::keyClicks(temp, "36.5");
  EXPECT_EQ(temp->text(), "36,5");
  EXPECT_DOUBLE_EQ(temp->value(), 36.5);
  temp->clear();
  QTest::keyClicks(temp, "30000.5");
  EXPECT_DOUBLE_EQ(temp->value(), 30000.5);
  focus(rh);
  EXPECT_EQ(temp->text(), "30.000,5");  // grouping is shown, never typed
  focus(temp);                          // the grouping goes while the box is edited
  EXPECT_EQ(temp->text(), "30000,5");
  QTest::keyClick(temp, Qt::Key_End);
  QTest::keyClicks(temp, ".,");
  EXPECT_EQ(temp->text(), "30000,5");
  // The keypad's key, whatever character the layout gives it.
  temp->clear();
  QTest::keyClicks(temp, "7");
  QTest::keyClick(temp, Qt::Key_Comma, Qt::KeypadModifier, 0);
  QTest::keyClicks(temp, "25");
  EXPECT_EQ(temp->text(), "7,25");
  // A selected decimal separator is replaced, so typing over it is allowed.
  temp->setSelection(1, 1);
  QTest::keyClicks(temp, ".");
  EXPECT_EQ(temp->text(), "7,25");
}

// English settings: "36,5" is 36.5, not 365.
TEST_F(BoxWindow, EitherDecimalKeyTypesTheEnglishDecimalPoint) {
  focus(temp);
  QTest::keyClicks(temp, "36,5");
  EXPECT_EQ(temp->text(), "36.5");
  temp->clear();
  QTest::keyClicks(temp, "30000,5");
  EXPECT_DOUBLE_EQ(temp->value(), 30000.5);
  QTest::keyClick(temp, Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(temp->text(), "30000.5");
}

// A box that takes whole numbers refuses both decimal keys, and one that takes
// no sign refuses the minus, typed or pasted.
TEST_F(BoxWindow, WholeAndUnsignedBoxesRefuseDecimalsAndSigns) {
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  temp->setDecimalAllowed(false);
  temp->setMinusAllowed(false);
  focus(temp);
  QTest::keyClicks(temp, "-300.5,");
  EXPECT_EQ(temp->text(), "3005");
  temp->clear();
  QApplication::clipboard()->setText("300,5");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "");
  QApplication::clipboard()->setText("-300");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "");
  QApplication::clipboard()->setText("3.000");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "3000");
}

TEST_F(BoxWindow, RhBoxOfAStateGivenByWetBulbAcceptsNoKey) {
  rh->setText("50.50");
  rh->setAcceptKeys(false);
  focus(rh);
  EXPECT_EQ(rh->text(), "50.5");
  rh->end(false);
  QTest::keyClicks(rh, "123abc.-");
  QTest::keyClick(rh, Qt::Key_Backspace);
  QTest::keyClick(rh, Qt::Key_Home);
  QTest::keyClick(rh, Qt::Key_Delete);
  QTest::keyClick(rh, Qt::Key_X, Qt::ControlModifier);
  QApplication::clipboard()->setText("99");
  QTest::keyClick(rh, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(rh->text(), "50.5");
  QSignalSpy enter(rh, &NumericBox::enterPressed);
  QTest::keyClick(rh, Qt::Key_Return);
  EXPECT_EQ(enter.count(), 0);
}

TEST_F(BoxWindow, EnterIsHandedOnAndNeverPressesTheDefaultButton) {
  QSignalSpy enter(temp, &NumericBox::enterPressed);
  QSignalSpy pressed(ok, &QPushButton::clicked);
  QObject::connect(temp, &NumericBox::enterPressed, rh,
                   [this] { rh->setFocus(Qt::OtherFocusReason); });
  focus(temp);
  QTest::keyClicks(temp, "77");
  QTest::keyClick(temp, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(enter.count(), 1);
  EXPECT_EQ(pressed.count(), 0);
  EXPECT_TRUE(rh->hasFocus());
  EXPECT_EQ(temp->text(), "77.0");  // re-formatted on leaving
}

TEST_F(BoxWindow, FocusRemovesThousandsSelectsAllAndReformatsOnLeaving) {
  // 1,234.50 is shown as 1234.5 selected; typing 2.25 and leaving shows 2.3.
  temp->setText("1,234.50");
  QSignalSpy left(temp, &NumericBox::editingLeft);
  focus(temp);
  EXPECT_EQ(temp->text(), "1234.5");
  EXPECT_EQ(temp->selectedText(), "1234.5");
  EXPECT_DOUBLE_EQ(temp->focusValue(), 1234.5);
  EXPECT_FALSE(temp->changedSinceFocus());
  QTest::keyClicks(temp, "2.25");
  EXPECT_TRUE(temp->changedSinceFocus());
  focus(rh);
  EXPECT_EQ(temp->text(), "2.3");
  EXPECT_EQ(left.count(), 1);
}

// Pasting reads the pasted number as a whole, under either convention.
TEST_F(BoxWindow, PasteKeepsTheValueOfThePastedNumber) {
  focus(temp);
  QApplication::clipboard()->setText("1,234.5");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "1234.5");
  // Text that is no plain number is refused whole, not filtered into another one.
  temp->clear();
  QApplication::clipboard()->setText("1,2a3.5 °C");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "");

  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  QApplication::clipboard()->setText("36.5");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "36,5");
  // A second decimal separator is refused.
  QApplication::clipboard()->setText("0,5");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "36,5");
  // The edit menu's Paste goes the same way.
  temp->clear();
  QApplication::clipboard()->setText("30000.5");
  QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2),
                              temp->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(temp, &menuEvent);
  auto* paste = temp->findChild<QAction*>("edit-paste");
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  EXPECT_EQ(temp->text(), "30000,5");
  if (auto* menu = qobject_cast<QWidget*>(paste->parent())) menu->close();
}

}  // namespace
