#include "study/FixedRecordFile.h"

#include "study/Cp1253.h"

namespace aeriton {

FixedRecordFile::FixedRecordFile(const QString& path, int recordLength)
    : file_(path), length_(recordLength > 0 ? recordLength : 1) {}

bool FixedRecordFile::open(bool readOnly) {
  return file_.open(readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite);
}

int FixedRecordFile::recordCount() const {
  return static_cast<int>(file_.size() / length_);
}

bool FixedRecordFile::read(int n, QByteArray& record) {
  if (n < 1 || n > recordCount()) return false;
  if (!file_.seek(static_cast<qint64>(n - 1) * length_)) return false;
  QByteArray bytes = file_.read(length_);
  if (bytes.size() != length_) return false;
  record = bytes;
  return true;
}

bool FixedRecordFile::write(int n, const QByteArray& record) {
  if (n < 1 || n > recordCount() + 1) return false;
  QByteArray bytes = record.left(length_);
  if (bytes.size() < length_) bytes.append(QByteArray(length_ - bytes.size(), ' '));
  if (!file_.seek(static_cast<qint64>(n - 1) * length_)) return false;
  if (file_.write(bytes) != length_) return false;
  return file_.flush();
}

namespace fixedrec {

QByteArray text(const QString& value, int width) {
  QByteArray bytes = toCp1253(value).left(width);
  if (bytes.size() < width) bytes.append(QByteArray(width - bytes.size(), ' '));
  return bytes;
}

QString readText(const QByteArray& record, int offset, int width) {
  QByteArray bytes = record.mid(offset, width);
  int end = bytes.size();
  while (end > 0 && (bytes[end - 1] == ' ' || bytes[end - 1] == '\0')) --end;
  return fromCp1253(bytes.left(end));
}

void putInt16(QByteArray& record, int offset, int16_t value) {
  if (record.size() < offset + 2) record.resize(offset + 2, ' ');
  const auto u = static_cast<uint16_t>(value);
  record[offset] = static_cast<char>(u & 0xFF);
  record[offset + 1] = static_cast<char>(u >> 8);
}

int16_t getInt16(const QByteArray& record, int offset) {
  if (record.size() < offset + 2) return 0;
  const auto lo = static_cast<uint8_t>(record[offset]);
  const auto hi = static_cast<uint8_t>(record[offset + 1]);
  return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

}  // namespace fixedrec
}  // namespace aeriton
