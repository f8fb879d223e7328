#include "shell/ui/StartupController.h"

#include <QDialog>
#include <QPointer>

#include "engine/NumberEntry.h"
#include "shell/ProgramInfo.h"
#include "shell/ui/FrmSeason.h"
#include "shell/ui/FrmTitle.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"

namespace aeriton::shell {

StartupController::StartupController(StartupOptions options)
    : options_(std::move(options)), guard_(options_.lockPath) {}

int StartupController::run() {
  if (!checkSingleInstance()) return 1;
  detectNumberSeparators();
  if (options_.showTitleWindow) showTitleWindow();
  recordInRegistry();
  removeLeftoverFiles();
  const Season season = chooseSeason();
  if (season != Season::None) runDataScreens(season);
  removeTemporaryFiles();
  guard_.release();
  return 0;
}

bool StartupController::checkSingleInstance() {
  if (guard_.acquire()) return true;
  showMessage(secondInstanceMessage());
  return false;
}

void StartupController::detectNumberSeparators() {
  setSeparators(detectSeparators(options_.locale));
}

void StartupController::showTitleWindow() {
  FrmTitle window;
  window.exec();
}

RegistryOutcome StartupController::recordInRegistry() {
  const RegistryEntry entry{QString::fromLatin1(kProgramName),
                            registryFolderText(appfolder::programFolder()),
                            registryExecutableName()};
  // A registry the user may not write (a file in the root of the system drive
  // on a current Windows) is no reason to refuse to start: it is skipped.
  registry_ = registerProgram(registryPath(), entry);
  return registry_;
}

void StartupController::removeLeftoverFiles() {
  removeTemporaryFiles();
}

Season StartupController::chooseSeason() {
  for (int round = 0; round < kMaxSeasonRounds; ++round) {
    ++seasonWindows_;
    Season season = options_.chooseSeason ? options_.chooseSeason() : runSeasonWindow();
    applySeasonChoice(study(), season);
    if (season != Season::None) return season;
    const MsgAnswer answer = showMessage(exitConfirmMessage());
    study().UserAnswer.clear();
    if (answer == MsgAnswer::Yes) return Season::None;
  }
  return Season::None;
}

void StartupController::runDataScreens(Season first) {
  Season season = first;
  for (int round = 0; round < kMaxSeasonRounds && season != Season::None; ++round) {
    takeDataScreenExit();
    study().FirstEntry = true;
    QPointer<QDialog> screen = createDataScreen(season, nullptr);
    ++dataScreens_;
    setCurrentSeason(season);
    setCurrentDataScreen(screen);
    screen->exec();
    setCurrentDataScreen(nullptr);
    setCurrentSeason(Season::None);
    delete screen.data();
    if (takeDataScreenExit() != DataScreenExit::ChangeSeason) return;
    season = chooseSeason();
  }
}

}  // namespace aeriton::shell
