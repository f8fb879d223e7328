#include "chart/ui/FrmPsyDrawForm.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "chart/ChartMessages.h"
#include "chart/PsyDraw.h"
#include "study/AppFolder.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "study/ui/Style.h"

namespace aeriton::chart {
namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

// The readout panel: caption label (its fixed text in its tag), value label,
// and whether the caption takes the unit of temperature, humidity or enthalpy.
enum class UnitOf { Temperature, Humidity, Enthalpy, None };
struct ReadoutRow {
  const char* caption;
  const char* tag;
  const char* value;
  UnitOf unit;
};
const ReadoutRow kRows[5] = {
    {"lblTempDL", "Θερμοκρασία Ξηρού Θερμομέτρου, °", "lblTempD", UnitOf::Temperature},
    {"lblTempWL", "Θερμοκρασία Υγρού Θερμομέτου, °", "lblTempW", UnitOf::Temperature},
    {"lblAbsHumL", "Απόλυτη Υγρασία, ", "lblAbsHum", UnitOf::Humidity},
    {"lblEnthL", "Ενθαλπία, ", "lblEnth", UnitOf::Enthalpy},
    {"lblRelHumL", "Σχετική Υγρασία, %", "lblRelHum", UnitOf::None},
};

// Point size of the process labels.
const char* const kFormTag = "10";

frmPsyDrawForm::SaveFileDialog& saveDialog() {
  static frmPsyDrawForm::SaveFileDialog dialog = [](QWidget* parent, const QString& caption,
                                                    const QString& path, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
  };
  return dialog;
}

frmPsyDrawForm::PrintDialog& printDialog() {
  static frmPsyDrawForm::PrintDialog dialog = [](QPrinter& printer, QWidget* parent) {
    QPrintDialog d(&printer, parent);
    d.setWindowTitle(u8("Εκτύπωση του Ψυχρομετρικού Χάρτη"));
    return d.exec() == QDialog::Accepted;
  };
  return dialog;
}

}  // namespace

// ---- drawing area ---------------------------------------------------------------------

ChartCanvas::ChartCanvas(QWidget* parent) : QWidget(parent) {
  setObjectName("picChart");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 240);
  setCursor(Qt::CrossCursor);
}

void ChartCanvas::arm() {
  armed_ = true;
  scheduleRedraw();
}

// Sizes come in bursts while a window is shown and maximised: one drawing, at
// the size the burst ends with.
void ChartCanvas::scheduleRedraw() {
  if (!armed_ || pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, [this] {
    pending_ = false;
    redraw();
  });
}

void ChartCanvas::redraw() {
  if (!armed_ || !drawer_) return;
  const qreal dpr = devicePixelRatioF();
  QImage image((QSizeF(size()) * dpr).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::white);
  ok_ = drawer_(image, size());
  image_ = image;
  ++drawings_;
  update();
  emit redrawn();
}

void ChartCanvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!image_.isNull()) p.drawImage(QPoint(0, 0), image_);
}

void ChartCanvas::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  scheduleRedraw();  // a new size gets a new drawing
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* e) {
  emit mouseMovedTo(e->position().toPoint());
  QWidget::mouseMoveEvent(e);
}

// ---- window ------------------------------------------------------------------------------

