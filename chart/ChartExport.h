#pragma once
// The chart on paper and in files: the drawing on any painter page (a picture,
// a PDF page, an SVG picture, a printer page), and the export to PNG, SVG and
// PDF files.
//
// Every page is laid out at about 1400 logical pixels on its long side (the
// text and lines of the chart window at that size), and the painter scales
// that to the page's real resolution: a PNG of an A4 page at 300 dpi carries
// the same chart as the window, only sharper.

#include <QSize>
#include <QString>

#include "chart/ChartData.h"
#include "chart/PsyDraw.h"

class QPainter;

namespace aeriton::chart {

enum class ExportFormat { Png, Svg, Pdf };

constexpr int kLayoutLongSide = 1400;  // logical pixels on a page's long side
// An A4 landscape page at 300 dots per inch.
constexpr int kDefaultPictureWidth = 3508;
constexpr int kDefaultPictureHeight = 2480;
constexpr int kExportDpi = 300;

// The format a file name asks for (by its suffix, any case); false when none.
bool formatOfPath(const QString& path, ExportFormat& format);

// What to draw: the unit system and the ranges handed to the renderer.
struct ChartRequest {
  bool english = false;
  ChartRange range;
};

// Draws the chart on a painter page of `deviceSize` device pixels (the
// painter's own coordinates): rotated by 90° when `rotated` (a landscape chart
// on a portrait page). False when the chart could not be drawn.
bool drawChartOnPage(QPainter& painter, QSizeF deviceSize, bool rotated,
                     const ChartRequest& request);

// Writes the chart to a file: PNG and SVG of `size` pixels (empty: 3508 × 2480,
// an A4 landscape page at 300 dpi); PDF on an A4 landscape page, or on a page
// of `size` pixels at 300 dpi when a size is given. The file is written whole
// or not at all, and the chart's drawing state (see DrawingStateGuard) is left
// as it was. False with *error set when it could not be.
bool exportChart(const QString& path, ExportFormat format, QSize size, const ChartRequest& request,
                 QString* error = nullptr);

// Keeps the chart's drawing state (scale, enthalpy scale, what was drawn) and
// puts it back when it goes: a drawing made for a file or a printer must not
// change what the chart window's readout works with.
class DrawingStateGuard {
 public:
  DrawingStateGuard();
  ~DrawingStateGuard();
  DrawingStateGuard(const DrawingStateGuard&) = delete;
  DrawingStateGuard& operator=(const DrawingStateGuard&) = delete;

 private:
  struct Saved;
  Saved* saved_;
};

}  // namespace aeriton::chart
