// The start-up in its order: second copy refused, separators, registry,
// leftover files, season loop with the exit confirmation, data screens and the
// exit-or-change request with its season change.
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

// The thirteen leftover files, written out here rather than taken from the
// code under test.
const QStringList kLeftovers = {"PRNFILE.@@@", "PSY_SPA.TMP", "PSY_DAT.TMP",   "PSY_RES.TMP",
                                "PSY_VEE.TMP", "AERITON.TMP", "SUM_KCALH.tmp", "PSDATA.TMP",
                                "RESULTS.@@@", "RS.DRL",      "RS.RND",        "Ownerships.own",
                                "~UNDO.UDO"};

class Startup : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  test::ModalWatchdog watchdog;

  void SetUp() override {
    setRegistryPath(program.path("shared/OrvoProgs.log"));
    setDataScreenFactories(nullptr, nullptr);
    setSeparators(Separators{});
  }
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
    for (const QString& name : kLeftovers) n += QFile::exists(program.path(name)) ? 1 : 0;
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
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
  EXPECT_EQ(m.beeps, 2);
  // The refused copy leaves the running one's world alone.
  EXPECT_EQ(chooserCalls, 0);
  EXPECT_EQ(second.dataScreensOpened(), 0);
  EXPECT_FALSE(QFile::exists(registryPath()));
  EXPECT_EQ(leftoversPresent(), kLeftovers.size());
}

struct LocaleCase {
  const char* name;
  QLocale::Language language;
  QLocale::Territory territory;
  char16_t decimal, thousands;
};

class StartupSeparators : public Startup, public ::testing::WithParamInterface<LocaleCase> {};