frmPsyDrawForm::frmPsyDrawForm(QWidget* parent) : QDialog(parent) {
  setObjectName("frmPsyDrawForm");
  setWindowTitle(QStringLiteral("Psychrometric Diagram"));
  setModal(true);
  setProperty("Tag", QString::fromLatin1(kFormTag));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

  auto* bar = new QToolBar(this);
  bar->setObjectName("tlbChart");
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  const auto action = [this, bar](const char* name, const char* text, const char* tip) {
    QAction* a = bar->addAction(u8(text));
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(u8(tip));
    return a;
  };
  connect(action("actExportPng", "Αποθήκευση ως PNG…", "Ο Χάρτης ως εικόνα PNG υψηλής ανάλυσης"),
          &QAction::triggered, this, [this] { exportWithDialog(ExportFormat::Png); });
  connect(action("actExportSvg", "Αποθήκευση ως SVG…", "Ο Χάρτης ως διανυσματικό σχέδιο SVG"),
          &QAction::triggered, this, [this] { exportWithDialog(ExportFormat::Svg); });
  connect(action("actExportPdf", "Αποθήκευση ως PDF…", "Ο Χάρτης σε σελίδα A4 PDF"),
          &QAction::triggered, this, [this] { exportWithDialog(ExportFormat::Pdf); });
  bar->addSeparator();
  connect(action("actPrint", "Εκτύπωση…", "Εκτύπωση του Χάρτη σε μία σελίδα"), &QAction::triggered,
          this, [this] { printWithDialog(); });
  auto* spacer = new QWidget(bar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(spacer);
  auto* close = new QPushButton(bar);
  close->setObjectName("CmdClose");
  style::setMnemonic(close, u8("Κλείσιμο"), QChar(u'Κ'));
  close->setAutoDefault(false);
  bar->addWidget(close);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  canvas_ = new ChartCanvas(this);
  canvas_->setDrawer([this](QImage& image, QSize size) { return drawInto(image, size); });
  connect(canvas_, &ChartCanvas::mouseMovedTo, this, &frmPsyDrawForm::readoutAtPixel);
  connect(canvas_, &ChartCanvas::redrawn, this, &frmPsyDrawForm::setCaptions);

  auto* panel = new QWidget(this);
  panel->setObjectName("fraReadout");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(2);
  for (int i = 0; i < 5; ++i) {
    captions_[i] = new QLabel(u8(kRows[i].tag), panel);
    captions_[i]->setObjectName(QString::fromLatin1(kRows[i].caption));
    captions_[i]->setProperty("Tag", u8(kRows[i].tag));
    captions_[i]->setAlignment(Qt::AlignCenter);
    values_[i] = new QLabel(QStringLiteral("---"), panel);
    values_[i]->setObjectName(QString::fromLatin1(kRows[i].value));
    values_[i]->setAlignment(Qt::AlignCenter);
    // Read-outs are drawn as the result boxes of the other screens.
    style::setRole(values_[i], style::Role::Result);
    values_[i]->setMinimumWidth(style::kBoxWidth);
    grid->addWidget(captions_[i], 0, i);
    grid->addWidget(values_[i], 1, i, Qt::AlignHCenter);
    grid->setColumnStretch(i, 1);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(bar);
  layout->addWidget(canvas_, 1);
  layout->addWidget(panel);
  Form_Load();
}

void frmPsyDrawForm::SetData(bool English, int32_t MinTemp, int32_t MaxTemp, int32_t MaxAbsHum) {
  english_ = English;
  minTemp_ = MinTemp;
  maxTemp_ = MaxTemp;
  maxAbsHum_ = MaxAbsHum;
}

void frmPsyDrawForm::Form_Load() {
  drawn_ = false;
}

// The first activation draws; later ones keep the drawing.
void frmPsyDrawForm::Form_Activate() {
  if (drawn_) return;
  drawn_ = true;
  canvas_->arm();
}

void frmPsyDrawForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!drawn_) QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

// The chart window is always maximised.
void frmPsyDrawForm::changeEvent(QEvent* e) {
  QDialog::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState && isVisible())
    QTimer::singleShot(0, this, [this] {
      if (windowState() == Qt::WindowNoState) setWindowState(Qt::WindowMaximized);
    });
}

bool frmPsyDrawForm::drawInto(QImage& image, QSize size) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  ChartDevice device(&painter, size.width(), size.height());
  device.Name = objectName();
  device.Tag = property("Tag").toString();
  return DrawPsychrometricChart(device, false, english_, minTemp_, maxTemp_, maxAbsHum_);
}

void frmPsyDrawForm::setCaptions() {
  const ChartModule& m = chartModule();
  for (int i = 0; i < 5; ++i) {
    QString unit;
    switch (kRows[i].unit) {
      case UnitOf::Temperature:
        unit = m.TempUnit;
        break;
      case UnitOf::Humidity:
        unit = m.AbsHumUnit;
        break;
      case UnitOf::Enthalpy:
        unit = m.EnthUnit;
        break;
      case UnitOf::None:
        break;
    }
    captions_[i]->setText(captions_[i]->property("Tag").toString() + unit);
  }
}

