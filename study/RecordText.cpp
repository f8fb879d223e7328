#include "study/RecordText.h"

#include <QFile>
#include <charconv>
#include <cmath>
#include <system_error>

#include "study/Cp1253.h"

namespace aeriton {
namespace {

// The shortest text for a number of significant digits, as printf's %G gives
// it in the C locale: trailing zeros dropped, exponent form below 1E-04 and
// from 10^digits on, at least two exponent digits. std::to_chars is that
// conversion without the C library's locale, so a Greek user's decimal comma
// never reaches a file. The files drop the leading zero of a fraction.
QByteArray formatGeneral(double value, int digits) {
  if (std::isnan(value) || std::isinf(value)) return "0";
  char buf[64];
  const auto out = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
  if (out.ec != std::errc()) return "0";
  QByteArray text(buf, static_cast<int>(out.ptr - buf));
  const int e = text.indexOf('e');
  if (e >= 0) text[e] = 'E';
  if (text == "-0") text = "0";
  if (text.startsWith("0."))
    text.remove(0, 1);
  else if (text.startsWith("-0."))
    text.remove(1, 1);
  return text;
}

}  // namespace

QByteArray formatSingle(float value) {
  return formatGeneral(static_cast<double>(value), 7);
}
QByteArray formatDouble(double value) {
  return formatGeneral(value, 15);
}

void RecordWriter::separate() {
  if (!lineStart_) buffer_.append(',');
  lineStart_ = false;
}

RecordWriter& RecordWriter::str(const QString& text) {
  separate();
  QByteArray bytes = toCp1253(text);
  bytes.replace("\"", "\"\"");
  buffer_.append('"').append(bytes).append('"');
  return *this;
}

RecordWriter& RecordWriter::single(float value) {
  separate();
  if (!std::isfinite(value)) ++nonFinite_;
  buffer_.append(formatSingle(value));
  return *this;
}

RecordWriter& RecordWriter::dbl(double value) {
  separate();
  if (!std::isfinite(value)) ++nonFinite_;
  buffer_.append(formatDouble(value));
  return *this;
}

RecordWriter& RecordWriter::integer(long long value) {
  separate();
  buffer_.append(QByteArray::number(value));
  return *this;
}

RecordWriter& RecordWriter::endLine() {
  buffer_.append("\r\n");
  lineStart_ = true;
  return *this;
}

RecordReader::RecordReader(const QByteArray& bytes) {
  const int n = bytes.size();
  int i = 0;
  int line = 1;
  auto isEol = [&](int k) { return k < n && (bytes[k] == '\r' || bytes[k] == '\n'); };
  auto skipEol = [&]() {
    // CR LF, LF or CR each end one line.
    if (i < n && bytes[i] == '\r') ++i;
    if (i < n && bytes[i] == '\n') ++i;
    ++line;
  };
  while (i < n) {
    // Start of a field: skip blanks.
    while (i < n && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
    if (i >= n) break;
    if (isEol(i)) {  // blank line, or a line ended right after a comma
      skipEol();
      continue;
    }
    RecordField field;
    field.line = line;
    if (bytes[i] == '"') {
      field.quoted = true;
      ++i;
      while (i < n) {
        if (bytes[i] == '"') {
          if (i + 1 < n && bytes[i + 1] == '"') {
            field.raw.append('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        if (isEol(i)) break;  // an unterminated string ends with its line
        field.raw.append(bytes[i]);
        ++i;
      }
      // Anything between the closing quote and the separator is ignored.
      while (i < n && bytes[i] != ',' && !isEol(i)) ++i;
    } else {
      int start = i;
      while (i < n && bytes[i] != ',' && !isEol(i)) ++i;
      field.raw = bytes.mid(start, i - start).trimmed();
    }
    fields_.push_back(field);
    if (i < n && bytes[i] == ',') {
      ++i;
      // A comma followed by the end of its line closes an empty field only
      // when nothing else follows; the writer never produces it.
    } else if (isEol(i)) {
      skipEol();
    }
  }
}

std::optional<RecordReader> RecordReader::fromFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  return RecordReader(bytes);
}

int RecordReader::line() const {
  if (next_ < fields_.size()) return fields_[next_].line;
  return fields_.empty() ? 1 : fields_.back().line + 1;
}

std::vector<std::vector<RecordField>> RecordReader::lines() const {
  std::vector<std::vector<RecordField>> out;
  int current = -1;
  for (const auto& f : fields_) {
    if (f.line != current) {
      out.emplace_back();
      current = f.line;
    }
    out.back().push_back(f);
  }
  return out;
}

std::optional<double> parseRecordNumber(const QByteArray& raw) {
  QByteArray t = raw.trimmed();
  if (t.isEmpty()) return 0.0;
  if (t.compare("#TRUE#", Qt::CaseInsensitive) == 0) return -1.0;
  if (t.compare("#FALSE#", Qt::CaseInsensitive) == 0) return 0.0;
  // Grammar: [+-] digits [. digits] [(E|D) [+-] digits], at least one digit
  // in the mantissa.
  int i = 0;
  const int n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  int digits = 0;
  while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  if (i < n && t[i] == '.') {
    ++i;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
    t[i] = 'E';
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    int expDigits = 0;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  bool ok = false;
  double v = t.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

bool RecordReader::readString(QString& out) {
  if (atEnd()) return false;
  out = fromCp1253(fields_[next_++].raw);
  return true;
}

bool RecordReader::readDouble(double& out) {
  if (atEnd()) return false;
  const RecordField& f = fields_[next_];
  if (f.quoted) return false;
  auto v = parseRecordNumber(f.raw);
  if (!v) return false;
  out = *v;
  ++next_;
  return true;
}

bool RecordReader::readSingle(float& out) {
  double d = 0;
  if (atEnd()) return false;
  size_t keep = next_;
  if (!readDouble(d)) return false;
  if (std::fabs(d) > 3.4e38) {
    next_ = keep;
    return false;
  }
  out = static_cast<float>(d);
  return true;
}

bool RecordReader::readInt(int& out) {
  double d = 0;
  if (atEnd()) return false;
  size_t keep = next_;
  if (!readDouble(d)) return false;
  if (d < -2147483648.0 || d > 2147483647.0) {
    next_ = keep;
    return false;
  }
  // Integers read from a number with a fraction round like the runtime did.
  out = static_cast<int>(std::lround(d));
  return true;
}

}  // namespace aeriton
