#include "study/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace aeriton {
namespace {

struct Folders {
  QString program;       // set by setProgramFolder/setFolder, else empty
  QString working;       // set by setFolder, else empty
  QString foundWorking;  // the working folder found for the executable, once
};

Folders& folders() {
  static Folders f;
  return f;
}

QString executableFolder() {
  QString dir =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QStringLiteral(".");
  return appendBackslash(dir);
}

QString userDataFolder() {
  // Needs the application name (set by the program's entry) to name the folder.
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return dir.isEmpty() ? QString() : appendBackslash(dir);
}

// Whether a new file can be created in the folder: the one test that answers
// for permissions, access lists and read-only mounts alike.
bool canCreateFiles(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(folder + QStringLiteral(".aeriton-write-test-XXXXXX"));
  return probe.open();  // removed again when probe goes
}

}  // namespace

namespace appfolder {

QString chooseWorkingFolder(const QString& programFolder, const QString& userFolder) {
  if (canCreateFiles(programFolder)) return programFolder;
  if (!userFolder.isEmpty() && QDir().mkpath(userFolder) && canCreateFiles(userFolder))
    return userFolder;
  return programFolder;
}

QString programFolder() {
  if (!folders().program.isEmpty()) return folders().program;
  return executableFolder();
}

void setProgramFolder(const QString& folder) {
  folders().program = folder.isEmpty() ? QString() : appendBackslash(folder);
}

QString folder() {
  Folders& f = folders();
  if (!f.working.isEmpty()) return f.working;
  if (!f.program.isEmpty()) return f.program;
  // Found once per run: the answer must not change while files are open.
  if (f.foundWorking.isEmpty())
    f.foundWorking = chooseWorkingFolder(executableFolder(), userDataFolder());
  return f.foundWorking;
}

void setFolder(const QString& folder) {
  const QString dir = folder.isEmpty() ? QString() : appendBackslash(folder);
  folders().working = dir;
  folders().program = dir;
}

QString path(const QString& name) {
  return folder() + name;
}

QString deliveredPath(const QString& name) {
  if (separateWorkingFolder()) {
    const QString own = path(name);
    if (fileExists(own)) return own;
  }
  return programFolder() + name;
}

bool separateWorkingFolder() {
  return QDir::cleanPath(folder()) != QDir::cleanPath(programFolder());
}

}  // namespace appfolder

QString appendBackslash(const QString& folder) {
  if (folder.endsWith('/') || folder.endsWith('\\')) return folder;
  return folder + '/';
}

bool fileExists(const QString& path, int64_t* length) {
  if (path.isEmpty()) return false;
  QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return false;
  if (length) *length = info.size();
  return true;
}

const QStringList& temporaryFileNames() {
  static const QStringList names = {"PRNFILE.@@@", "PSY_SPA.TMP", "PSY_DAT.TMP",   "PSY_RES.TMP",
                                    "PSY_VEE.TMP", "AERITON.TMP", "SUM_KCALH.tmp", "PSDATA.TMP",
                                    "RESULTS.@@@", "RS.DRL",      "RS.RND",        "Ownerships.own",
                                    "~UNDO.UDO"};
  return names;
}

void removeTemporaryFiles() {
  for (const QString& name : temporaryFileNames()) QFile::remove(appfolder::path(name));
}

}  // namespace aeriton
