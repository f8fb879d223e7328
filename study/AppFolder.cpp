#include "study/AppFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace aeriton {
namespace {
QString& overrideFolder() {
  static QString folder;
  return folder;
}
}  // namespace

namespace appfolder {

QString folder() {
  if (!overrideFolder().isEmpty()) return overrideFolder();
  QString dir =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QStringLiteral(".");
  return appendBackslash(dir);
}

void setFolder(const QString& folder) {
  overrideFolder() = folder.isEmpty() ? QString() : appendBackslash(folder);
}

QString path(const QString& name) {
  return folder() + name;
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
