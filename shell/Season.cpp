#include "shell/Season.h"

#include <QDir>

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
  const QString path = appfolder::path(QString::fromLatin1(kRememberedFolderFile));
  auto reader = RecordReader::fromFile(path);
  if (!reader) return QString();
  QString folder;
  if (!reader->readString(folder)) return QString();
  return folder.trimmed();
}

bool ensureRememberedFolderFile(QString* error) {
  if (!readRememberedFolder().isEmpty()) return true;
  const QString studies = appfolder::folder() + QString::fromLatin1(kStudyFolderName) + '/';
  // The folder is only a starting point for the file dialog: failing to create
  // it is not worth stopping for, the dialog copes with a missing folder.
  QDir().mkpath(studies + QString::fromLatin1(kStudyFilesFolderName));
  RecordWriter w;
  w.str(studies).endLine();
  return writeFileAtomically(appfolder::path(QString::fromLatin1(kRememberedFolderFile)), w.bytes(),
                             error);
}

}  // namespace aeriton::shell
