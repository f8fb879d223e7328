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
#include <memory>

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

// ---- title window ---------------------------------------------------------

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

TEST_F(Windows, TitleWindowClosesAtOnceOnAClickOrItsButton) {
  for (bool onButton : {false, true}) {
    FrmTitle w;
    test::onModal(
        "FrmTitle",
        [onButton](QWidget* t) {
          if (onButton)
            t->findChild<QPushButton*>("CmdEnter")->click();
          else
            QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(20, 20));
        },
        1000);
    w.exec();
    EXPECT_TRUE(w.closedByUser()) << (onButton ? "button" : "window");
    EXPECT_LT(w.shownForMs(), FrmTitle::kShowMs);
  }
}

TEST_F(Windows, TitleWindowShowsNameVersionAndMaker) {
  FrmTitle w;
  EXPECT_EQ(w.findChild<QLabel*>("LblProgram")->text(), QStringLiteral("Aeriton"));
  EXPECT_EQ(w.findChild<QLabel*>("LblVersion")->text(), QStringLiteral("Έκδοση 0.1.0"));
  EXPECT_FALSE(w.findChild<QLabel*>("LblMaker")->text().isEmpty());
}

// ---- season window ----------------------------------------------------------

TEST_F(Windows, SeasonWindowCreatesTheRememberedFolderFileOnLoading) {
  FrmSeason w;
  EXPECT_EQ(test::readAll(program.path("~orvo.psy")),
            "\"" + program.folder().toLocal8Bit() + "AIRFiles/\"\r\n");
  EXPECT_TRUE(program.messages.shown().empty());
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
  // State: both flags set the wrong way round; action: option and button;
  // result: the flags of the chosen season, or both cleared after Cancel.
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
    ::testing::Values(SeasonCase{"summer_ok", "OptSummer", "CmdOK", Season::Summer},
                      SeasonCase{"winter_ok", "OptWinter", "CmdOK", Season::Winter},
                      SeasonCase{"winter_cancel", "OptWinter", "CmdCancel", Season::None},
                      SeasonCase{"frame_closed", "OptSummer", "", Season::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Windows, SeasonWindowOffersTheSeasonInForce) {
  study().HeatingProcess = true;
  FrmSeason winter;
  EXPECT_TRUE(winter.findChild<QRadioButton*>("OptWinter")->isChecked());
  resetStudy();
  FrmSeason fresh;
  EXPECT_TRUE(fresh.findChild<QRadioButton*>("OptSummer")->isChecked());
}

// ---- study-title window -----------------------------------------------------

TEST_F(Windows, TitleWindowRewritesTheCompanionAndTheDataScreenLabel) {
  // State: a summer study "Office.AIR" in kW titled "  Old title "; action:
  // type a Greek title and press OK; result: companion, label and flag.
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

TEST_F(Windows, WinterTitleGoesToTheTawCompanion) {
  StandInDataScreen screen(Season::Winter);
  setCurrentDataScreen(&screen);
  setCurrentSeason(Season::Winter);
  study().StudyFileName = program.path("Plant.WIR");
  study().setLoadUnit("KCAL");
  test::onModal("FrmThemaInd", [](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("Text1"), "Hall");
    w->findChild<QPushButton*>("CmdOK")->click();
  });
  openStudyTitleWindow(&screen);
  EXPECT_EQ(test::readAll(program.path("Plant.TAW")), QByteArray("\"Hall\"\r\n\"KCAL\"\r\n"));
  EXPECT_FALSE(QFile::exists(program.path("Plant.TAS")));
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), QStringLiteral("Hall"));
}

TEST_F(Windows, CancelledTitleWindowChangesNothing) {
  StandInDataScreen screen(Season::Summer);
  setCurrentDataScreen(&screen);
  study().Title = "Kept";
  study().StudyFileName = program.path("Office.AIR");
  const QString label = screen.findChild<QLabel*>("LblThema")->text();
  test::onModal("FrmThemaInd", [](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("Text1"), " and more");
    w->findChild<QPushButton*>("CmdCancel")->click();
  });
  openStudyTitleWindow(&screen);
  EXPECT_EQ(study().Title, QStringLiteral("Kept"));
  EXPECT_FALSE(study().TitleEntered);
  EXPECT_FALSE(QFile::exists(program.path("Office.TAS")));
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), label);
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

TEST_F(Windows, TitleFromTheResultsScreenReachesTheDataScreenLabel) {
  // The data screen is current; the window is opened from another window
  // (the results screen) that has no title label of its own.
  StandInDataScreen screen(Season::Summer);
  setCurrentDataScreen(&screen);
  QDialog results;
  test::onModal("FrmThemaInd", [](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("Text1"), "Clinic");
    w->findChild<QPushButton*>("CmdOK")->click();
  });
  openStudyTitleWindow(&results);
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(), QStringLiteral("Clinic"));
}

// ---- exit-or-change request -------------------------------------------------

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

// A data screen whose close handler refuses to close (a question answered
// "stay"): the program must not believe it has gone.
class StubbornScreen : public StandInDataScreen {
 public:
  using StandInDataScreen::StandInDataScreen;

 protected:
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

TEST_F(Windows, ScreenThatRefusesToCloseStaysCurrent) {
  StubbornScreen screen(Season::Summer);
  screen.show();
  setCurrentDataScreen(&screen);
  program.messages.answer(MsgAnswer::No);
  exitOrChangeRequest(&screen);
  EXPECT_TRUE(screen.isVisible());
  EXPECT_EQ(takeDataScreenExit(), DataScreenExit::None);
  EXPECT_FALSE(study().SeasonChange);
}

}  // namespace

namespace {

// ---- data screen factories --------------------------------------------------

TEST_F(Windows, SeasonWithoutAScreenGetsTheStandIn) {
  // A factory that gives nothing, and no factory at all: the stand-in of the
  // season opens instead of a crash.
  setDataScreenFactories([](QWidget*) -> QDialog* { return nullptr; }, nullptr);
  for (Season s : {Season::Summer, Season::Winter}) {
    std::unique_ptr<QDialog> screen(createDataScreen(s));
    auto* standIn = dynamic_cast<StandInDataScreen*>(screen.get());
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->season(), s);
    EXPECT_NE(standIn->findChild<QLabel*>("LblThema"), nullptr);
    EXPECT_NE(standIn->findChild<QPushButton*>("SSCommand3"), nullptr);
  }
  setDataScreenFactories(nullptr, nullptr);
}

TEST_F(Windows, InstalledFactoryMakesTheSeasonsScreen) {
  QDialog* made = nullptr;
  setDataScreenFactories(nullptr, [&](QWidget* p) -> QDialog* { return made = new QDialog(p); });
  std::unique_ptr<QDialog> winter(createDataScreen(Season::Winter));
  EXPECT_EQ(winter.get(), made);
  std::unique_ptr<QDialog> summer(createDataScreen(Season::Summer));
  EXPECT_NE(dynamic_cast<StandInDataScreen*>(summer.get()), nullptr);
  setDataScreenFactories(nullptr, nullptr);
}

}  // namespace
