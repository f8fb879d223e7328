#include "reports/ui/WorkbookRunner.h"

#include <QApplication>

#include "reports/ReportMessages.h"
#include "reports/ReportWorkbook.h"
#include "reports/ui/FrmPreview.h"
#include "study/MessageService.h"

namespace aeriton::reports {
namespace {

// One workbook at a time: a second click while LibreOffice works is ignored.
bool& busy() {
  static bool b = false;
  return b;
}

struct BusyGuard {
  BusyGuard() { busy() = true; }
  ~BusyGuard() { busy() = false; }
};

// The wait cursor while a workbook is rendered.
struct WaitCursor {
  WaitCursor() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
      QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~WaitCursor() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
      QApplication::restoreOverrideCursor();
  }
};

bool render(ReportWorkbook& wb, QByteArray& pdf) {
  ConversionResult r;
  {
    WaitCursor wait;
    r = wb.renderPdf();
  }
  switch (r.status) {
    case ConversionStatus::Ok:
      pdf = r.pdf;
      return true;
    case ConversionStatus::NoConverter:
      showMessage(noConverterMessage());
      return false;
    case ConversionStatus::TimedOut:
      showMessage(conversionTimedOutMessage(conversionTimeoutMs() / 1000));
      return false;
    case ConversionStatus::Failed:
      showMessage(conversionFailedMessage(r.detail));
      return false;
  }
  return false;
}

}  // namespace

bool runWorkbook(QWidget* parent, const QString& templateName, const CellMap& cells,
                 OutputMode mode, const OutputOptions& options) {
  if (busy()) return false;
  BusyGuard guard;

  ReportWorkbook wb;
  QString error;
  if (wb.open(templateName, &error) != ReportWorkbook::Opened) {
    // A template that is missing or cannot be read is a basic file missing.
    showMessage(missingTemplateMessage());
    return false;
  }
  if (!wb.setCells(cells, &error)) {
    showMessage(conversionFailedMessage(error));
    return false;
  }

  if (mode == OutputMode::Save) {
    if (!wb.saveAs(options.saveAs, &error)) {
      showMessage(saveFailedMessage(options.saveAs, error));
      return false;
    }
    return true;
  }

  QByteArray pdf;
  if (!render(wb, pdf)) return false;
  PrintTarget target;
  target.printerName = options.printerName;
  target.copies = effectiveCopies(options.copies);
  target.collate = options.collate;
  target.pdfFile = options.printToFile;
  if (mode == OutputMode::Preview) {
    FrmPreview preview(parent, pdf, target, QString());
    preview.exec();
    return true;
  }
  return printWithMessages(pdf, target);
}

}  // namespace aeriton::reports
