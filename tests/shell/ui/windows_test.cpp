// The shell's windows driven through their controls. Exit and season change
// through the data screen are run by the start-up tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ShellUiSupport.h"
#include "TestSupport.h"
#include "shell/ui/FrmSeason.h"
#include "shell/ui/FrmThemaInd.h"
#include "shell/ui/FrmTitle.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "shell/ui/StandInDataScreen.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

class Windows : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  test::ModalWatchdog watchdog;
  void TearDown() override {
    setCurrentDataScreen(nullptr);
    setCurrentSeason(Season::None);
    takeDataScreenExit();
  }
};

TEST_F(Windows, TitleWindowClosesItselfAFifthOfASecondAfterActivation) {
  FrmTitle w;
  QElapsedTimer clock;
  clock.start();
  w.exec();
  EXPECT_FALSE(w.closedByUser());
  EXPECT_GE(w.shownForMs(), FrmTitle::kShowMs);
  // Closed by the 0.2 s timer, not by the no-activation fallback.
  EXPECT_LT(w.shownForMs(), FrmTitle::kNoActivationMs);
  EXPECT_LT(clock.elapsed(), 1500);
}

TEST_F(Windows, SeasonWindowReportsAFolderFileItCannotWrite) {
  QDir(program.folder()).mkpath("~orvo.psy");
  FrmSeason w;
  ASSERT_EQ(program.messages.shown().size(), 1u);
  const Message& m = program.messages.shown()[0];
  EXPECT_EQ(m.code, kMsgFolderFileNotWritten);
  EXPECT_EQ(m.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_TRUE(m.text.contains(program.path("~orvo.psy")));
}

TEST_F(Windows, SeasonWindowCancelledOrClosedChoosesNothing) {
  for (const char* button : {"CmdCancel", ""}) {  // "": the window frame
    study().CoolingProcess = study().HeatingProcess = true;
    test::onModal("FrmSeason", [button](QWidget* w) {
      w->findChild<QRadioButton*>(*button ? "OptWinter" : "OptSummer")->click();
      if (*button)
        w->findChild<QPushButton*>(button)->click();
      else
        w->close();
    });
    EXPECT_EQ(runSeasonWindow(), Season::None) << button;
    EXPECT_FALSE(study().CoolingProcess);
    EXPECT_FALSE(study().HeatingProcess);
  }
}

TEST_F(Windows, SeasonWindowArrowsMoveFromTheChosenSeason) {
  // Back from a winter study (a change of season): the focus is on the chosen
  // winter option, so Up goes to summer and Down back to winter.
  study().CoolingProcess = false;
  study().HeatingProcess = true;
  FrmSeason w;
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  auto* summer = w.findChild<QRadioButton*>("OptSummer");
  auto* winter = w.findChild<QRadioButton*>("OptWinter");
  EXPECT_TRUE(winter->isChecked());
  EXPECT_TRUE(winter->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(summer->isChecked());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_TRUE(winter->isChecked());
  w.reject();
}

TEST_F(Windows, TitleWindowRewritesTheCompanionAndTheDataScreenLabel) {
  StandInDataScreen screen(Season::Summer);
  screen.show();
  setCurrentDataScreen(&screen);
  setCurrentSeason(Season::Summer);
  study().Title = "  Old title ";
  study().StudyFileName = program.path("Office.AIR");

  QString shownInBox;
  test::onModal("FrmThemaInd", [&](QWidget* w) {
    auto* box = w->findChild<QLineEdit*>("Text1");
    shownInBox = box->text();
    box->clear();
    test::typeText(box, QStringLiteral(" Γραφεία Αθήνας "));
    w->findChild<QPushButton*>("CmdOK")->click();
  });
  screen.findChild<QPushButton*>("CmdThema")->click();

  EXPECT_EQ(shownInBox, QStringLiteral("Old title"));
  EXPECT_EQ(study().Title, QStringLiteral("Γραφεία Αθήνας"));
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), QStringLiteral("Γραφεία Αθήνας"));
  EXPECT_TRUE(QFile::exists(program.path("Office.TAS")));  // its bytes: the logic tests
  EXPECT_TRUE(program.messages.shown().empty());
}

TEST_F(Windows, CompanionThatCannotBeWrittenIsReported) {
  StandInDataScreen screen(Season::Summer);
  setCurrentDataScreen(&screen);
  study().StudyFileName = program.path("missing/Office.AIR");
  test::onModal("FrmThemaInd", [](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("Text1"), "School");
    w->findChild<QPushButton*>("CmdOK")->click();
  });
  openStudyTitleWindow(&screen);
  ASSERT_EQ(program.messages.shown().size(), 1u);
  const Message& m = program.messages.shown()[0];
  EXPECT_EQ(m.code, kMsgTitleFileNotWritten);
  EXPECT_EQ(m.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_TRUE(m.text.contains(program.path("missing/Office.TAS")));
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), QStringLiteral("School"));
}

TEST_F(Windows, ExitRequestCancelledKeepsTheScreenAndItsFiles) {
  for (const QString& name : temporaryFileNames()) test::writeAll(program.path(name), "x");
  StandInDataScreen screen(Season::Summer);
  screen.show();
  setCurrentDataScreen(&screen);
  program.messages.answer(MsgAnswer::Cancel);
  screen.findChild<QPushButton*>("SSCommand3")->click();
  EXPECT_TRUE(screen.isVisible());
  EXPECT_EQ(takeDataScreenExit(), DataScreenExit::None);
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  for (const QString& name : temporaryFileNames()) EXPECT_TRUE(QFile::exists(program.path(name)));
  ASSERT_EQ(program.messages.shown().size(), 1u);
  EXPECT_EQ(program.messages.shown()[0].code, kMsgExitOrChange);
  EXPECT_EQ(program.messages.shown()[0].defaultButton, MsgAnswer::Cancel);
}

}  // namespace
