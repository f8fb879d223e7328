#pragma once
// Helpers of the report tests: the templates made by the build copied into a
// test's program folder, and a workbook filled and read back.

#include <QDir>
#include <QFile>
#include <QString>

#include "XlsxTestReader.h"
#include "reports/ReportWorkbook.h"
#include "study/AppFolder.h"

#ifndef AERITON_TEMPLATE_DIR
#error "AERITON_TEMPLATE_DIR names the folder where the build wrote the templates"
#endif

namespace aeriton::test {

inline QString templateSource(const QString& name) {
  return QDir(QStringLiteral(AERITON_TEMPLATE_DIR)).filePath(name);
}

// Copies templates (all of them when none is named) into the program folder.
inline void copyTemplates(const QStringList& names = {}) {
  QStringList list = names;
  if (list.isEmpty())
    list = QDir(QStringLiteral(AERITON_TEMPLATE_DIR)).entryList({"*.xlsx"}, QDir::Files);
  for (const QString& n : list) {
    QFile::remove(appfolder::path(n));
    QFile::copy(templateSource(n), appfolder::path(n));
  }
}

// Fills a template of the program folder, saves it under out (protected, as
// the print dialog saves) and reads the file back.
inline XlsxReader fillAndRead(const QString& templateName, const reports::CellMap& cells,
                              const QString& out) {
  reports::ReportWorkbook wb;
  QString error;
  if (wb.open(templateName, &error) != reports::ReportWorkbook::Opened)
    return XlsxReader(QByteArray());
  if (!wb.setCells(cells, &error) || !wb.saveAs(out, &error)) return XlsxReader(QByteArray());
  return XlsxReader(out);
}

}  // namespace aeriton::test