TEST_P(StartupSeparators, AreThoseOfTheUsersLocale) {
  // 2500.0 as "#,##0.0": "2.500,0" in Greek and German, "2,500.0" in English.
  const LocaleCase& c = GetParam();
  StartupOptions o = options({});
  o.locale = QLocale(c.language, c.territory);
  StartupController controller(o);
  controller.detectNumberSeparators();
  EXPECT_EQ(separators().decimal, QChar(c.decimal));
  EXPECT_EQ(separators().thousands, QChar(c.thousands));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, StartupSeparators,
    ::testing::Values(LocaleCase{"greek", QLocale::Greek, QLocale::Greece, u',', u'.'},
                      LocaleCase{"english", QLocale::English, QLocale::UnitedStates, u'.', u','},
                      LocaleCase{"german", QLocale::German, QLocale::Germany, u',', u'.'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, RunsItsStepsInOrderBeforeTheSeasonWindow) {
  makeLeftovers();
  test::writeAll(program.path("KEEP.AIR"), "study");
  StartupOptions o = options({});
  o.locale = QLocale(QLocale::Greek, QLocale::Greece);
  bool checked = false;
  o.chooseSeason = [&] {
    // By the time the season window opens: separators known, program
    // recorded, leftovers gone, other files kept.
    checked = true;
    EXPECT_EQ(separators().decimal, QChar(','));
    const auto entries = readRegistry(registryPath());
    EXPECT_EQ(entries.size(), 1);
    if (!entries.isEmpty()) {
      EXPECT_EQ(entries[0].name, QStringLiteral("Aeriton"));
      EXPECT_EQ(entries[0].folder, QDir::toNativeSeparators(program.folder()));
    }
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

TEST_F(Startup, SecondStartRewritesTheOwnRegistryRecordInPlace) {
  // Another program's record first, then two starts of Aeriton: one record each.
  const QByteArray other = QByteArray("LoadCalc").leftJustified(30, ' ') +
                           QByteArray("C:\\LOADS\\").leftJustified(200, ' ') +
                           QByteArray("LOADS.EXE").leftJustified(20, ' ');
  QDir().mkpath(program.path("shared"));
  test::writeAll(registryPath(), other);
  for (int run = 0; run < 2; ++run) {
    program.messages.answer(MsgAnswer::Yes);
    StartupController controller(options({}));
    EXPECT_EQ(controller.run(), 0);
    EXPECT_EQ(controller.registryOutcome(),
              run == 0 ? RegistryOutcome::Appended : RegistryOutcome::Updated);
  }
  const QByteArray bytes = test::readAll(registryPath());
  ASSERT_EQ(bytes.size(), 500);
  EXPECT_EQ(bytes.left(250), other);
}

TEST_F(Startup, UnwritableRegistryDoesNotStopStartUp) {
  QDir().mkpath(registryPath());  // a folder where the file should be
  program.messages.answer(MsgAnswer::Yes);
  StartupController controller(options({}));
  EXPECT_EQ(controller.run(), 0);
  EXPECT_EQ(controller.registryOutcome(), RegistryOutcome::Skipped);
  EXPECT_EQ(chooserCalls, 1);  // the season window still came
  ASSERT_EQ(program.messages.shown().size(), 1u);
  expectExitConfirmation(program.messages.shown()[0]);
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
  EXPECT_TRUE(study().CoolingProcess);
  EXPECT_FALSE(study().HeatingProcess);
  EXPECT_TRUE(study().UserAnswer.isEmpty());  // cleared after use
}

TEST_F(Startup, CancelThenYesEndsWithoutADataScreen) {
  int screens = 0;
  setDataScreenFactories(
      [&](QWidget* p) -> QDialog* {
        ++screens;
        return new StandInDataScreen(Season::Summer, p);
      },
      [&](QWidget* p) -> QDialog* {
        ++screens;
        return new StandInDataScreen(Season::Winter, p);
      });
  program.messages.answer(MsgAnswer::Yes);
  StartupController controller(options({Season::None, Season::Summer}));
  EXPECT_EQ(controller.run(), 0);
  EXPECT_EQ(controller.seasonWindowsShown(), 1);
  EXPECT_EQ(screens, 0);
  EXPECT_EQ(controller.dataScreensOpened(), 0);
  EXPECT_FALSE(study().CoolingProcess);
  EXPECT_FALSE(study().HeatingProcess);
}

TEST_F(Startup, SeasonWindowsThatCannotBeAnsweredStillEnd) {
  // Every round cancelled and every confirmation answered No: the loop still
  // comes to an end instead of spinning for ever.
  for (int i = 0; i < StartupController::kMaxSeasonRounds; ++i)
    program.messages.answer(MsgAnswer::No);
  StartupController controller(options({}));
  EXPECT_EQ(controller.chooseSeason(), Season::None);
  EXPECT_EQ(controller.seasonWindowsShown(), StartupController::kMaxSeasonRounds);
}

// A data screen that records how it was opened and closed, and presses its
// exit button once it is shown.
struct ScreenLog {
  std::vector<Season> opened;
  std::vector<bool> firstEntry;
  std::vector<bool> seasonChangeWhileClosing;
  std::vector<int> leftoversWhenClosed;
};

class RecordingScreen : public StandInDataScreen {
 public:
  RecordingScreen(Season s, QWidget* parent, ScreenLog& log, std::function<void(QDialog*)> script)
      : StandInDataScreen(s, parent), log_(log), script_(std::move(script)) {
    log_.opened.push_back(s);
    log_.firstEntry.push_back(study().FirstEntry);
  }

 protected:
  void showEvent(QShowEvent* e) override {
    StandInDataScreen::showEvent(e);
    if (script_) QTimer::singleShot(0, this, [this] { script_(this); });
  }
  void closeEvent(QCloseEvent* e) override {
    log_.seasonChangeWhileClosing.push_back(study().SeasonChange);
    StandInDataScreen::closeEvent(e);
  }

 private:
  ScreenLog& log_;
  std::function<void(QDialog*)> script_;
};

void pressExit(QDialog* screen) {
  auto* button = screen->findChild<QPushButton*>("SSCommand3");
  ASSERT_NE(button, nullptr);
  button->click();
}

TEST_F(Startup, ChangeOfSeasonOpensTheOtherDataScreenAndYesEnds) {
  ScreenLog log;
  auto factory = [&](Season s) {
    return [&, s](QWidget* p) -> QDialog* {
      return new RecordingScreen(s, p, log, [&](QDialog* screen) {
        makeLeftovers();  // a calculation left its exchange files
        EXPECT_EQ(currentDataScreen(), screen);
        pressExit(screen);
      });
    };
  };
  setDataScreenFactories(factory(Season::Summer), factory(Season::Winter));
  program.messages.answer(MsgAnswer::No);   // change season
  program.messages.answer(MsgAnswer::Yes);  // leave the program

  StartupController controller(options({Season::Summer, Season::Winter}));
  EXPECT_EQ(controller.run(), 0);

  EXPECT_EQ(log.opened, (std::vector<Season>{Season::Summer, Season::Winter}));
  EXPECT_EQ(log.firstEntry, (std::vector<bool>{true, true}));
  // The summer screen unloaded with the season-change flag up; the winter
  // screen, left for good, without it; the flag is down afterwards.
  EXPECT_EQ(log.seasonChangeWhileClosing, (std::vector<bool>{true, false}));
  EXPECT_FALSE(study().SeasonChange);
  EXPECT_EQ(controller.seasonWindowsShown(), 2);
  ASSERT_EQ(program.messages.shown().size(), 2u);
  for (const Message& m : program.messages.shown()) expectExitOrChange(m);
  EXPECT_EQ(leftoversPresent(), 0);
  EXPECT_EQ(currentDataScreen(), nullptr);
}

TEST_F(Startup, ChangeOfSeasonThenCancelAndYesEndsTheProgram) {
  ScreenLog log;
  setDataScreenFactories(
      [&](QWidget* p) -> QDialog* {
        return new RecordingScreen(Season::Summer, p, log, pressExit);
      },
      nullptr);
  program.messages.answer(MsgAnswer::No);   // change season ...
  program.messages.answer(MsgAnswer::Yes);  // ... then cancel the season window and confirm exit
  StartupController controller(options({Season::Summer, Season::None}));
  EXPECT_EQ(controller.run(), 0);
  EXPECT_EQ(controller.dataScreensOpened(), 1);
  ASSERT_EQ(program.messages.shown().size(), 2u);
  expectExitOrChange(program.messages.shown()[0]);
  expectExitConfirmation(program.messages.shown()[1]);
}

TEST_F(Startup, CancelKeepsTheDataScreenAndItsFrameEndsTheProgram) {
  ScreenLog log;
  bool stillOpenAfterCancel = false;
  setDataScreenFactories(
      [&](QWidget* p) -> QDialog* {
        return new RecordingScreen(Season::Summer, p, log, [&](QDialog* screen) {
          makeLeftovers();
          pressExit(screen);  // answered Cancel
          stillOpenAfterCancel = screen->isVisible() && leftoversPresent() == kLeftovers.size();
          screen->close();  // the window frame: no question, the program ends
        });
      },
      nullptr);
  program.messages.answer(MsgAnswer::Cancel);
  StartupController controller(options({Season::Summer, Season::Winter}));
  EXPECT_EQ(controller.run(), 0);
  EXPECT_TRUE(stillOpenAfterCancel);
  EXPECT_EQ(controller.dataScreensOpened(), 1);
  EXPECT_EQ(controller.seasonWindowsShown(), 1);
  ASSERT_EQ(program.messages.shown().size(), 1u);
  expectExitOrChange(program.messages.shown()[0]);
  EXPECT_EQ(log.seasonChangeWhileClosing, std::vector<bool>{false});
  EXPECT_EQ(leftoversPresent(), 0);
}

TEST_F(Startup, WithoutInstalledScreensTheStandInOpens) {
  // No factories: the stand-in screen of the season, driven by its own button.
  test::onModal("FrmPsyDaW", [](QWidget* w) { pressExit(static_cast<QDialog*>(w)); });
  program.messages.answer(MsgAnswer::Yes);
  StartupController controller(options({Season::Winter}));
  EXPECT_EQ(controller.run(), 0);
  EXPECT_EQ(controller.dataScreensOpened(), 1);
  ASSERT_EQ(program.messages.shown().size(), 1u);
  expectExitOrChange(program.messages.shown()[0]);
  EXPECT_TRUE(study().HeatingProcess);
}

TEST_F(Startup, WholeRunWithTitleAndSeasonWindows) {
  // The real title window (closes itself) and the real season window (winter,
  // OK), then the stand-in winter screen left with Yes.
  test::onModal("FrmSeason", [](QWidget* w) {
    w->findChild<QRadioButton*>("OptWinter")->click();
    w->findChild<QPushButton*>("CmdOK")->click();
    test::onModal("FrmPsyDaW", [](QWidget* s) { pressExit(static_cast<QDialog*>(s)); });
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
