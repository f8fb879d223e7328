#pragma once
// The program's start-up and its season loop, as one object whose steps tests
// can call one by one:
//   1. refuse a second running copy;
//   2. learn the number separators of the user's locale;
//   3. show the title window;
//   4. record the program in the maker's program registry;
//   5. remove temporary files left by an earlier run, and make sure the
//      program folder can take the exchange files of the calculations;
//   6. ask for the season (with the exit confirmation when none is chosen);
//   7. open the season's data screen, and after a season change go back to 6.

#include <QLocale>
#include <QString>
#include <functional>

#include "shell/InstanceGuard.h"
#include "shell/ProgramRegistry.h"
#include "shell/Season.h"

class QDialog;
class QWidget;

namespace aeriton::shell {

// How a data screen was left.
enum class DataScreenExit {
  None,          // closed by its frame (or never asked): the program ends
  Exit,          // the user chose to leave the program
  ChangeSeason,  // the user chose to change season
};

// Set by the exit-or-change request, read (and cleared) by the start-up after
// the data screen has closed.
DataScreenExit takeDataScreenExit();
void setDataScreenExit(DataScreenExit e);

// The season of the data screen that is open (None when none is).
Season currentSeason();
void setCurrentSeason(Season season);

// The data screen of a season from the installed factories; the shell's
// stand-in screen for a season without one.
QDialog* createDataScreen(Season season, QWidget* parent = nullptr);

struct StartupOptions {
  QString lockPath;  // empty: InstanceGuard::defaultLockPath()
  QLocale locale;    // the user's locale
  bool showTitleWindow = true;
  std::function<Season()> chooseSeason;  // empty: the season window
};

class StartupController {
 public:
  explicit StartupController(StartupOptions options = {});

  // The whole run; returns the program's exit code.
  int run();

  // ---- the steps ---------------------------------------------------------
  // False (after the refusal message) when another copy already runs. When
  // the lock cannot be created at all the program goes on and says so.
  bool checkSingleInstance();
  void detectNumberSeparators();
  void showTitleWindow();
  // A registry that cannot be written is skipped with a notice.
  RegistryOutcome recordInRegistry();
  void removeLeftoverFiles();
  // Writes and removes a probe file in the program folder; false (after a
  // notice naming the folder) when the calculations could not write there.
  bool checkProgramFolder();
  // The season loop: the season window until a season is chosen, or None
  // when the user confirms leaving the program.
  Season chooseSeason();
  // Opens the data screen of the season; after a season change asks again.
  // Returns when the program is to end.
  void runDataScreens(Season first);

  // ---- what happened -------------------------------------------------------
  int seasonWindowsShown() const { return seasonWindows_; }
  int dataScreensOpened() const { return dataScreens_; }
  RegistryOutcome registryOutcome() const { return registry_; }

  // The season loop is driven by the user, one modal window per round; the
  // bound only guarantees an end when the windows cannot be shown at all.
  static constexpr int kMaxSeasonRounds = 1000;

 private:
  StartupOptions options_;
  InstanceGuard guard_;
  int seasonWindows_ = 0;
  int dataScreens_ = 0;
  RegistryOutcome registry_ = RegistryOutcome::Skipped;
};

}  // namespace aeriton::shell
