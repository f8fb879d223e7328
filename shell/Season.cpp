#include "shell/Season.h"

#include <QDir>

#include "files/FileBrowser.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"

namespace aeriton::shell {

void applySeasonChoice(StudyState& s, Season season) {
  s.CoolingProcess = season == Season::Summer;
  s.HeatingProcess = season == Season::Winter;
}

Season seasonOfFlags(const StudyState& s) {
  if (s.CoolingProcess) return Season::Summer;
  if (s.HeatingProcess) return Season::Winter;
  return Season::None;
}

QString readRememberedFolder() {
  return files::readRememberedFolderFile().folder;
}

bool ensureRememberedFolderFile(QString* error, bool* repaired) {
  if (repaired) *repaired = false;
  const files::RememberedFolderFile remembered = files::readRememberedFolderFile();
  if (!remembered.folder.isEmpty()) return true;
  const QString studies = appfolder::folder() + QString::fromLatin1(kStudyFolderName) + '/';
  // The folder is only a starting point for the file dialog: failing to create
  // it is not worth stopping for, the dialog copes with a missing folder.
  QDir().mkpath(studies + QString::fromLatin1(kStudyFilesFolderName));
  RecordWriter w;
  w.str(studies).endLine();
  if (!writeFileAtomically(appfolder::path(QString::fromLatin1(kRememberedFolderFile)), w.bytes(),
                           error))
    return false;
  if (repaired) *repaired = remembered.damaged;
  return true;
}

}  // namespace aeriton::shell
