#include "shell/ProgramRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <algorithm>

#include "study/AppFolder.h"
#include "study/FixedRecordFile.h"

namespace aeriton::shell {
namespace {

QString& overridePath() {
  static QString path;
  return path;
}

// A registry holds a handful of programs. The bound only protects the scan
// from a corrupt multi-gigabyte file: records past it are left alone and the
// program appends nothing rather than scan forever.
constexpr int kMaxRegistryRecords = 100000;

QByteArray recordBytes(const RegistryEntry& e) {
  QByteArray record;
  record.reserve(kRegistryRecordLength);
  record += fixedrec::text(e.name, kRegistryNameWidth);
  record += fixedrec::text(e.folder, kRegistryFolderWidth);
  record += fixedrec::text(e.executable, kRegistryExeWidth);
  return record;
}

}  // namespace

QString registryPath() {
  if (!overridePath().isEmpty()) return overridePath();
#ifdef Q_OS_WIN
  return QStringLiteral("C:/OrvoProgs.log");
#else
  QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (dir.isEmpty()) dir = QDir::homePath();
  return QDir(dir).filePath(QStringLiteral("OrvoProgs.log"));
#endif
}

void setRegistryPath(const QString& path) {
  overridePath() = path;
}

QString registryExecutableName() {
#ifdef Q_OS_WIN
  return QStringLiteral("Aeriton.EXE");
#else
  const QString exe = QCoreApplication::instance()
                          ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                          : QString();
  return exe.isEmpty() ? QStringLiteral("aeriton") : exe;
#endif
}

QString registryFolderText(const QString& folder) {
  return QDir::toNativeSeparators(appendBackslash(folder));
}

RegistryOutcome registerProgram(const QString& path, const RegistryEntry& entry, QString* error) {
  // The shared data folder may not exist yet on a fresh account.
  const QString dir = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(dir)) {
    if (error) *error = QStringLiteral("ο φάκελος %1 δεν μπορεί να δημιουργηθεί").arg(dir);
    return RegistryOutcome::Skipped;
  }
  FixedRecordFile file(path, kRegistryRecordLength);
  if (!file.open()) {
    if (error) *error = file.errorString();
    return RegistryOutcome::Skipped;
  }
  const int count = std::min(file.recordCount(), kMaxRegistryRecords);
  int target = 0;
  QByteArray record;
  for (int n = 1; n <= count; ++n) {
    if (!file.read(n, record)) break;
    if (fixedrec::readText(record, 0, kRegistryNameWidth).trimmed() == entry.name) {
      target = n;
      break;
    }
  }
  RegistryOutcome outcome = RegistryOutcome::Updated;
  if (target == 0) {
    if (file.recordCount() >= kMaxRegistryRecords) {
      if (error) *error = QStringLiteral("το μητρώο είναι υπερβολικά μεγάλο");
      return RegistryOutcome::Skipped;
    }
    target = file.recordCount() + 1;
    outcome = RegistryOutcome::Appended;
  }
  if (!file.write(target, recordBytes(entry))) {
    if (error) *error = file.errorString();
    return RegistryOutcome::Skipped;
  }
  file.close();
  return outcome;
}

QList<RegistryEntry> readRegistry(const QString& path) {
  QList<RegistryEntry> entries;
  FixedRecordFile file(path, kRegistryRecordLength);
  if (!file.open(true)) return entries;
  const int count = std::min(file.recordCount(), kMaxRegistryRecords);
  QByteArray record;
  for (int n = 1; n <= count && file.read(n, record); ++n) {
    entries.append({fixedrec::readText(record, 0, kRegistryNameWidth).trimmed(),
                    fixedrec::readText(record, kRegistryFolderOffset, kRegistryFolderWidth),
                    fixedrec::readText(record, kRegistryExeOffset, kRegistryExeWidth)});
  }
  return entries;
}

}  // namespace aeriton::shell