void frmPsyDrawForm::readoutAtPixel(QPoint pixel) {
  const DrawnChart& d = lastDrawing();
  if (!canvas_->drawnOk() || !d.ok) return;
  showReadout(ReadoutAtPixel(pixel));
}

void frmPsyDrawForm::Form_MouseMove(double X, double Y) {
  showReadout(ReadoutAt(X, Y));
}

void frmPsyDrawForm::showReadout(const ChartReadout& r) {
  // One readout at a time; a move that arrives meanwhile is dropped, the next
  // one shows where the mouse is.
  if (busy_) return;
  busy_ = true;
  const QString texts[5] = {r.TempD, r.TempW, r.AbsHum, r.Enth, r.RelHum};
  for (int i = 0; i < 5; ++i) values_[i]->setText(texts[i]);
  busy_ = false;
}

bool frmPsyDrawForm::exportTo(const QString& path, ExportFormat format) {
  ChartRequest request;
  request.english = english_;
  request.range = {minTemp_, maxTemp_, maxAbsHum_};
  QString error;
  if (exportChart(path, format, QSize(), request, &error)) return true;
  showMessage(chartExportMessage(path, error));
  return false;
}

bool frmPsyDrawForm::printTo(QPrinter& printer) {
  ChartRequest request;
  request.english = english_;
  request.range = {minTemp_, maxTemp_, maxAbsHum_};
  if (printChart(printer, request)) return true;
  showMessage(chartExportMessage(
      printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName(),
      u8("... Η εκτύπωση ΔΕΝ έγινε ...")));
  return false;
}

void frmPsyDrawForm::exportWithDialog(ExportFormat format) {
  struct Kind {
    const char* caption;
    const char* suffix;
    const char* filter;
  };
  static const Kind kinds[3] = {
      {"Αποθήκευση του Χάρτη ως εικόνα PNG", "png", "Εικόνα PNG (*.png)"},
      {"Αποθήκευση του Χάρτη ως σχέδιο SVG", "svg", "Σχέδιο SVG (*.svg)"},
      {"Αποθήκευση του Χάρτη ως έγγραφο PDF", "pdf", "Έγγραφο PDF (*.pdf)"},
  };
  const Kind& k = kinds[static_cast<int>(format)];
  // Beside the study when it has a file, else in the program folder.
  const QString studyFile = study().StudyFileName;
  QString folder = appfolder::folder();
  if (!studyFile.isEmpty() && QFileInfo(studyFile).absoluteDir().exists())
    folder = QFileInfo(studyFile).absolutePath();
  const QString suggested =
      QDir(folder).filePath(u8("Ψυχρομετρικός Χάρτης.") + QString::fromLatin1(k.suffix));
  QString path = saveDialog()(this, u8(k.caption), suggested, u8(k.filter));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += '.' + QString::fromLatin1(k.suffix);
  exportTo(path, format);
}

void frmPsyDrawForm::printWithDialog() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(u8("Ψυχρομετρικός Χάρτης"));
  if (!printDialog()(printer, this)) return;
  printTo(printer);
}

void frmPsyDrawForm::setSaveFileDialog(SaveFileDialog dialog) {
  saveDialog() = std::move(dialog);
}
void frmPsyDrawForm::setPrintDialog(PrintDialog dialog) {
  printDialog() = std::move(dialog);
}

// ---- printing and opening --------------------------------------------------------------

bool printChart(QPrinter& printer, const ChartRequest& request) {
  const DrawingStateGuard keep;
  const bool portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const bool ok =
      drawChartOnPage(painter, QSizeF(printer.width(), printer.height()), portrait, request);
  painter.end();
  return ok;
}

int ShowChart(QWidget* parent, bool English, int32_t MinTemp, int32_t MaxTemp, int32_t MaxAbsHum) {
  frmPsyDrawForm window(parent);
  window.SetData(English, MinTemp, MaxTemp, MaxAbsHum);
  window.setWindowState(Qt::WindowMaximized);
  return window.exec();
}

}  // namespace aeriton::chart
