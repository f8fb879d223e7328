#pragma once
// The chart renderer and the readout of the chart window.
//
// DrawPsychrometricChart draws the whole chart on a device through a drawing
// surface (rotated by 90° for a portrait page): axes and their labels, the
// dry-bulb, wet-bulb and absolute-humidity grid, the enthalpy scale parallel
// to the chord of the saturation curve, the relative-humidity curves 10 % …
// 100 % and the process of the study (points N, M, T, S, X, ADP with their
// lines). Everything is taken from the chart table of the unit system; the
// process points lie exactly on the drawn wet-bulb lines.
//
// ReadoutAt gives the properties the chart shows at a point (X, Y) in chart
// units: dry bulb, wet bulb (along the wet-bulb lines), absolute humidity,
// enthalpy (of the air at the point, by the moist-air relation of the table)
// and relative humidity (between the drawn curves).

#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <cstdint>
#include <vector>

#include "chart/ChartData.h"
#include "chart/ChartDevice.h"

namespace aeriton::chart {

// The smallest of 1, 2, 5, 10, 20, 50, … not below x (1 for x ≤ 1).
double NiceStep(double x);

// Font of the grid texts (points) and of the process labels when the device
// carries no numeric tag.
constexpr double kChartFontSize = 8;
constexpr double kDefaultLabelFontSize = 10;

// What was printed, in the surface's own pixels (y down), for the window,
// the layout checks and the tests.
enum class LabelKind {
  DryBulbAxis,   // numbers under the zero-humidity axis
  HumidityAxis,  // numbers right of the right border
  AxisTitle,     // the three axis titles and the enthalpy title
  Enthalpy,      // numbers of the enthalpy scale
  WetBulb,       // numbers along the saturation curve
  RelHumidity,   // "10%" … "100%"
  WetBulbTitle,  // the wet-bulb title
  Process,       // "N" … "ADP"
};
struct DrawnLabel {
  LabelKind kind;
  QString text;
  QPolygonF box;  // the text's box, surface pixels
};

struct DrawnChart {
  bool ok = false;
  bool rotated = false;
  // Surface size (pixels) and scale after the drawing.
  int pixelWidth = 0, pixelHeight = 0;
  double scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
  double sx = 0, sy = 0;  // chart units per pixel
  double TH = 0, SP = 0;  // text height (humidity units) and space width (temperature units)
  double tTop = 0;        // where the saturation curve meets the top border
  int temperatureStep = 0;
  double humidityStep = 0, enthalpyLabelStep = 0, enthalpyTickStep = 0;
  int pointRadius = 0;              // pixels
  std::vector<int> wetBulbLines;    // rows whose wet-bulb line was drawn
  std::vector<int> wetBulbLabels;   // rows whose number was printed
  QPointF pointPixel[kPointCount];  // surface pixels of the process points
  QPointF pointChart[kPointCount];  // and their chart coordinates (T, W)
  bool pointDrawn[kPointCount] = {};
  std::vector<DrawnLabel> labels;

  // Surface pixel ↔ chart units.
  QPointF toPixel(double T, double W) const;
  QPointF toChart(QPointF pixel) const;
  // The chart point at the centre of a whole pixel (a pixel spans x … x + 1).
  QPointF pixelToChart(QPoint pixel) const;
};

// Draws the chart on Device: through clsDrawRot90 when Rotated, else
// clsDrawNormal. English selects the table; MinTemp, MaxTemp and MaxAbsHum
// are normalised first. The page is cleared to white. False (nothing more
// drawn) when the tables are not loaded or the page is too small for a chart.
bool DrawPsychrometricChart(ChartDevice& Device, bool Rotated, bool English, int32_t MinTemp,
                            int32_t MaxTemp, int32_t MaxAbsHum);

// What the last drawing left; restoreDrawing puts back a kept one.
const DrawnChart& lastDrawing();
void restoreDrawing(const DrawnChart& kept);

// Humidity of a point on the chart's wet-bulb lines at DryBulb (interpolated
// between the lines of the whole degrees around WetBulb); the table of the
// current drawing.
double processAbsHum(double DryBulb, double WetBulb);

// The readout at (X, Y), chart units. Each text is "---" where the chart has
// no value; the numbers are NaN there. `onCurve` is the humidity by which a
// point may lie above the saturation curve and still read as on it (100 %):
// the window passes half a pixel, the resolution the mouse has.
struct ChartReadout {
  QString TempD, TempW, AbsHum, Enth, RelHum;
  double tempD = 0, tempW = 0, absHum = 0, enth = 0, relHum = 0;
};
ChartReadout ReadoutAt(double X, double Y, double onCurve = 0);

// The readout for the mouse on a whole pixel of the last drawing: over a drawn
// process point (within its circle) the readout of that point itself, else
// that of the pixel's centre, within half a pixel of the saturation curve
// counting as on it.
ChartReadout ReadoutAtPixel(QPoint pixel);

}  // namespace aeriton::chart
