#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "files/FileBrowser.h"
#include "study/AppFolder.h"
#include "study/MessageService.h"
#include "study/StudyState.h"

namespace aeriton::fuzz {
namespace {

QTemporaryDir& folderHolder() {
  // Lives until the process ends; a run stopped by a finding leaves it behind,
  // which is what one wants to look at then. Study files are committed to the
  // disk as they are saved; a memory file system, where there is one, keeps a
  // million runs short.
  static const QString shm = QStringLiteral("/dev/shm");
  static QTemporaryDir dir(
      (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
      QStringLiteral("/aeriton-fuzz-XXXXXX"));
  return dir;
}

}  // namespace

QString programFolder() {
  static const QString folder = [] {
    QTemporaryDir& dir = folderHolder();
    if (!dir.isValid()) fail(__FILE__, __LINE__, "no temporary folder");
    const QString f = appendBackslash(dir.path());
    appfolder::setFolder(f);
    return f;
  }();
  return folder;
}

void freshStart() {
  const QString folder = programFolder();
  QDir dir(folder);
  const auto entries =
      dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QFileInfo& e : entries) {
    if (e.isDir() && !e.isSymLink())
      QDir(e.absoluteFilePath()).removeRecursively();
    else
      QFile::remove(e.absoluteFilePath());
  }
  appfolder::setFolder(folder);
  resetStudy();
  files::forgetDialogFolder();
  setMessageService(nullptr);
}

QByteArray bytesOf(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString writeProgramFile(const QString& name, const QByteArray& bytes) {
  const QString path = programFolder() + name;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
    fail(__FILE__, __LINE__, "cannot write an input file");
  return path;
}

QByteArray readProgramFile(const QString& name) {
  QFile f(programFolder() + name);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

std::vector<QByteArray> splitParts(const QByteArray& input, int count) {
  std::vector<QByteArray> parts;
  qsizetype from = 0;
  const QByteArray sep(kPartSeparator);
  for (int k = 0; k + 1 < count; ++k) {
    const qsizetype at = input.indexOf(sep, from);
    if (at < 0) break;
    parts.push_back(input.mid(from, at - from));
    from = at + sep.size();
  }
  parts.push_back(input.mid(from));
  while (static_cast<int>(parts.size()) < count) parts.emplace_back();
  return parts;
}

void fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "\n%s:%d: property failed: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}

}  // namespace aeriton::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The user's regional settings, as the program takes them at start: the
  // files must read and write the same under a decimal comma.
  std::setlocale(LC_ALL, "");
  return 0;
}
