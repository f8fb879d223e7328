// The start-up in its order: second copy refused, separators, registry,
// leftover files, season loop, data screens and the change of season.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <deque>

#include "ShellUiSupport.h"
#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "shell/InstanceGuard.h"
#include "shell/ProgramRegistry.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "shell/ui/StandInDataScreen.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

const QStringList kLeftovers = {"PRNFILE.@@@", "PSY_SPA.TMP", "PSY_DAT.TMP",   "PSY_RES.TMP",
                                "PSY_VEE.TMP", "AERITON.TMP", "SUM_KCALH.tmp", "PSDATA.TMP",
                                "RESULTS.@@@", "RS.DRL",      "RS.RND",        "Ownerships.own",
                                "~UNDO.UDO"};

class Startup : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  test::ModalWatchdog watchdog;

  void SetUp() override { setRegistryPath(program.path("shared/OrvoProgs.log")); }
  void TearDown() override {
    setRegistryPath(QString());
    setDataScreenFactories(nullptr, nullptr);
    setSeparators(Separators{});
  }

  StartupOptions options(std::deque<Season> seasons) {
    StartupOptions o;
    o.lockPath = program.path("run/aeriton.lock");
    o.showTitleWindow = false;
    o.chooseSeason = [this, seasons]() mutable {
      ++chooserCalls;
      if (seasons.empty()) return Season::None;
      Season s = seasons.front();
      seasons.pop_front();
      return s;
    };
    return o;
  }

  void makeLeftovers() {
    for (const QString& name : kLeftovers) test::writeAll(program.path(name), "x");
  }
  int leftoversPresent() const {
    int n = 0;
    for (const QString& name : kLeftovers) n += QFile::exists(program.path(name));
    return n;
  }

  int chooserCalls = 0;
};

void expectExitConfirmation(const Message& m) {
  EXPECT_EQ(m.code, kMsgExitConfirm);
  EXPECT_EQ(m.title, QStringLiteral("...!! ΠΡΟΣΟΧΗ !!..."));
  EXPECT_EQ(m.text, QStringLiteral("... Έχετε επιλέξει την έξοδο από το Πρόγραμμα ...\n"
                                   "       ... Είστε Σίγουρος για αυτό ?? ...        "));
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.buttons, MsgButtons::YesNo);
  EXPECT_EQ(m.defaultButton, MsgAnswer::No);
  EXPECT_EQ(m.beeps, 2);
}

void expectExitOrChange(const Message& m) {
  EXPECT_EQ(m.code, kMsgExitOrChange);
  EXPECT_EQ(m.title, QStringLiteral("... ΕΠΙΛΕΞΤΕ ..."));
  // "< ΝO >" is written with a Greek capital Nu (U+039D) and a Latin O.
  EXPECT_EQ(m.text,
            QStringLiteral("... ΕΞΟΔΟΣ και από το Πρόγραμμα, ή ΑΛΛΑΓΗ Εποχής Ψυχρομετρικών "
                           "Υπολογισμών ;;;...\n... Επιλέξτε : < YES > για ΕΞΟΔΟ, < ") +
                QChar(0x039D) +
                QStringLiteral("O > για Αλλαγή Εποχής Υπολογισμών, < CANCEL >, για παραμονή "
                               "ως έχετε ..."));
  EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(m.beeps, 2);
}

TEST_F(Startup, SecondCopyIsRefusedWithTheExactMessageAndNothingElseRuns) {
  InstanceGuard first(program.path("run/aeriton.lock"));
  ASSERT_TRUE(first.acquire());
  makeLeftovers();

  StartupController second(options({Season::Summer}));
  EXPECT_EQ(second.run(), 1);
  ASSERT_EQ(program.messages.shown().size(), 1u);
  const Message& m = program.messages.shown()[0];
  EXPECT_EQ(m.code, kMsgSecondInstance);
  EXPECT_EQ(m.title, QStringLiteral("Π Ρ Ο Σ Ο Χ Η"));
  EXPECT_EQ(m.text, QStringLiteral("Το πρόγραμμα < Aeriton > τρέχει ήδη και δεν μπορείτε να το "
                                   "τρέξετε σε πολλαπλά παράθυρα!"));
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  // The refused copy leaves the running one's world alone.
  EXPECT_EQ(chooserCalls, 0);
  EXPECT_FALSE(QFile::exists(registryPath()));
  EXPECT_EQ(leftoversPresent(), kLeftovers.size());
}

