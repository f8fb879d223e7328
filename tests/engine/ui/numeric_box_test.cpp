// The numeric box driven through the keyboard and the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
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
    // Start with the focus on the button, as after a calculation.
    ok->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }
  void TearDown() override {
    delete dialog;
    setSeparators(Separators{});
  }
  void focus(QWidget* w) {
    if (!dialog->isActiveWindow()) {  // after a popup menu
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

TEST_F(BoxWindow, LetterTypedIntoATemperatureBoxChangesNothing) {
  // Box holds 25.5 with the cursor at the end; typing "a" leaves it.
  focus(temp);
  temp->setText("25.5");
  temp->end(false);
  QTest::keyClicks(temp, "aZ +*");
  EXPECT_EQ(temp->text(), "25.5");
  QTest::keyClicks(temp, "-1");
  EXPECT_EQ(temp->text(), "25.5-1");
}

TEST_F(BoxWindow, DigitsMinusAndDecimalAreKept) {
  focus(temp);
  QTest::keyClicks(temp, "-12.5");
  EXPECT_EQ(temp->text(), "-12.5");
  QTest::keyClick(temp, Qt::Key_Backspace);
  EXPECT_EQ(temp->text(), "-12.");
}

TEST_F(BoxWindow, ThousandsSeparatorIsNeverAcceptedFromTheKeyboard) {
  focus(temp);
  QTest::keyClicks(temp, "1,234");
  EXPECT_EQ(temp->text(), "1234");

  // A comma-decimal user: "." is the thousands separator, "," the decimal.
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  temp->clear();
  QTest::keyClicks(temp, "1.234,5");
  EXPECT_EQ(temp->text(), "1234,5");
}

TEST_F(BoxWindow, RhBoxOfAStateGivenByWetBulbAcceptsNoKey) {
  // The inlet state is given by its wet bulb: the RH box shows the computed
  // 50.5, which entering shows without its format as 50.5.
  rh->setText("50.50");
  rh->setAcceptKeys(false);
  focus(rh);
  EXPECT_EQ(rh->text(), "50.5");
  rh->end(false);
  QTest::keyClicks(rh, "123abc.-");
  QTest::keyClick(rh, Qt::Key_Backspace);
  QTest::keyClick(rh, Qt::Key_Delete);
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

TEST_F(BoxWindow, EnterIsHandedOnAndDiscarded) {
  // Enter in the box moves the entry on and never presses the default button.
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
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(BoxWindow, FocusRemovesThousandsSelectsAllAndReformatsOnLeaving) {
  // The box shows 1,234.50; entering it shows 1234.5 selected; typing 2.25
  // replaces it and leaving shows 2.3 (one decimal, half up).
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

TEST_F(BoxWindow, LeavingWhileAnotherWindowIsActiveStillReformats) {
  // Typing 2.25, then a message window comes up and the focus is put on the
  // RH box before the screen is active again: the entry is left once, and the
  // next entry starts afresh.
  QSignalSpy left(temp, &NumericBox::editingLeft);
  focus(temp);
  QTest::keyClicks(temp, "2.25");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(left.count(), 0);  // a message box is no leaving
  rh->setFocus(Qt::OtherFocusReason);
  other.close();
  focus(rh);
  EXPECT_EQ(temp->text(), "2.3");
  EXPECT_EQ(left.count(), 1);
  focus(temp);
  EXPECT_DOUBLE_EQ(temp->focusValue(), 2.3);
  EXPECT_EQ(temp->selectedText(), "2.3");
}

TEST_F(BoxWindow, BoxDestroyedWhileFocusedAndEntered) {
  // A screen closing while a box is being typed into (focus moves away
  // during the destruction): nothing is reported from the dying box.
  focus(temp);
  QTest::keyClicks(temp, "12");
  auto* extra = new NumericBox(dialog);
  dialog->layout()->addWidget(extra);
  extra->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  QTest::keyClicks(extra, "5");
  delete extra;
  QApplication::processEvents();
  EXPECT_EQ(temp->text(), "12.0");
}

TEST_F(BoxWindow, UnchangedValueIsNotAChange) {
  temp->setText("1,234.5");
  focus(temp);
  focus(rh);
  EXPECT_FALSE(temp->changedSinceFocus());
  EXPECT_EQ(temp->text(), "1,234.5");
}

TEST_F(BoxWindow, PlaceholderAndEmptyBoxesStayAsTheyAre) {
  temp->setText("----");
  rh->setFormat("#,##0.0");
  focus(temp);
  EXPECT_EQ(temp->text(), "----");
  EXPECT_DOUBLE_EQ(temp->focusValue(), kPlaceholderValue);
  focus(rh);
  EXPECT_EQ(temp->text(), "----");
  focus(temp);
  EXPECT_EQ(rh->text(), "");
}

TEST_F(BoxWindow, PasteKeepsOnlyWhatCouldBeTyped) {
  focus(temp);
  QApplication::clipboard()->setText("1,2a3.5 °C");
  QTest::keyClick(temp, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(temp->text(), "123.5");
}

// The context menu's Paste goes through the same filter as typing; in a box
// that accepts no key it is disabled.
TEST_F(BoxWindow, ContextMenuPasteIsFiltered) {
  focus(temp);
  QApplication::clipboard()->setText("7a,5.5");
  const auto pasteFromMenu = [](NumericBox* box) -> QAction* {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &event);
    QMenu* menu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible()) menu = m;
    }
    if (!menu) return nullptr;
    for (QAction* a : menu->actions()) {
      if (a->objectName() == "edit-paste") return a;
    }
    return nullptr;
  };
  QAction* paste = pasteFromMenu(temp);
  ASSERT_NE(paste, nullptr);
  EXPECT_TRUE(paste->isEnabled());
  paste->trigger();
  EXPECT_EQ(temp->text(), "75.5");
  qobject_cast<QMenu*>(paste->parent())->close();
  QApplication::processEvents();

  rh->setText("40");
  rh->setAcceptKeys(false);
  focus(rh);
  paste = pasteFromMenu(rh);
  ASSERT_NE(paste, nullptr);
  EXPECT_FALSE(paste->isEnabled());
  qobject_cast<QMenu*>(paste->parent())->close();
  EXPECT_EQ(rh->text(), "40");
}

TEST_F(BoxWindow, KeypadDecimalTypesTheRegionalSeparator) {
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  focus(temp);
  QTest::keyClicks(temp, "12");
  QTest::keyClick(temp, Qt::Key_Period, Qt::KeypadModifier);
  QTest::keyClicks(temp, "5");
  EXPECT_EQ(temp->text(), "12,5");
  EXPECT_DOUBLE_EQ(temp->value(), 12.5);
}

TEST_F(BoxWindow, SetValueUsesTheDisplayPattern) {
  temp->setValue(25.0);
  EXPECT_EQ(temp->text(), "25.0");
  rh->setValue(12.5);  // no pattern: plain text
  EXPECT_EQ(rh->text(), "12.5");
  setSeparators(Separators{QLatin1Char(','), QLatin1Char('.')});
  temp->setValue(1234.56);
  EXPECT_EQ(temp->text(), "1.234,6");
}

}  // namespace
