#include "shell/ui/StartupController.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include "engine/NumberEntry.h"
#include "shell/ProgramInfo.h"
#include "shell/ui/FrmSeason.h"
#include "shell/ui/FrmTitle.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
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
  checkProgramFolder();
  const Season season = chooseSeason();
  if (season != Season::None) runDataScreens(season);
  removeTemporaryFiles();
  guard_.release();
  return 0;
}

bool StartupController::checkSingleInstance() {
  if (!guard_.acquire()) {
    showMessage(secondInstanceMessage());
    return false;
  }
  if (guard_.withoutLock())
    showMessage(
        noInstanceLockMessage(QDir::toNativeSeparators(guard_.lockPath()), guard_.lockError()));
  return true;
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
  QString error;
  registry_ = registerProgram(registryPath(), entry, &error);
  if (registry_ == RegistryOutcome::Skipped)
    showMessage(registryNotWrittenMessage(QDir::toNativeSeparators(registryPath()), error));
  return registry_;
}

void StartupController::removeLeftoverFiles() {
  removeTemporaryFiles();
}

bool StartupController::checkProgramFolder() {
  // Every calculation writes "PSY_DAT.TMP" and "PSY_RES.TMP" here, and a study
  // opens through "PSY_RES.TMP": a folder that takes no file (a read-only
  // installation, a full disk) is better named now than at the first
  // calculation. The probe is one of the program's own temporary files.
  const QString probe = appfolder::path(QStringLiteral("AERITON.TMP"));
  QString reason;
  const bool written = writeFileAtomically(probe, QByteArray("Aeriton\r\n"), &reason);
  if (written) QFile::remove(probe);
  // A leftover that could not be removed (a folder in place of an exchange
  // file) blocks the calculations just as well.
  QStringList blocked;
  for (const QString& name : temporaryFileNames())
    if (QFileInfo::exists(appfolder::path(name))) blocked << name;
  if (written && blocked.isEmpty()) return true;
  if (!blocked.isEmpty())
    reason = QStringLiteral("δεν αφαιρούνται: %1").arg(blocked.join(QStringLiteral(", ")));
  showMessage(
      programFolderNotWritableMessage(QDir::toNativeSeparators(appfolder::folder()), reason));
  return false;
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
