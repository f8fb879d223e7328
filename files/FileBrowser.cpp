#include "files/FileBrowser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/FileData.h"
#include "study/AppFolder.h"
#include "study/RecordText.h"
#include "study/StudyState.h"

namespace aeriton::files {
namespace {

QString& remembered() {
  static QString folder;
  return folder;
}

bool isFolder(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

RememberedFolderFile readRememberedFolderFile() {
  RememberedFolderFile out;
  const QFileInfo info(appfolder::path(kDefaultPathFileName));
  if (!info.exists()) return out;
  out.exists = true;
  QFile file(info.absoluteFilePath());
  if (!info.isFile() || info.size() > kMaxRememberedFolderBytes ||
      !file.open(QIODevice::ReadOnly)) {
    out.damaged = true;
    return out;
  }
  RecordReader reader(file.read(kMaxRememberedFolderBytes));
  QString folder;
  if (!reader.readString(folder)) return out;  // empty: no folder remembered yet
  folder = folder.trimmed();
  for (const QChar c : folder) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::ReplacementCharacter) {
      out.damaged = true;
      return out;
    }
  }
  out.folder = folder;
  return out;
}

QString defaultDataFolder() {
  const RememberedFolderFile remembered = readRememberedFolderFile();
  if (remembered.folder.isEmpty())
    return appfolder::path(QString::fromLatin1(kDefaultStudySubfolder) + '/');
  return appendBackslash(remembered.folder);
}

QString defaultStudyFolder() {
  const QString data = defaultDataFolder();
  return data + QString::fromLatin1(kStudyFilesSubfolder) + data.back();
}

QString dialogStartFolder() {
  if (isFolder(remembered())) return appendBackslash(remembered());
  const QString current = study().StudyFileName.trimmed();
  if (!current.isEmpty() && current != QLatin1String("Escape")) {
    const FileData d = splitPath(current);
    QString folder = (d.drive.isEmpty() ? QString() : d.drive + ':') + d.folder;
    if (isFolder(folder)) return appendBackslash(folder);
  }
  if (isFolder(defaultStudyFolder())) return defaultStudyFolder();
  return appfolder::folder();
}

void rememberDialogFolder(const QString& folder) {
  remembered() = folder;
}
void forgetDialogFolder() {
  remembered().clear();
}

QStringList driveList() {
  QStringList out;
  for (const QFileInfo& d : QDir::drives()) out << d.absoluteFilePath();
  if (out.isEmpty()) out << QStringLiteral("/");
  return out;
}

QString driveOf(const QString& path) {
  if (path.size() >= 2 && path[1] == ':') {
    QString d = path.left(3);
    if (d.size() < 3) d += '/';
    d[2] = '/';
    return d;
  }
  return QStringLiteral("/");
}

QStringList subFolders(const QString& folder) {
  QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return {};
  return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString chosenPath(const QString& folder, const QString& typed, const QString& pattern,
                   bool createMode) {
  QString name = typed.trimmed();
  if (name.isEmpty()) return QString();
  const bool hasFolder = lastSeparator(name) > 0 || (name.size() >= 2 && name[1] == ':');
  QString path = hasFolder && QDir::isAbsolutePath(QDir::fromNativeSeparators(name))
                     ? name
                     : appendBackslash(folder) + name;
  const QString ext = patternExtension(pattern);
  if (createMode && !ext.isEmpty() && !ext.contains('*')) path = ensureExtension(path, ext);
  return path;
}

}  // namespace aeriton::files
