#include "reports/ui/PdfPrinting.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace aeriton::reports {
namespace {

// Pages are drawn as images at the printer's resolution, but never finer
// than this: an A4 page at 300 dpi is 2480 × 3508 pixels (35 MB), plenty for
// a report sheet, while 1200 dpi would need 16 times that.
constexpr int kMaxRenderDpi = 300;

const char* const kPdfFileRole = "pdf-file";

SaveNameChooser& chooser() {
  static SaveNameChooser c;
  return c;
}

// Loads a PDF held in memory. A buffer is read at once; the wait is only a
// guard in case the document reports itself still loading.
bool loadPdf(QPdfDocument& doc, QBuffer& buffer) {
  buffer.open(QIODevice::ReadOnly);
  doc.load(&buffer);
  QElapsedTimer t;
  t.start();
  while (doc.status() == QPdfDocument::Status::Loading && t.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
  return doc.status() == QPdfDocument::Status::Ready && doc.pageCount() > 0;
}

}  // namespace

int effectiveCopies(int copies) {
  return std::max(1, copies);
}

PrintStatus printPdf(const QByteArray& pdf, const PrintTarget& target) {
  QByteArray bytes = pdf;
  QBuffer buffer(&bytes);
  QPdfDocument doc;
  if (!loadPdf(doc, buffer)) return PrintStatus::BadDocument;

  QPrinter printer(QPrinter::HighResolution);
  if (!target.pdfFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target.pdfFile);
  } else {
    const QPrinterInfo info = target.printerName.isEmpty()
                                  ? QPrinterInfo::defaultPrinter()
                                  : QPrinterInfo::printerInfo(target.printerName);
    if (info.isNull()) return PrintStatus::NoPrinter;
    printer.setPrinterName(info.printerName());
  }
  printer.setDocName(QStringLiteral("Aeriton"));
  printer.setFullPage(true);
  const QSizeF first = doc.pagePointSize(0);
  printer.setPageSize(QPageSize(first, QPageSize::Point));
  printer.setPageOrientation(first.width() > first.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
  const int copies = effectiveCopies(target.copies);
  printer.setCopyCount(copies);
  printer.setCollateCopies(target.collate);
  // Copies the printer does not make itself are drawn here.
  const int byHand = printer.supportsMultipleCopies() ? 1 : copies;
  if (byHand > 1) printer.setCopyCount(1);

  QPainter painter;
  if (!painter.begin(&printer)) return PrintStatus::Failed;
  const int dpi = std::min(printer.resolution(), kMaxRenderDpi);
  const int pages = doc.pageCount();
  std::vector<int> order;
  if (target.collate) {
    for (int c = 0; c < byHand; ++c)
      for (int p = 0; p < pages; ++p) order.push_back(p);
  } else {
    for (int p = 0; p < pages; ++p)
      for (int c = 0; c < byHand; ++c) order.push_back(p);
  }
  bool firstPage = true;
  for (int page : order) {
    if (!firstPage && !printer.newPage()) {
      painter.end();
      return PrintStatus::Failed;
    }
    firstPage = false;
    const QSizeF pt = doc.pagePointSize(page);
    const QSize px(qRound(pt.width() * dpi / 72.0), qRound(pt.height() * dpi / 72.0));
    const QImage image = doc.render(page, px);
    // The page fills the paper, its proportions kept.
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    QSizeF fit = QSizeF(image.size()).scaled(paper.size(), Qt::KeepAspectRatio);
    const QRectF where(paper.left() + (paper.width() - fit.width()) / 2,
                       paper.top() + (paper.height() - fit.height()) / 2, fit.width(),
                       fit.height());
    painter.drawImage(where, image);
  }
  return painter.end() ? PrintStatus::Ok : PrintStatus::Failed;
}

PrinterList installedPrinters() {
  PrinterList list;
  list.names = QPrinterInfo::availablePrinterNames();
  list.defaultName = QPrinterInfo::defaultPrinterName();
  return list;
}

void fillPrinterBox(QComboBox* box, const PrinterList& printers, const QString& selected) {
  box->clear();
  for (const QString& name : printers.names) box->addItem(name, name);
  box->addItem(pdfFileEntryText(), QString::fromLatin1(kPdfFileRole));
  box->setItemData(box->count() - 1, true, Qt::UserRole + 1);
  const QString want = selected.isEmpty() ? printers.defaultName : selected;
  int index = printers.names.indexOf(want);
  if (index < 0) index = 0;  // the first printer, or the PDF file when there is none
  box->setCurrentIndex(index);
}

QString pdfFileEntryText() {
  return QString::fromUtf8("< Αρχείο PDF >");
}

bool isPdfFileEntry(const QComboBox* box) {
  return box->currentIndex() >= 0 && box->currentData(Qt::UserRole + 1).toBool();
}

QString selectedPrinter(const QComboBox* box) {
  return isPdfFileEntry(box) ? QString() : box->currentData().toString();
}

void setSaveNameChooser(SaveNameChooser c) {
  chooser() = std::move(c);
}

QString chooseSaveName(QWidget* parent, const QString& caption, const QString& initialPath,
                       const QString& filter) {
  if (chooser()) return chooser()(parent, caption, initialPath, filter);
  return QFileDialog::getSaveFileName(parent, caption, initialPath, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

}  // namespace aeriton::reports
