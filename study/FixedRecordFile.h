#pragma once
// Random-access files of fixed-length records: text fields are single-byte
// (Windows-1253) and padded with spaces, integers are 16-bit little-endian.
// Record numbers start at 1; the record count is the file length divided by the
// record length.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace aeriton {

class FixedRecordFile {
 public:
  FixedRecordFile(const QString& path, int recordLength);

  // Opens for reading and writing, creating the file when missing. With
  // readOnly the file must exist.
  bool open(bool readOnly = false);
  QString errorString() const { return file_.errorString(); }
  void close() { file_.close(); }

  int recordLength() const { return length_; }
  int recordCount() const;

  // Reads record n (1-based); false when it lies past the end of the file.
  bool read(int n, QByteArray& record);
  // Writes record n (1-based), padding or cutting the bytes to the record
  // length; n may be one past the last record to append.
  bool write(int n, const QByteArray& record);

 private:
  QFile file_;
  int length_;
};

namespace fixedrec {
// Text padded with spaces (or cut) to width bytes, in Windows-1253.
QByteArray text(const QString& value, int width);
// The text field at offset, trailing spaces and NULs removed.
QString readText(const QByteArray& record, int offset, int width);
void putInt16(QByteArray& record, int offset, int16_t value);
int16_t getInt16(const QByteArray& record, int offset);
}  // namespace fixedrec

}  // namespace aeriton