TEST_F(Startup, RunsItsStepsInOrderBeforeTheSeasonWindow) {
  makeLeftovers();
  test::writeAll(program.path("KEEP.AIR"), "study");
  StartupOptions o = options({});
  o.locale = QLocale(QLocale::Greek, QLocale::Greece);
  bool checked = false;
  o.chooseSeason = [&] {
    checked = true;
    EXPECT_EQ(separators().decimal, QChar(','));
    EXPECT_EQ(readRegistry(registryPath()).value(0).folder,
              QDir::toNativeSeparators(program.folder()));
    EXPECT_EQ(leftoversPresent(), 0);
    EXPECT_TRUE(QFile::exists(program.path("KEEP.AIR")));
    return Season::None;
  };
  program.messages.answer(MsgAnswer::Yes);
  StartupController controller(o);
  EXPECT_EQ(controller.run(), 0);
  EXPECT_TRUE(checked);
  EXPECT_EQ(controller.registryOutcome(), RegistryOutcome::Appended);
  // The lock is given up at the end: the next start is not refused.
  InstanceGuard next(program.path("run/aeriton.lock"));
  EXPECT_TRUE(next.acquire());
}

TEST_F(Startup, CancelThenNoShowsTheSeasonWindowAgain) {
  // Cancel, No, Cancel, No, then summer.
  program.messages.answer(MsgAnswer::No);
  program.messages.answer(MsgAnswer::No);
  StartupController controller(options({Season::None, Season::None, Season::Summer}));
  EXPECT_EQ(controller.chooseSeason(), Season::Summer);
  EXPECT_EQ(controller.seasonWindowsShown(), 3);
  ASSERT_EQ(program.messages.shown().size(), 2u);
  for (const Message& m : program.messages.shown()) expectExitConfirmation(m);
  EXPECT_TRUE(study().UserAnswer.isEmpty());  // cleared after use
  // Every round cancelled and every confirmation answered No: the loop still ends.
  for (int i = 0; i < StartupController::kMaxSeasonRounds; ++i)
    program.messages.answer(MsgAnswer::No);
  StartupController stuck(options({}));
  EXPECT_EQ(stuck.chooseSeason(), Season::None);
  EXPECT_EQ(stuck.seasonWindowsShown(), StartupController::kMaxSeasonRounds);
}

// A data screen that logs its season and the season-change flag at closing, and
// once shown leaves exchange files behind and presses its exit button.
struct ScreenLog {
  std::vector<Season> opened;
  std::vector<bool> seasonChangeWhileClosing;
};

class RecordingScreen : public StandInDataScreen {
 public:
  RecordingScreen(Season s, QWidget* parent, ScreenLog& log, std::function<void()> onShown)
      : StandInDataScreen(s, parent), log_(log), onShown_(std::move(onShown)) {
    log_.opened.push_back(s);
  }

 protected:
  void showEvent(QShowEvent* e) override {
    StandInDataScreen::showEvent(e);
    QTimer::singleShot(0, this, [this] {
      onShown_();
      EXPECT_EQ(currentDataScreen(), this);
      findChild<QPushButton*>("SSCommand3")->click();
    });
  }
  void closeEvent(QCloseEvent* e) override {
    log_.seasonChangeWhileClosing.push_back(study().SeasonChange);
    StandInDataScreen::closeEvent(e);
  }

 private:
  ScreenLog& log_;
  std::function<void()> onShown_;
};

TEST_F(Startup, ChangeOfSeasonOpensTheOtherDataScreenAndYesEnds) {
  ScreenLog log;
  auto factory = [&](Season s) {
    return [&, s](QWidget* p) -> QDialog* {
      return new RecordingScreen(s, p, log, [&] { makeLeftovers(); });
    };
  };
  setDataScreenFactories(factory(Season::Summer), factory(Season::Winter));
  program.messages.answer(MsgAnswer::No);   // change season
  program.messages.answer(MsgAnswer::Yes);  // leave the program

  StartupController controller(options({Season::Summer, Season::Winter}));
  EXPECT_EQ(controller.run(), 0);
  EXPECT_EQ(log.opened, (std::vector<Season>{Season::Summer, Season::Winter}));
  // Summer closed with the season-change flag up, winter (left for good) without.
  EXPECT_EQ(log.seasonChangeWhileClosing, (std::vector<bool>{true, false}));
  EXPECT_FALSE(study().SeasonChange);
  ASSERT_EQ(program.messages.shown().size(), 2u);
  for (const Message& m : program.messages.shown()) expectExitOrChange(m);
  EXPECT_EQ(leftoversPresent(), 0);
  EXPECT_EQ(currentDataScreen(), nullptr);
}

TEST_F(Startup, WholeRunWithTitleAndSeasonWindows) {
  // Title window, season window (winter, OK), stand-in winter screen left with Yes.
  test::onModal("FrmSeason", [](QWidget* w) {
    w->findChild<QRadioButton*>("OptWinter")->click();
    w->findChild<QPushButton*>("CmdOK")->click();
    test::onModal("FrmPsyDaW",
                  [](QWidget* s) { s->findChild<QPushButton*>("SSCommand3")->click(); });
  });
  program.messages.answer(MsgAnswer::Yes);
  StartupOptions o = options({});
  o.showTitleWindow = true;
  o.chooseSeason = nullptr;
  StartupController controller(o);
  EXPECT_EQ(controller.run(), 0);
  EXPECT_EQ(controller.dataScreensOpened(), 1);
  EXPECT_TRUE(QFile::exists(program.path("~orvo.psy")));
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

}  // namespace
