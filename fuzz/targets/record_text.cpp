// The record text reader under any bytes: every field splits, every number
// either parses to a finite value or is refused, a single written back reads
// back as the same single to seven digits, and a record written from what was read splits
// into the same fields again.

#include <cfloat>
#include <cmath>

#include "FuzzSupport.h"
#include "study/Cp1253.h"
#include "study/RecordText.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input = fuzz::bytesOf(data, size);
  RecordReader reader(input);

  int lastLine = 1;
  RecordWriter again;
  int againLine = 1;
  std::vector<QString> strings;
  for (const RecordField& f : reader.fields()) {
    // Lines count up from 1 and never go back.
    FUZZ_CHECK(f.line >= lastLine);
    lastLine = f.line;
    // A field never holds a line end: records are one line each.
    FUZZ_CHECK(!f.raw.contains('\r') && !f.raw.contains('\n'));

    if (const auto v = parseRecordNumber(f.raw)) {
      FUZZ_CHECK(std::isfinite(*v));
      if (std::fabs(*v) <= FLT_MAX) {
        const float single = static_cast<float>(*v);
        const QByteArray text = formatSingle(single);
        const auto back = parseRecordNumber(text);
        FUZZ_CHECK(back.has_value());
        // Seven significant digits bring a single back to within half a unit
        // of its seventh digit.
        const double backValue = static_cast<double>(static_cast<float>(*back));
        FUZZ_CHECK(std::fabs(backValue - single) <= 1e-6 * std::fabs(single) + 1e-44);
      }
      FUZZ_CHECK(parseRecordNumber(formatDouble(*v)).has_value());
    }

    // The same record written again: strings quoted, the rest as they were.
    while (againLine < f.line) {
      again.endLine();
      ++againLine;
    }
    if (f.quoted) {
      const QString text = fromCp1253(f.raw);
      again.str(text);
      strings.push_back(text);
    } else if (const auto v = parseRecordNumber(f.raw); v && std::fabs(*v) <= FLT_MAX) {
      again.single(static_cast<float>(*v));
    } else {
      again.str(QString());
      strings.push_back(QString());
    }
  }
  again.endLine();

  RecordReader back(again.bytes());
  FUZZ_CHECK(back.fieldCount() == reader.fieldCount());
  size_t nextString = 0;
  for (size_t k = 0; k < back.fieldCount(); ++k) {
    const RecordField& f = back.fields()[k];
    FUZZ_CHECK(f.line == reader.fields()[k].line);
    if (!f.quoted) continue;
    FUZZ_CHECK(nextString < strings.size());
    // Text the code page cannot hold comes back as '?', the rest unchanged.
    FUZZ_CHECK(f.raw == toCp1253(strings[nextString]));
    ++nextString;
  }

  // The typed reads consume exactly the fields they accept.
  RecordReader typed(input);
  size_t guard = 0;
  while (!typed.atEnd() && guard++ < 100000) {
    const size_t before = typed.position();
    QString s;
    float f = 0;
    int i = 0;
    double d = 0;
    const bool read =
        typed.readInt(i) || typed.readSingle(f) || typed.readDouble(d) || typed.readString(s);
    FUZZ_CHECK(read);
    FUZZ_CHECK(typed.position() == before + 1);
    FUZZ_CHECK(std::isfinite(f) && std::isfinite(d));
  }
  return 0;
}
