#include "reports/ui/FrmPreview.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "reports/ReportMessages.h"
#include "study/MessageService.h"

namespace aeriton::reports {
namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

FrmPreview::FrmPreview(QWidget* parent, const QByteArray& pdf, const PrintTarget& target,
                       const QString& caption)
    : QDialog(parent), pdf_(pdf), target_(target) {
  setObjectName("FrmPreview");
  setModal(true);
  setWindowTitle(u8("Προεπισκόπηση της Εκτύπωσης") +
                 (caption.isEmpty() ? QString() : QStringLiteral(" - ") + caption));

  buffer_ = new QBuffer(&pdf_, this);
  buffer_->open(QIODevice::ReadOnly);
  doc_ = new QPdfDocument(this);
  doc_->load(buffer_);

  auto* prev = button(this, "CmdPrevPage", u8("◄"));
  auto* next = button(this, "CmdNextPage", u8("►"));
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName("LblPage");
  pageLabel_->setMinimumWidth(120);
  pageLabel_->setAlignment(Qt::AlignCenter);
  auto* zoomOut = button(this, "CmdZoomOut", u8("Σμίκρυνση"));
  auto* zoomIn = button(this, "CmdZoomIn", u8("Μεγέθυνση"));
  auto* fitWidth = button(this, "CmdFitWidth", u8("Πλάτος Σελίδας"));
  auto* fitPage = button(this, "CmdFitPage", u8("Ολόκληρη Σελίδα"));
  auto* print = button(this, "CmdPrint", u8(" Εκτύπωση ... "));
  auto* close = button(this, "CmdClose", u8(" Κλείσιμο "));

  view_ = new QPdfView(this);
  view_->setObjectName("PdfView");
  view_->setDocument(doc_);
  view_->setPageMode(QPdfView::PageMode::SinglePage);
  view_->setZoomMode(QPdfView::ZoomMode::FitInView);
  view_->setDocumentMargins(QMargins(12, 12, 12, 12));
  view_->setStyleSheet(QStringLiteral("QPdfView { background: #5f6368; }"));

  connect(prev, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
  connect(next, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
  connect(zoomIn, &QPushButton::clicked, this, [this] {
    const qreal z = view_->zoomMode() == QPdfView::ZoomMode::Custom ? view_->zoomFactor() : 1.0;
    view_->setZoomMode(QPdfView::ZoomMode::Custom);
    view_->setZoomFactor(std::min(4.0, z * 1.25));
  });
  connect(zoomOut, &QPushButton::clicked, this, [this] {
    const qreal z = view_->zoomMode() == QPdfView::ZoomMode::Custom ? view_->zoomFactor() : 1.0;
    view_->setZoomMode(QPdfView::ZoomMode::Custom);
    view_->setZoomFactor(std::max(0.25, z / 1.25));
  });
  connect(fitWidth, &QPushButton::clicked, this,
          [this] { view_->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
  connect(fitPage, &QPushButton::clicked, this,
          [this] { view_->setZoomMode(QPdfView::ZoomMode::FitInView); });
  connect(print, &QPushButton::clicked, this, [this] { printDocument(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* bar = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{prev, pageLabel_, next}) bar->addWidget(w);
  bar->addSpacing(16);
  for (QWidget* w : {zoomOut, zoomIn, fitWidth, fitPage}) bar->addWidget(w);
  bar->addStretch();
  bar->addWidget(print);
  bar->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(view_, 1);

  // A page of A4 in full on the screen.
  QSize size(820, 1000);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect avail = screen->availableGeometry();
    size = size.boundedTo(QSize(avail.width() * 9 / 10, avail.height() * 9 / 10));
  }
  resize(size);
  refreshPage();
}

FrmPreview::~FrmPreview() {
  // The view renders pages in a thread of its own: it lets go of the
  // document before the document goes.
  view_->setDocument(nullptr);
  delete view_;
  view_ = nullptr;
}

int FrmPreview::pageCount() const {
  return doc_->status() == QPdfDocument::Status::Ready ? doc_->pageCount() : 0;
}

void FrmPreview::showPage(int page) {
  if (pageCount() == 0) return;
  page_ = std::clamp(page, 0, pageCount() - 1);
  view_->pageNavigator()->jump(page_, QPointF(), view_->zoomFactor());
  refreshPage();
}

void FrmPreview::refreshPage() {
  const int n = pageCount();
  pageLabel_->setText(n ? u8("Σελίδα %1 από %2").arg(page_ + 1).arg(n) : QString());
  if (auto* b = findChild<QPushButton*>("CmdPrevPage")) b->setEnabled(page_ > 0);
  if (auto* b = findChild<QPushButton*>("CmdNextPage")) b->setEnabled(page_ + 1 < n);
}

void FrmPreview::printDocument() {
  PrintTarget target = target_;
  if (!choosePrintTarget(this, target)) return;
  target_ = target;
  printWithMessages(pdf_, target_);
}

bool choosePrintTarget(QWidget* parent, PrintTarget& target) {
  QDialog dialog(parent);
  dialog.setObjectName("FrmPrinterChoice");
  dialog.setWindowTitle(u8("Επιλογή Εκτυπωτή"));
  auto* printers = new QComboBox(&dialog);
  printers->setObjectName("Cbo_Printers");
  printers->setMinimumWidth(280);
  fillPrinterBox(printers, installedPrinters(), target.printerName);
  auto* copies = new QSpinBox(&dialog);
  copies->setObjectName("Txt_Copies");
  copies->setRange(0, 99);
  copies->setValue(target.copies);
  auto* ok = button(&dialog, "CmdOK", u8(" Εκτύπωση "));
  auto* cancel = button(&dialog, "CmdCancel", u8(" Άκυρο "));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(u8("Εκτυπωτής :"), printers);
  form->addRow(u8("Αντίτυπα :"), copies);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addLayout(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;

  PrintTarget chosen = target;
  chosen.copies = copies->value();
  chosen.printerName = selectedPrinter(printers);
  chosen.pdfFile.clear();
  if (isPdfFileEntry(printers)) {
    const QString initial =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Aeriton.pdf";
    const QString file =
        chooseSaveName(parent, u8("Εκτύπωση σε Αρχείο PDF"), initial, u8("PDF (*.pdf)"));
    if (file.isEmpty()) return false;
    chosen.pdfFile =
        file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? file : file + ".pdf";
  }
  target = chosen;
  return true;
}

bool printWithMessages(const QByteArray& pdf, const PrintTarget& target) {
  switch (printPdf(pdf, target)) {
    case PrintStatus::Ok:
      return true;
    case PrintStatus::NoPrinter:
      showMessage(noPrinterMessage(target.printerName));
      return false;
    case PrintStatus::BadDocument:
      showMessage(conversionFailedMessage(QStringLiteral("PDF")));
      return false;
    case PrintStatus::Failed:
      showMessage(
          printFailedMessage(target.pdfFile.isEmpty() ? target.printerName : target.pdfFile));
      return false;
  }
  return false;
}

}  // namespace aeriton::reports
