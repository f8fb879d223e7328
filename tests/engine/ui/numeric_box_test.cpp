// The numeric box driven through the keyboard and the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
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

TEST_F(BoxWindow, OnlyDigitsMinusAndTheDecimalSeparatorAreTyped) {
  focus(temp);
  QTest::keyClicks(temp, "-1,2a3Z +*.5");
  EXPECT_EQ(temp->text(), "-123.5");
  // A comma-decimal user: "." is the thousands separator, "," the decimal.
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  temp->clear();
  QTest::keyClicks(temp, "1.2");
  QTest::keyClick(temp, Qt::Key_Period, Qt::KeypadModifier);  // keypad gives ","
  QTest::keyClicks(temp, "5");
  EXPECT_EQ(temp->text(), "12,5");
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

TEST_F(BoxWindow, PasteKeepsOnlyWhatCouldBeTyped) {
  focus(temp);
  QApplication::clipboard()->setText("1,2a3.5 °C");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "123.5");
}

}  // namespace
