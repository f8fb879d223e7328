#pragma once
// The sequential record text format of the program's files and exchange files.
//
// One record per line, fields separated by commas, strings in double quotes,
// numbers in their shortest decimal form with "." as decimal point (singles with
// single-precision significance, no leading zero: 0.5 -> ".5", 1e-5 -> "1E-05"),
// integers without a point, lines ended by CR LF. Text is stored in Windows-1253.
// A double quote inside a string is written doubled ("") so that titles with
// quotes come back intact.
//
// The reader is tolerant: fields may be split by commas or line ends, numbers
// may be written as 12.5, .5, -.5, 1E-05, 1D+03, and quoted strings may hold
// commas.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace aeriton {

// Shortest text of a single with 7 significant digits, as the files store it.
QByteArray formatSingle(float value);
// Shortest text of a double with 15 significant digits.
QByteArray formatDouble(double value);

class RecordWriter {
 public:
  RecordWriter& str(const QString& text);
  RecordWriter& single(float value);
  RecordWriter& dbl(double value);
  RecordWriter& integer(long long value);
  // Ends the current record with CR LF.
  RecordWriter& endLine();

  const QByteArray& bytes() const { return buffer_; }
  // Numbers that were NaN or infinite (written as 0, which no reader can tell
  // from a real 0): a writer of results checks this before the file is used.
  int nonFiniteCount() const { return nonFinite_; }

 private:
  void separate();
  QByteArray buffer_;
  bool lineStart_ = true;
  int nonFinite_ = 0;
};

struct RecordField {
  QByteArray raw;  // unquoted bytes of the field (quotes removed, "" undoubled)
  bool quoted = false;
  int line = 0;  // 1-based line the field stands on
};

// Splits a record file into fields and hands them out in order.
class RecordReader {
 public:
  explicit RecordReader(const QByteArray& bytes);

  // Reads a whole file; nullopt (with *error set) when it cannot be read.
  static std::optional<RecordReader> fromFile(const QString& path, QString* error = nullptr);

  bool atEnd() const { return next_ >= fields_.size(); }
  // Line of the next field (or one past the last line at the end).
  int line() const;
  size_t fieldCount() const { return fields_.size(); }
  const std::vector<RecordField>& fields() const { return fields_; }
  // Fields of every line in turn (blank lines skipped).
  std::vector<std::vector<RecordField>> lines() const;

  // Each returns false (and leaves the output unchanged) when the input has run
  // out or the field is not of the requested kind.
  bool readString(QString& out);
  bool readSingle(float& out);
  bool readDouble(double& out);
  bool readInt(int& out);

  // Number of fields consumed so far.
  size_t position() const { return next_; }

 private:
  std::vector<RecordField> fields_;
  size_t next_ = 0;
};

// Parses a number field ("12.5", ".5", "-.5", "1E-05", "", "#TRUE#") strictly:
// nullopt when the text is not a number.
std::optional<double> parseRecordNumber(const QByteArray& field);

}  // namespace aeriton
