#include "register/ClientRegister.h"

#include <QFile>
#include <QSaveFile>

#include "register/Scramble.h"
#include "study/AppFolder.h"
#include "study/Cp1253.h"
#include "study/FixedRecordFile.h"

namespace aeriton::designer {
namespace {

QByteArray padded(const QString& text, int width) {
  return fixedrec::text(text, width);  // Windows-1253, cut or space-padded
}

bool allSpaces(const QByteArray& bytes, int from = 0) {
  for (int i = from; i < bytes.size(); ++i)
    if (bytes[i] != ' ') return false;
  return true;
}

QByteArray trimSpaces(const QByteArray& bytes) {
  int begin = 0, end = static_cast<int>(bytes.size());
  while (begin < end && bytes[begin] == ' ') ++begin;
  while (end > begin && bytes[end - 1] == ' ') --end;
  return bytes.mid(begin, end - begin);
}

// Bytes that no typed name can hold: control characters and the bytes that
// Windows-1253 leaves unassigned.
bool isTextByte(unsigned char b) {
  if (b < 0x20 || b == 0x7F) return false;
  switch (b) {
    case 0x81:
    case 0x88:
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F:
    case 0x90:
    case 0x98:
    case 0x9A:
    case 0x9C:
    case 0x9D:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xD2:
    case 0xFF:
      return false;
    default:
      return true;
  }
}

}  // namespace

QString registerPath() {
  return appfolder::path(QStringLiteral("CLIENTS.ORV"));
}

QByteArray encodeName(const QString& name) {
  return scramble(padded(name.trimmed(), kNameWidth));
}

QByteArray encodePassword(const QString& password) {
  const QString p = password.trimmed();
  if (p.isEmpty()) return QByteArray(kPasswordWidth, ' ');
  return scramble(padded(p, kPasswordWidth));
}

QByteArray encodeRecord(int position, const QString& name, const QString& password) {
  QByteArray record;
  record.reserve(kRecordLength);
  fixedrec::putInt16(record, 0, static_cast<int16_t>(position));
  record.append(encodeName(name));
  record.append(encodePassword(password));
  return record;
}

QByteArray encodeRegister(const RegisterContents& contents) {
  QByteArray bytes;
  bytes.reserve(contents.names.size() * kRecordLength);
  for (int k = 0; k < contents.names.size(); ++k)
    bytes.append(encodeRecord(k + 1, contents.names[k], contents.password));
  return bytes;
}

bool decodeField(const QByteArray& field, QString& text) {
  if (allSpaces(field)) {
    text.clear();
    return true;
  }
  // Length without the plain trailing spaces.
  int used = static_cast<int>(field.size());
  while (used > 0 && field[used - 1] == ' ') --used;
  QByteArray plain = unscramble(field);
  if (!allSpaces(plain, used)) plain = unscramble(field.left(used));
  plain = trimSpaces(plain);
  for (char c : plain)
    if (!isTextByte(static_cast<unsigned char>(c))) return false;
  // Trimmed as the writer trims it: a name padded with no-break spaces (0xA0)
  // must neither look longer than it is nor change when the file is written.
  text = fromCp1253(plain).trimmed();
  return true;
}

ReadResult readRegister(const QString& path) {
  ReadResult result;
  QFile file(path);
  if (!file.exists()) {
    result.status = ReadStatus::Missing;
    return result;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    result.status = ReadStatus::ReadError;
    result.error = file.errorString();
    return result;
  }
  const QByteArray bytes = file.readAll();
  result.length = bytes.size();
  if (file.error() != QFileDevice::NoError) {
    result.status = ReadStatus::ReadError;
    result.error = file.errorString();
    return result;
  }
  if (bytes.size() % kRecordLength != 0) {
    result.status = ReadStatus::BadLength;
    return result;
  }
  const int count = static_cast<int>(bytes.size() / kRecordLength);
  for (int k = 0; k < count; ++k) {
    const QByteArray record = bytes.mid(static_cast<qsizetype>(k) * kRecordLength, kRecordLength);
    QString name;
    bool readable = decodeField(record.mid(kNameOffset, kNameWidth), name);
    if (readable && k == 0)
      readable = decodeField(record.mid(kPasswordOffset, kPasswordWidth), result.contents.password);
    if (!readable) {
      result.status = ReadStatus::Garbage;
      result.badRecord = k + 1;
      result.contents = RegisterContents{};
      return result;
    }
    result.contents.names << name;
  }
  result.status = ReadStatus::Ok;
  return result;
}

bool writeRegister(const QString& path, const RegisterContents& contents, QString* error) {
  QSaveFile file(path);
  const QByteArray bytes = encodeRegister(contents);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}

}  // namespace aeriton::designer
