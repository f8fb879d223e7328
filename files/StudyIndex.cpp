#include "files/StudyIndex.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/FileData.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/FixedRecordFile.h"
#include "study/RecordText.h"

namespace aeriton::files {

QStringList studyFiles(const QString& folder, const QString& pattern) {
  QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return {};
  dir.setNameFilters({pattern});
  // Name filters of QDir ignore case unless told otherwise.
  dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  return dir.entryList();
}

QString readStudyTitle(const QString& studyPath, const QString& companionExt, bool* found) {
  if (found) *found = false;
  if (companionExt.isEmpty()) return QString();
  const QString path = findExistingFile(replaceLastFour(studyPath, companionExt));
  if (path.isEmpty()) return QString();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  // The title is the first field of a two-line file: what lies beyond the
  // first few kilobytes of a file in a listed folder is never read into
  // memory, however large the file.
  RecordReader reader(file.read(kMaxTitleFileBytes));
  QString title;
  if (!reader.atEnd()) reader.readString(title);
  if (found) *found = true;
  return title.trimmed();
}

namespace {

// A title as the list shows it: control characters (a damaged title file, NUL
// bytes the record reader would take for padding) become blanks, and the
// blanks at either end go.
QString listedTitle(const QString& title) {
  QString t = title;
  for (QChar& c : t)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
  return t.trimmed();
}

}  // namespace

QByteArray studyRecordBytes(const StudyRecord& r) {
  QByteArray rec(kStudyRecordLength, ' ');
  fixedrec::putInt16(rec, kIndexOffset, static_cast<int16_t>(r.index));
  rec.replace(kTitleOffset, kTitleWidth, fixedrec::text(listedTitle(r.title), kTitleWidth));
  rec.replace(kFolderOffset, kFolderWidth, fixedrec::text(r.folder, kFolderWidth));
  rec.replace(kFileNameOffset, kFileNameWidth, fixedrec::text(r.fileName, kFileNameWidth));
  rec.replace(kDateOffset, kDateWidth, fixedrec::text(r.date, kDateWidth));
  rec.replace(kTimeOffset, kTimeWidth, fixedrec::text(r.time, kTimeWidth));
  return rec;
}

int MakeCurrentStudiesFile(const QString& folder, const QString& pattern, QString* error) {
  const QString companion = companionExtension(pattern);
  const QString dirPath = appendBackslash(folder);
  const QStringList names = studyFiles(folder, pattern);
  QByteArray bytes;
  int k = 0;
  for (const QString& name : names) {
    if (k >= kMaxStudies) break;
    ++k;
    StudyRecord r;
    r.index = k;
    r.folder = dirPath;
    r.fileName = name;
    r.title = readStudyTitle(dirPath + name, companion);
    const QDateTime stamp = QFileInfo(dirPath + name).lastModified();
    r.date = stamp.toString(QStringLiteral("dd/MM/yyyy"));
    r.time = stamp.toString(QStringLiteral("HH:mm:ss"));
    bytes += studyRecordBytes(r);
  }
  // The index is written whole or not at all: the list never shows a half file.
  if (!writeFileAtomically(appfolder::path(kStudiesFileName), bytes, error)) return -1;
  return k;
}

std::vector<StudyRecord> readStudiesFile() {
  std::vector<StudyRecord> out;
  QFile file(appfolder::path(kStudiesFileName));
  if (!file.open(QIODevice::ReadOnly)) return out;
  const QByteArray bytes = file.readAll();
  const int count = static_cast<int>(bytes.size() / kStudyRecordLength);
  for (int n = 0; n < count; ++n) {
    const QByteArray rec =
        bytes.mid(static_cast<qsizetype>(n) * kStudyRecordLength, kStudyRecordLength);
    StudyRecord r;
    r.index = fixedrec::getInt16(rec, kIndexOffset);
    r.title = fixedrec::readText(rec, kTitleOffset, kTitleWidth);
    r.folder = fixedrec::readText(rec, kFolderOffset, kFolderWidth);
    r.fileName = fixedrec::readText(rec, kFileNameOffset, kFileNameWidth);
    r.date = fixedrec::readText(rec, kDateOffset, kDateWidth);
    r.time = fixedrec::readText(rec, kTimeOffset, kTimeWidth);
    out.push_back(r);
  }
  return out;
}

QString studyListLine(int number, const QString& title) {
  return QStringLiteral("(%1.) %2").arg(number, 4, 10, QChar('0')).arg(title.trimmed());
}

}  // namespace aeriton::files
