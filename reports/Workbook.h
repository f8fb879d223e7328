#pragma once
// A report is a workbook template filled cell by cell. Writers (the result
// workbooks, the process diagrams, the two-state calculator) build a CellMap
// from their results and hand it, with the template's name and the output
// mode, to the workbook component; they never touch the workbook file itself.
//
// Cell values are written locale-free: numbers as numbers (the template's own
// number format shows them), texts as texts.

#include <QString>
#include <charconv>
#include <vector>

namespace aeriton::reports {

struct CellValue {
  QString range;  // "B12", or a merged range such as "A25:C26" (its first cell)
  bool isNumber = false;
  double number = 0.0;
  QString text;          // used when !isNumber
  QString numberFormat;  // an Excel number-format code; empty keeps the template's
};

using CellMap = std::vector<CellValue>;

inline void setNumber(CellMap& map, const QString& range, double value,
                      const QString& numberFormat = QString()) {
  CellValue c;
  c.range = range;
  c.isNumber = true;
  c.number = value;
  c.numberFormat = numberFormat;
  map.push_back(c);
}

// A single-precision value as the double that prints as the single does:
// 24.1f becomes 24.1, not 24.100000381469727.
inline double singleValue(double value) {
  const float f = static_cast<float>(value);
  if (f != f) return value;  // NaN stays NaN
  // to_chars/from_chars never look at the locale (strtod would, and reads
  // "24.1" as 24 under a Greek LC_NUMERIC).
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, f);
  double d = value;
  std::from_chars(buf, r.ptr, d);
  return d;
}

// A single of the study (a temperature, a load) written as the single it is.
inline void setSingle(CellMap& map, const QString& range, double value,
                      const QString& numberFormat = QString()) {
  setNumber(map, range, singleValue(value), numberFormat);
}

inline void setText(CellMap& map, const QString& range, const QString& text) {
  CellValue c;
  c.range = range;
  c.text = text;
  map.push_back(c);
}

// What the user asked for: print on a printer, preview on screen, or save as
// a workbook file.
enum class OutputMode { Print = 1, Preview = 2, Save = 3 };

struct OutputOptions {
  QString printerName;  // empty: the default printer
  int copies = 1;       // 0 counts as 1
  bool collate = true;
  QString saveAs;  // full path of the workbook to write (Save)
  // Print: into this PDF file instead of on a printer (print to file).
  QString printToFile;
};

}  // namespace aeriton::reports
