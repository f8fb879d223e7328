#pragma once
// The designer register file "CLIENTS.ORV": a random-access file of 100-byte
// records, one designer name each, in the program folder.
//
//   bytes  0- 1  record number, 16-bit little-endian: the record's position
//   bytes  2-79  designer name, 78 bytes, Windows-1253, scrambled
//   bytes 80-99  password, 20 bytes, scrambled; only record 1's copy is read,
//                every record written carries the same value
//
// A name is padded with spaces to 78 bytes and the whole field is scrambled,
// so that unscrambling the field gives the name and its padding back and a
// trim leaves the name. The password field of an unprotected register is 20
// plain spaces; a password is padded to 20 bytes and scrambled like a name.
//
// Reading is tolerant of fields written the other way round (the text
// scrambled and then padded with plain spaces): when the plain trailing spaces
// of a field do not unscramble to spaces, they are padding and only the bytes
// before them are unscrambled.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace aeriton::designer {

inline constexpr int kRecordLength = 100;
inline constexpr int kNameOffset = 2;
inline constexpr int kNameWidth = 78;
inline constexpr int kPasswordOffset = 80;
inline constexpr int kPasswordWidth = 20;

// "CLIENTS.ORV" in the program folder.
QString registerPath();

// The contents of a register: its names in record order and its password
// (empty when the register is not protected).
struct RegisterContents {
  QStringList names;
  QString password;
};

// The 78-byte scrambled name field and the 20-byte password field. Text
// beyond the width is cut (the screens never let it get that long).
QByteArray encodeName(const QString& name);
QByteArray encodePassword(const QString& password);
// One record: its position (1-based), name and password.
QByteArray encodeRecord(int position, const QString& name, const QString& password);
// The whole file: record k holds name k, each with the password.
QByteArray encodeRegister(const RegisterContents& contents);

// Unscrambles a name or password field and trims its spaces. False when the
// field does not hold text (control characters or bytes the code page does not
// assign): the mark of a damaged record.
bool decodeField(const QByteArray& field, QString& text);

enum class ReadStatus {
  Ok,         // contents filled (an empty file is an empty register)
  Missing,    // no register file yet
  BadLength,  // the length is not a whole number of records
  Garbage,    // a record does not hold a readable name or password
  ReadError,  // the file exists but cannot be read
};

struct ReadResult {
  ReadStatus status = ReadStatus::Missing;
  RegisterContents contents;
  qint64 length = 0;  // file length in bytes
  int badRecord = 0;  // Garbage: the first unreadable record (1-based)
  QString error;      // ReadError: the system's reason
};

ReadResult readRegister(const QString& path);

// Writes the whole register to a temporary file beside it and renames it over
// the old one, so the old register stays whole until the new one is complete.
// False (and *error set) when it cannot be written; the old file is then left
// as it was.
bool writeRegister(const QString& path, const RegisterContents& contents, QString* error = nullptr);

}  // namespace aeriton::designer
