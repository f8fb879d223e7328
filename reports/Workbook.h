#pragma once
// A report is a workbook template filled cell by cell. Writers (the result
// workbooks, the process diagrams, the two-state calculator) build a CellMap
// from their results and hand it, with the template's name and the output
// mode, to the workbook component; they never touch the workbook file itself.
//
// Cell values are written locale-free: numbers as numbers (the template's own
// number format shows them), texts as texts.

#include <QString>
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
};

}  // namespace aeriton::reports
