// The winter data screen's CmdPS opens the two-state calculator modally.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "calculator/ui/FrmPS.h"
#include "study/ui/Style.h"
#include "winter/ui/FrmPsyDaW.h"

using namespace aeriton;

namespace {

TEST(WinterCalculatorButton, OpensTheCalculator) {
  test::ProgramFolderFixture folder;
  winter::FrmPsyDaW screen(nullptr);
  screen.show();
  auto* cmdPS = screen.findChild<QPushButton*>("CmdPS");
  ASSERT_NE(cmdPS, nullptr);
  EXPECT_TRUE(cmdPS->isEnabled());
  // The caption, with Alt+Σ as its mnemonic.
  EXPECT_EQ(style::plainText(cmdPS), " Στοιχειώδης Ψυχρομετρική Μεταβολή ");
  EXPECT_EQ(cmdPS->text(), " &Στοιχειώδης Ψυχρομετρική Μεταβολή ");
  QString opened;
  QTimer::singleShot(200, [&opened] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      opened = modal->objectName();
      modal->close();
    }
  });
  QTest::mouseClick(cmdPS, Qt::LeftButton);
  EXPECT_EQ(opened, "FrmPS");

  // An opener set for a test is called instead; nullptr restores the calculator.
  int calls = 0;
  winter::FrmPsyDaW::setCalculatorOpener([&calls](QWidget*) { ++calls; });
  QTest::mouseClick(cmdPS, Qt::LeftButton);
  EXPECT_EQ(calls, 1);
  winter::FrmPsyDaW::setCalculatorOpener(nullptr);
  opened.clear();
  QTimer::singleShot(200, [&opened] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      opened = modal->objectName();
      modal->close();
    }
  });
  QTest::mouseClick(cmdPS, Qt::LeftButton);
  EXPECT_EQ(opened, "FrmPS");
}

}  // namespace
