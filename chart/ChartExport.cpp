#include "chart/ChartExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "chart/ChartDevice.h"

namespace aeriton::chart {
namespace {

constexpr double kMmPerInch = 25.4;
const char* const kDocumentTitle = "Ψυχρομετρικός Χάρτης";
// Point size of the process labels (the chart window's tag).
const char* const kLabelTag = "10";

}  // namespace

// ---- kept drawing state -----------------------------------------------------------

struct DrawingStateGuard::Saved {
  clsDataPoints* table = nullptr;
  int32_t minT = 0, maxT = 0, maxSat = 0, maxAbs = 0;
  QString tempUnit, absHumUnit, enthUnit;
  ChartProcessData process;
  double chord = 0, x0 = 0, offset = 0, perDegree = 0;
  bool ready = false;
  DrawnChart drawing;
};

DrawingStateGuard::DrawingStateGuard() : saved_(new Saved) {
  const ChartModule& m = chartModule();
  saved_->table = m.ChartData;
  saved_->minT = m.ChartMinTemp;
  saved_->maxT = m.ChartMaxTemp;
  saved_->maxSat = m.ChartMaxSatHum;
  saved_->maxAbs = m.ChartMaxAbsHum;
  saved_->tempUnit = m.TempUnit;
  saved_->absHumUnit = m.AbsHumUnit;
  saved_->enthUnit = m.EnthUnit;
  saved_->process = m.Process;
  saved_->chord = m.SatChordSlope;
  saved_->x0 = m.EnthAxisX0;
  saved_->offset = m.EnthAxisOffset;
  saved_->perDegree = m.EnthPerDegree;
  saved_->ready = m.scaleReady;
  saved_->drawing = lastDrawing();
}

DrawingStateGuard::~DrawingStateGuard() {
  ChartModule& m = chartModule();
  // The tables may have been read again meanwhile; keep pointing at a live one.
  if (saved_->table == m.MetricChartData.get() || saved_->table == m.EnglishChartData.get())
    m.ChartData = saved_->table;
  m.ChartMinTemp = saved_->minT;
  m.ChartMaxTemp = saved_->maxT;
  m.ChartMaxSatHum = saved_->maxSat;
  m.ChartMaxAbsHum = saved_->maxAbs;
  m.TempUnit = saved_->tempUnit;
  m.AbsHumUnit = saved_->absHumUnit;
  m.EnthUnit = saved_->enthUnit;
  m.Process = saved_->process;
  m.SatChordSlope = saved_->chord;
  m.EnthAxisX0 = saved_->x0;
  m.EnthAxisOffset = saved_->offset;
  m.EnthPerDegree = saved_->perDegree;
  m.scaleReady = saved_->ready;
  restoreDrawing(saved_->drawing);
  delete saved_;
}

// ---- pages ------------------------------------------------------------------------------

bool formatOfPath(const QString& path, ExportFormat& format) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "png") {
    format = ExportFormat::Png;
  } else if (suffix == "svg") {
    format = ExportFormat::Svg;
  } else if (suffix == "pdf") {
    format = ExportFormat::Pdf;
  } else {
    return false;
  }
  return true;
}

bool drawChartOnPage(QPainter& painter, QSizeF deviceSize, bool rotated,
                     const ChartRequest& request) {
  if (deviceSize.width() < 1 || deviceSize.height() < 1) return false;
  const double longSide = std::max(deviceSize.width(), deviceSize.height());
  const double factor = std::max(1.0, longSide / kLayoutLongSide);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(factor, factor);
  ChartDevice device(&painter, static_cast<int>(std::lround(deviceSize.width() / factor)),
                     static_cast<int>(std::lround(deviceSize.height() / factor)));
  device.Tag = QString::fromLatin1(kLabelTag);
  const bool ok = DrawPsychrometricChart(device, rotated, request.english, request.range.MinTemp,
                                         request.range.MaxTemp, request.range.MaxAbsHum);
  painter.restore();
  return ok;
}

bool exportChart(const QString& path, ExportFormat format, QSize size, const ChartRequest& request,
                 QString* error) {
  const auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  // A drawing for a file leaves the window's drawing as it was.
  const DrawingStateGuard keep;
  const bool sizeGiven = size.isValid() && !size.isEmpty();
  if (!sizeGiven) size = QSize(kDefaultPictureWidth, kDefaultPictureHeight);

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  bool drawn = false;
  switch (format) {
    case ExportFormat::Png: {
      QImage image(size, QImage::Format_RGB32);
      if (image.isNull()) return fail(QStringLiteral("image too large"));
      image.fill(Qt::white);
      const int dotsPerMetre = static_cast<int>(std::lround(kExportDpi / kMmPerInch * 1000.0));
      image.setDotsPerMeterX(dotsPerMetre);
      image.setDotsPerMeterY(dotsPerMetre);
      {
        QPainter painter(&image);
        drawn = drawChartOnPage(painter, QSizeF(size), false, request);
      }
      if (drawn && !image.save(&file, "PNG")) return fail(file.errorString());
      break;
    }
    case ExportFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(size);
      svg.setResolution(96);  // CSS pixels: the picture's physical size
      svg.setViewBox(QRect(QPoint(0, 0), size));
      svg.setTitle(QString::fromUtf8(kDocumentTitle));
      svg.setDescription(QStringLiteral("Aeriton"));
      QPainter painter;
      if (!painter.begin(&svg)) return fail(QStringLiteral("SVG"));
      drawn = drawChartOnPage(painter, QSizeF(size), false, request);
      painter.end();
      break;
    }
    case ExportFormat::Pdf: {
      QPdfWriter pdf(&file);
      pdf.setResolution(kExportDpi);
      pdf.setTitle(QString::fromUtf8(kDocumentTitle));
      pdf.setCreator(QStringLiteral("Aeriton"));
      if (sizeGiven) {
        const QSizeF mm(size.width() * kMmPerInch / kExportDpi,
                        size.height() * kMmPerInch / kExportDpi);
        pdf.setPageSize(QPageSize(mm, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
      } else {
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
      }
      QPainter painter;
      if (!painter.begin(&pdf)) return fail(QStringLiteral("PDF"));
      drawn = drawChartOnPage(painter, QSizeF(pdf.width(), pdf.height()), false, request);
      painter.end();
      break;
    }
  }
  if (!drawn) {
    file.cancelWriting();
    return fail(QString::fromUtf8("ο Χάρτης δεν σχεδιάσθηκε"));
  }
  if (!file.commit()) return fail(file.errorString());
  return true;
}

}  // namespace aeriton::chart
