#include "files/FileData.h"

#include <QDir>
#include <QFileInfo>

namespace aeriton::files {

int RInstr_Left(const QString& text, const QString& what) {
  if (what.isEmpty()) return 0;
  return static_cast<int>(text.lastIndexOf(what)) + 1;
}

int lastSeparator(const QString& path) {
  return std::max(RInstr_Left(path, QStringLiteral("\\")), RInstr_Left(path, QStringLiteral("/")));
}

FileData splitPath(const QString& path) {
  FileData d;
  d.separator = '\\';
  QString rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    d.drive = rest.left(1);
    rest = rest.mid(2);
  }
  const int sep = lastSeparator(rest);
  if (sep == 0) {
    d.fileName = rest;
    return d;
  }
  d.separator = rest[sep - 1];
  d.folder = rest.left(sep - 1);
  d.fileName = rest.mid(sep);
  return d;
}

QString replaceLastFour(const QString& path, const QString& extension) {
  if (path.size() <= 4) return path + extension;
  return path.left(path.size() - 4) + extension;
}

QString ensureExtension(const QString& name, const QString& extension) {
  if (name.right(4).toUpper() == extension.toUpper()) return name;
  return name + extension.toUpper();
}

QString patternExtension(const QString& pattern) {
  const int dot = static_cast<int>(pattern.lastIndexOf('.'));
  return dot < 0 ? QString() : pattern.mid(dot);
}

QString companionExtension(const QString& pattern) {
  const QString ext = patternExtension(pattern).toUpper();
  if (ext == ".AIR") return QStringLiteral(".TAS");
  if (ext == ".WIR") return QStringLiteral(".TAW");
  return QString();
}

QString findExistingFile(const QString& path) {
  if (path.isEmpty()) return QString();
  QFileInfo info(path);
  if (info.isFile()) return path;
  QDir dir = info.dir();
  if (!dir.exists()) return QString();
  const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& n : names)
    if (n.compare(info.fileName(), Qt::CaseInsensitive) == 0) return dir.filePath(n);
  return QString();
}

}  // namespace aeriton::files
