#include "reports/ReportWorkbook.h"

#include <QDir>
#include <QFileInfo>

#include "study/AppFolder.h"

namespace aeriton::reports {

ReportWorkbook::OpenStatus ReportWorkbook::open(const QString& templateName, QString* error) {
  close();
  path_ =
      QFileInfo(templateName).isAbsolute() ? templateName : appfolder::deliveredPath(templateName);
  // Any error of the existence test counts as a missing template.
  if (!fileExists(path_)) {
    if (error) *error = QStringLiteral("%1: no such file").arg(path_);
    return Missing;
  }
  QString why;
  if (!book_.open(path_, &why)) {
    if (error) *error = QStringLiteral("%1: %2").arg(path_, why);
    return Unreadable;
  }
  return Opened;
}

bool ReportWorkbook::setCells(const CellMap& cells, QString* error) {
  return book_.setCells(cells, error);
}

bool ReportWorkbook::saveAs(const QString& path, QString* error) {
  if (!book_.isOpen()) {
    if (error) *error = QStringLiteral("no workbook is open");
    return false;
  }
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("%1: the folder cannot be created").arg(folder);
    return false;
  }
  book_.protectSheet();
  return book_.save(path, error);
}

ConversionResult ReportWorkbook::renderPdf() {
  ConversionResult r;
  QByteArray data;
  if (!bytes(data, &r.detail)) return r;
  return convertWorkbookToPdf(data, QFileInfo(path_).fileName());
}

bool ReportWorkbook::bytes(QByteArray& out, QString* error) const {
  return book_.toBytes(out, error);
}

void ReportWorkbook::close() {
  book_.close();
  path_.clear();
}

}  // namespace aeriton::reports
