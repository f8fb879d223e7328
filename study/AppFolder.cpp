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
  QString foundFor;      // the program folder the working folder was found for
  QString foundWorking;  // and that working folder
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

// The user's own data folder of the program (~/.local/share/Aeriton on Linux),
// named here rather than from the application name, so that the batch
// calculator, which has no application object, finds the same folder.
QString userDataFolder() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return dir.isEmpty() ? QString() : appendBackslash(dir) + QStringLiteral("Aeriton/");
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
  // Found once per program folder: the answer must not change while files
  // are open.
  const QString program = programFolder();
  if (f.foundWorking.isEmpty() || f.foundFor != program) {
    f.foundWorking = chooseWorkingFolder(program, userDataFolder());
    f.foundFor = program;
  }
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
