#include "files/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "files/FileData.h"
#include "study/AppFolder.h"
#include "study/Cp1253.h"

namespace aeriton::files {
namespace {

QString recentPath() {
  return appfolder::path(kRecentFilesName);
}

// The raw lines of the file (without their line ends).
std::vector<QByteArray> rawLines(const QByteArray& bytes) {
  std::vector<QByteArray> lines;
  const int n = static_cast<int>(bytes.size());
  int start = 0;
  int i = 0;
  while (i < n) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.push_back(bytes.mid(start, i - start));
      if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < n) lines.push_back(bytes.mid(start));
  return lines;
}

QByteArray readRecentBytes(bool* ok) {
  QFile file(recentPath());
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxRecentFilesBytes) {
    *ok = false;
    return QByteArray();
  }
  *ok = true;
  return file.readAll();
}

QString entryOfLine(const QByteArray& raw) {
  QString text = fromCp1253(raw).trimmed();
  if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
    text = text.mid(1, text.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
  return text.trimmed();
}

// Renames `from` over `to` in one step: the list is never missing, even for a
// moment, and never half-written.
bool replaceFile(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
  const QString f = QDir::toNativeSeparators(from), t = QDir::toNativeSeparators(to);
  return MoveFileExW(reinterpret_cast<LPCWSTR>(f.utf16()), reinterpret_cast<LPCWSTR>(t.utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

}  // namespace

bool recentFilesExist() {
  return fileExists(recentPath());
}

std::vector<RecentEntry> readRecentFiles() {
  std::vector<RecentEntry> out;
  bool ok = false;
  const QByteArray bytes = readRecentBytes(&ok);
  if (!ok) return out;
  const auto lines = rawLines(bytes);
  for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
    const QString path = entryOfLine(lines[k]);
    if (path.isEmpty()) continue;
    out.push_back({path, k});
  }
  return out;
}

QString recentListLine(const QString& path) {
  const FileData d = splitPath(path);
  QString line = d.fileName.leftJustified(kRecentNameWidth, ' ');
  if (!d.drive.isEmpty()) line += d.drive + ':';
  line += d.folder + d.separator;
  return line;
}

LoadSeason loadStudySeason(const QString& path) {
  const QString ext = path.right(4).toUpper();
  if (ext == ".KLD") return LoadSeason::Summer;
  if (ext == ".XLD") return LoadSeason::Winter;
  return LoadSeason::Unknown;
}

bool removeRecentFile(int index, QString* error) {
  const auto entries = readRecentFiles();
  if (index < 0 || index >= static_cast<int>(entries.size())) {
    if (error) *error = QStringLiteral("no such entry");
    return false;
  }
  bool ok = false;
  const QByteArray bytes = readRecentBytes(&ok);
  if (!ok) {
    if (error) *error = QStringLiteral("cannot read the list");
    return false;
  }
  const auto lines = rawLines(bytes);
  QByteArray kept;
  for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
    if (k == entries[index].line) continue;
    kept += lines[k];
    kept += "\r\n";
  }
  // The scratch copy "RecentFiles.@@@" is written whole, then renamed over the
  // list, so that the companion program never finds it half-written or missing.
  const QString scratch = appfolder::path(kRecentScratchName);
  QFile copy(scratch);
  if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(kept) != kept.size() ||
      !copy.flush()) {
    if (error) *error = copy.errorString();
    copy.close();
    QFile::remove(scratch);
    return false;
  }
  copy.close();
  if (!replaceFile(scratch, recentPath())) {
    if (error) *error = QStringLiteral("cannot replace the list");
    QFile::remove(scratch);
    return false;
  }
  return true;
}

}  // namespace aeriton::files
