// The shell's windows driven through their controls: the title window, the
// season window, the study-title window and the exit-or-change request.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
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

struct SeasonCase {
  const char* name;
  const char* option;  // option clicked, or "" for none
  const char* button;
  Season expected;
};

class SeasonWindow : public Windows, public ::testing::WithParamInterface<SeasonCase> {};

TEST_P(SeasonWindow, ButtonsSetTheSeasonFlags) {
  const SeasonCase& c = GetParam();
  study().CoolingProcess = c.expected != Season::Summer;
  study().HeatingProcess = c.expected != Season::Winter;
  test::onModal("FrmSeason", [&c](QWidget* w) {
    if (*c.option) w->findChild<QRadioButton*>(c.option)->click();
    if (*c.button)
      w->findChild<QPushButton*>(c.button)->click();
    else
      w->close();  // the window frame
  });
  EXPECT_EQ(runSeasonWindow(), c.expected);
  EXPECT_EQ(study().CoolingProcess, c.expected == Season::Summer);
  EXPECT_EQ(study().HeatingProcess, c.expected == Season::Winter);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SeasonWindow,
    ::testing::Values(SeasonCase{"winter_ok", "OptWinter", "CmdOK", Season::Winter},
                      SeasonCase{"winter_cancel", "OptWinter", "CmdCancel", Season::None},
                      SeasonCase{"frame_closed", "OptSummer", "", Season::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Windows, TitleWindowRewritesTheCompanionAndTheDataScreenLabel) {
  StandInDataScreen screen(Season::Summer);
  screen.show();
  setCurrentDataScreen(&screen);
  setCurrentSeason(Season::Summer);
  study().Title = "  Old title ";
  study().StudyFileName = program.path("Office.AIR");
  study().setLoadUnit("KW");

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
  EXPECT_TRUE(study().TitleEntered);
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), QStringLiteral("Γραφεία Αθήνας"));
  // "Γραφεία Αθήνας" in Windows-1253: Γ C3 ρ F1 α E1 φ F6 ε E5 ί DF α E1,
  // space, Α C1 θ E8 ή DE ν ED α E1 ς F2.
  EXPECT_EQ(test::readAll(program.path("Office.TAS")),
            QByteArray("\"\xC3\xF1\xE1\xF6\xE5\xDF\xE1 \xC1\xE8\xDE\xED\xE1\xF2\"\r\n\"KW\"\r\n"));
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
  // The title itself is taken, and shown.
  EXPECT_EQ(study().Title, QStringLiteral("School"));
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), QStringLiteral("School"));
}

struct ExitCase {
  const char* name;
  MsgAnswer answer;
  bool closes;
  DataScreenExit exit;
};

class ExitRequest : public Windows, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitRequest, AnswerDecidesWhatHappens) {
  const ExitCase& c = GetParam();
  for (const QString& name : temporaryFileNames()) test::writeAll(program.path(name), "x");
  StandInDataScreen screen(Season::Summer);
  screen.show();
  setCurrentDataScreen(&screen);
  program.messages.answer(c.answer);
  screen.findChild<QPushButton*>("SSCommand3")->click();

  EXPECT_EQ(!screen.isVisible(), c.closes);
  EXPECT_EQ(takeDataScreenExit(), c.exit);
  EXPECT_FALSE(study().SeasonChange);
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  int left = 0;
  for (const QString& name : temporaryFileNames()) left += QFile::exists(program.path(name));
  EXPECT_EQ(left, c.closes ? 0 : temporaryFileNames().size());
  ASSERT_EQ(program.messages.shown().size(), 1u);
  EXPECT_EQ(program.messages.shown()[0].code, kMsgExitOrChange);
  EXPECT_EQ(program.messages.shown()[0].defaultButton, MsgAnswer::Cancel);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ExitRequest,
    ::testing::Values(ExitCase{"yes_exits", MsgAnswer::Yes, true, DataScreenExit::Exit},
                      ExitCase{"no_changes_season", MsgAnswer::No, true,
                               DataScreenExit::ChangeSeason},
                      ExitCase{"cancel_stays", MsgAnswer::Cancel, false, DataScreenExit::None}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
