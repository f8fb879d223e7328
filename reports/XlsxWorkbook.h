#pragma once
// A workbook template filled in memory and written as a new file.
//
// An Office Open XML workbook (".xlsx") is a zip package of XML parts. The
// template is read whole into memory; the cells of the active sheet are set in
// that sheet's XML (numbers as numbers, texts as inline strings), a number
// format becomes a new cell style cloned from the cell's own, and every other
// part of the package (styles, shared strings, merged cells, drawings, page
// setup, print area) is written back exactly as it was read. The template file
// itself is only ever read.
//
// Numbers are written locale-free: "." as decimal point, the shortest form that
// reads back to the same double.

#include <QByteArray>
#include <QString>
#include <memory>

#include "reports/Workbook.h"

namespace aeriton::reports {

class XlsxWorkbook {
 public:
  XlsxWorkbook();
  ~XlsxWorkbook();
  XlsxWorkbook(const XlsxWorkbook&) = delete;
  XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

  // Reads a workbook file. False (with the reason) when it cannot be read or is
  // no workbook; the workbook is then closed.
  bool open(const QString& path, QString* error = nullptr);
  // The same from the bytes of a package.
  bool openBytes(const QByteArray& bytes, QString* error = nullptr);
  bool isOpen() const;
  void close();

  // Part name of the sheet the cells go to: the active sheet of the workbook
  // ("xl/worksheets/sheet1.xml").
  QString sheetPart() const;

  // Sets one cell of the active sheet. A range ("A25:C26") names its first
  // cell. An empty text clears the cell's value and keeps its style. False for
  // a reference that names no cell.
  bool setCell(const CellValue& cell, QString* error = nullptr);
  // Every cell of the map, in order; stops at the first bad reference.
  bool setCells(const CellMap& cells, QString* error = nullptr);

  // Protects the active sheet without a password: drawing objects, contents
  // and scenarios (<sheetProtection sheet="1" objects="1" scenarios="1"/>),
  // replacing any protection the template had.
  void protectSheet();

  // The package as it stands.
  bool toBytes(QByteArray& out, QString* error = nullptr) const;
  // Writes the package to a file, never leaving it half-written (a temporary
  // file in the same folder renamed over the target).
  bool save(const QString& path, QString* error = nullptr) const;

  // The bytes of one part as they would be written (tests and tools).
  QByteArray part(const QString& name) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

// "B12" -> column 2, row 12 (both from 1). False for anything else.
bool parseCellReference(const QString& ref, int& column, int& row);
// Column 2 -> "B".
QString columnName(int column);
// A number as the sheet XML holds it: shortest round-trip, "." decimal point.
QString numberText(double value);

}  // namespace aeriton::reports
