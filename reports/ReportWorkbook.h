#pragma once
// The workbook component every printed result goes through: open a template
// of the program folder, set its cells, then save it as a protected workbook
// or render it to PDF for the preview and the printer; close. The template on
// disk is never changed.
//
//   ReportWorkbook wb;
//   if (wb.open("LD_PS_MS.xlsx") != ReportWorkbook::Opened) ...  // missing template
//   wb.setCells(cells);
//   wb.saveAs(path);            // or: ConversionResult pdf = wb.renderPdf();
//
// The windows (preview, printer choice) are in reports/ui; this part needs
// no screen, so the batch calculator uses it as it is.

#include <QString>

#include "reports/PdfConverter.h"
#include "reports/Workbook.h"
#include "reports/XlsxWorkbook.h"

namespace aeriton::reports {

class ReportWorkbook {
 public:
  enum OpenStatus { Opened, Missing, Unreadable };

  // Opens a template of the program folder (by file name) or any workbook
  // file (by full path).
  OpenStatus open(const QString& templateName, QString* error = nullptr);
  bool isOpen() const { return book_.isOpen(); }
  const QString& templatePath() const { return path_; }

  bool setCells(const CellMap& cells, QString* error = nullptr);

  // Writes the workbook with its sheet protected (no password: drawing
  // objects, contents, scenarios). The folder is created when missing; the
  // file is written whole or not at all.
  bool saveAs(const QString& path, QString* error = nullptr);
  // The filled workbook as it would be printed, as PDF.
  ConversionResult renderPdf();
  // The filled workbook's bytes (unprotected, as the template is).
  bool bytes(QByteArray& out, QString* error = nullptr) const;

  void close();

 private:
  XlsxWorkbook book_;
  QString path_;
};

}  // namespace aeriton::reports
