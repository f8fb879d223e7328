// The chart drawn on images: the layout values of the drawing, the process
// points on the wet-bulb lines, colours, labels that keep clear of each other,
// the readout (values and its "---" cases), the rotated page, and the files.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "TestSupport.h"
#include "chart/ChartData.h"
#include "chart/ChartDevice.h"
#include "chart/ChartExport.h"
#include "chart/ChartTable.h"
#include "chart/DrawSurface.h"
#include "chart/PsyDraw.h"
#include "engine/NumberEntry.h"
#include "engine/Psychro.h"

using namespace aeriton;
using namespace aeriton::chart;

namespace {

// The states of three studies as the results screen hands them over.
// Metric office with reheat: 35/24 °C outdoor, 26/18.5 °C room, 10 kW + 6 kW.
ChartProcessData metricReheat() {
  ChartProcessData p;
  p.Kind = 2;
  const double s[kPointCount][2] = {{35, 24},     {28.2, 20.0}, {9.9, 9.4},
                                    {14.0, 11.4}, {26, 18.5},   {9.1, 9.1}};
  for (int k = 0; k < kPointCount; ++k) p.point[k] = {s[k][0], s[k][1], 0};
  return p;
}
// English office without reheat: 95/75 °F outdoor, 78/65 °F room.
ChartProcessData englishCooling() {
  ChartProcessData p;
  p.Kind = 1;
  const double s[kPointCount][2] = {{95, 75},     {81.7, 67.4}, {58.5, 57.0},
                                    {58.5, 57.0}, {78, 65},     {54.4, 54.4}};
  for (int k = 0; k < kPointCount; ++k) p.point[k] = {s[k][0], s[k][1], 0};
  return p;
}
// Metric heating: 0 °C / 80 % outdoor, 20 °C / 50 % room, coil to 45 °C.
ChartProcessData metricHeating() {
  ChartProcessData p;
  p.Kind = 3;
  const double s[kPointCount][2] = {{0, -1.1},    {11.6, 8.3}, {49.6, 22.2},
                                    {45.0, 22.2}, {20, 13.9},  {49.6, 22.2}};
  for (int k = 0; k < kPointCount; ++k) p.point[k] = {s[k][0], s[k][1], 0};
  return p;
}

class ChartDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    resetChart();
    setSeparators(Separators{'.', ','});
    test::writeAll(fx.path("Data.dat"), chartDataFileBytes());
    ASSERT_EQ(LoadChartData(), ChartDataStatus::Ok);
  }
  void TearDown() override { resetChart(); }

  // Draws on a fresh image of w × h; the image is kept in image_.
  bool draw(const ChartProcessData& p, bool english, ChartRange range, int w = 1400, int h = 990,
            bool rotated = false) {
    SetChartProcess(p);
    image_ = QImage(w, h, QImage::Format_RGB32);
    image_.fill(Qt::white);
    QPainter painter(&image_);
    ChartDevice device(&painter, w, h);
    device.Tag = "10";
    return DrawPsychrometricChart(device, rotated, english, range.MinTemp, range.MaxTemp,
                                  range.MaxAbsHum);
  }

  test::ProgramFolderFixture fx;
  QImage image_;
};

// Do two text boxes overlap (more than touching)?
bool boxesOverlap(const QPolygonF& a, const QPolygonF& b) {
  for (const QPolygonF* p : {&a, &b}) {
    for (int i = 0; i < p->size(); ++i) {
      const QPointF e = p->at((i + 1) % p->size()) - p->at(i);
      if (std::hypot(e.x(), e.y()) < 1e-9) continue;
      const QPointF n(-e.y(), e.x());
      double a0 = 1e300, a1 = -1e300, b0 = 1e300, b1 = -1e300;
      for (const QPointF& q : a) {
        const double d = q.x() * n.x() + q.y() * n.y();
        a0 = std::min(a0, d), a1 = std::max(a1, d);
      }
      for (const QPointF& q : b) {
        const double d = q.x() * n.x() + q.y() * n.y();
        b0 = std::min(b0, d), b1 = std::max(b1, d);
      }
      if (a1 <= b0 + 1e-6 || b1 <= a0 + 1e-6) return false;
    }
  }
  return true;
}

// The state's relative humidity (per cent) by Carrier's equation.
double stateRH(double db, double wb, bool english) {
  const auto f = [english](double t) { return static_cast<float>(english ? t : t * 9 / 5 + 32); };
  float rh = 0, gr = 0;
  psy::FindRH(f(db), f(wb), rh, gr);
  return rh * 100.0;
}

}  // namespace

// Step 3's scale: eleven digits of margin on the left, the humidity labels and
// the rotated title on the right, 2.6 text heights below W = 0, 3.9 above the top.
TEST_F(ChartDrawing, ScaleOfTheMetricCoolingChart) {
  ASSERT_TRUE(draw(metricReheat(), false, defaultChartRange(false, false)));
  const DrawnChart& d = lastDrawing();
  ASSERT_TRUE(d.ok);
  const ChartModule& m = chartModule();
  EXPECT_EQ(m.ChartMinTemp, -13);
  EXPECT_EQ(m.ChartMaxTemp, 54);
  EXPECT_EQ(m.ChartMaxAbsHum, 60);
  // The chart area lies inside the page.
  const QPointF bottomLeft = d.toPixel(-13, 0), topRight = d.toPixel(54, 60);
  EXPECT_GT(bottomLeft.x(), 0);
  EXPECT_LT(topRight.x(), 1400);
  EXPECT_GT(topRight.y(), 0);
  EXPECT_LT(bottomLeft.y(), 990);
  // 2.6 text heights under the axis, 3.9 above the top.
  EXPECT_NEAR((990 - bottomLeft.y()) * d.sy, 2.6 * d.TH, 1e-6);
  EXPECT_NEAR(topRight.y() * d.sy, 3.9 * d.TH, 1e-6);
  // Where the saturation curve meets the top: Wsat there is the top.
  const clsDataPoints& t = *m.ChartData;
  const int i = static_cast<int>(std::floor(d.tTop));
  const double f = d.tTop - i;
  EXPECT_NEAR((1 - f) * t.row(i).AbsHum[10] + f * t.row(i + 1).AbsHum[10], 60.0, 1e-9);
  // The enthalpy scale: the saturation enthalpies at both ends of the chord.
  EXPECT_NEAR(m.SatChordSlope, (d.tTop + 13) / (60 - t.row(-13).AbsHum[10]), 1e-12);
  // Enthalpy per degree along the scale: the chord's two saturation enthalpies.
  const double hTop = (1 - f) * t.row(i).Enth + f * t.row(i + 1).Enth;
  EXPECT_NEAR(m.EnthPerDegree, (hTop - t.row(-13).Enth) / (d.tTop + 13), 1e-12);
}

// The process points lie on the chart's wet-bulb lines: step 12's mix of the
// lines of the two whole degrees around the wet bulb.
TEST_F(ChartDrawing, ProcessPointsOnTheWetBulbLines) {
  ASSERT_TRUE(draw(metricReheat(), false, defaultChartRange(false, false)));
  const clsDataPoints& t = *chartModule().ChartData;
  const auto y = [&t](int r, double db) {
    return (t.row(r).TempX0 - db) * t.row(r).AbsHum[10] / (t.row(r).TempX0 - r);
  };
  // M: 28.2 °C dry bulb, 20.0 °C wet bulb: exactly on the line of row 20.
  EXPECT_NEAR(chartModule().Process.point[kPointM].AbsHum, y(20, 28.2), 1e-12);
  // N: wet bulb 24 → row 24 with f = 1.
  EXPECT_NEAR(chartModule().Process.point[kPointN].AbsHum, y(24, 35), 1e-12);
  // S: 11.4 → 0.6 of row 11 and 0.4 of row 12.
  EXPECT_NEAR(chartModule().Process.point[kPointS].AbsHum, 0.6 * y(11, 14) + 0.4 * y(12, 14),
              1e-12);
  // ADP on the saturation curve (the lines are parallel, so the mix of the
  // two lines at the dry bulb is the saturation humidity interpolated).
  EXPECT_NEAR(chartModule().Process.point[kPointADP].AbsHum,
              0.9 * t.row(9).AbsHum[10] + 0.1 * t.row(10).AbsHum[10], 1e-9);
  // A wet bulb below the chart takes the first pair of lines, above it the last.
  EXPECT_NEAR(processAbsHum(-15, -20), 8 * y(-13, -15) - 7 * y(-12, -15), 1e-9);
  EXPECT_NEAR(processAbsHum(54, 60), -6 * y(53, 54) + 7 * y(54, 54), 1e-9);
}

// Cooling is drawn in blue, heating in red; Kind 1 has no S, Kind 2 has.
TEST_F(ChartDrawing, ProcessColoursAndPoints) {
  ASSERT_TRUE(draw(englishCooling(), true, defaultChartRange(true, false)));
  const DrawnChart& e = lastDrawing();
  EXPECT_FALSE(e.pointDrawn[kPointS]);
  EXPECT_TRUE(e.pointDrawn[kPointADP]);
  const QPoint n = e.pointPixel[kPointN].toPoint();
  EXPECT_EQ(image_.pixel(n), qRgb(0, 0, 255));
  EXPECT_EQ(e.pointRadius, 3);  // nearest(0.002 × 1400) pixels

  ASSERT_TRUE(draw(metricReheat(), false, defaultChartRange(false, false)));
  EXPECT_TRUE(lastDrawing().pointDrawn[kPointS]);

  ASSERT_TRUE(draw(metricHeating(), false, defaultChartRange(false, true)));
  const DrawnChart& h = lastDrawing();
  EXPECT_TRUE(h.pointDrawn[kPointS]);
  EXPECT_FALSE(h.pointDrawn[kPointADP]);
  EXPECT_EQ(image_.pixel(h.pointPixel[kPointT].toPoint()), qRgb(224, 0, 0));
  EXPECT_EQ(chartModule().ChartMaxTemp, 65);
}

// Step 7's thinning: a wet-bulb line only where the saturation humidity has
// risen past Wsat + 1/k + TH/3 of the line drawn before.
TEST_F(ChartDrawing, WetBulbLinesThinnedWhereTheyCrowd) {
  ASSERT_TRUE(draw(englishCooling(), true, defaultChartRange(true, false), 1024, 600));
  const DrawnChart& d = lastDrawing();
  const clsDataPoints& t = *chartModule().ChartData;
  std::vector<int> expected;
  double threshold = 0;
  for (int r = 9; r <= 128; ++r) {
    const double ws = t.row(r).AbsHum[10];
    if (ws <= 420) {
      if (ws > threshold) {
        threshold = ws + 1 / t.TempVsAbsHum() + d.TH / 3;
        expected.push_back(r);
      }
    } else if (t.row(r).TempX0 < 129) {
      expected.push_back(r);
    }
  }
  EXPECT_EQ(d.wetBulbLines, expected);
  // On a low page the cold end of the English chart is thinned.
  EXPECT_LT(std::count_if(expected.begin(), expected.end(), [](int r) { return r < 40; }), 31);
  EXPECT_GT(std::count_if(expected.begin(), expected.end(), [](int r) { return r < 40; }), 5);
}

// No number or label of the chart covers another, in any of the three studies.
TEST_F(ChartDrawing, LabelsKeepClearOfEachOther) {
  struct Case {
    ChartProcessData p;
    bool english;
    bool heating;
  };
  for (const Case& c : {Case{metricReheat(), false, false}, Case{englishCooling(), true, false},
                        Case{metricHeating(), false, true}}) {
    for (QSize size : {QSize(1400, 990), QSize(1920, 1080), QSize(1024, 700)}) {
      ASSERT_TRUE(draw(c.p, c.english, defaultChartRange(c.english, c.heating), size.width(),
                       size.height()));
      const std::vector<DrawnLabel>& l = lastDrawing().labels;
      for (size_t i = 0; i < l.size(); ++i)
        for (size_t j = i + 1; j < l.size(); ++j)
          EXPECT_FALSE(boxesOverlap(l[i].box, l[j].box))
              << size.width() << " english " << c.english << ": \"" << l[i].text.toStdString()
              << "\" and \"" << l[j].text.toStdString() << "\"";
    }
  }
}

// The readout over each drawn process point gives back the state: dry bulb,
// wet bulb and relative humidity within 0.3. Next to a point, the pixel's own
// chart position is read, within a pixel's worth of the state.
TEST_F(ChartDrawing, ReadoutOverTheProcessPoints) {
  struct Case {
    ChartProcessData p;
    bool english;
  };
  for (const Case& c : {Case{metricReheat(), false}, Case{englishCooling(), true}}) {
    ASSERT_TRUE(draw(c.p, c.english, defaultChartRange(c.english, false), 1920, 1080));
    const DrawnChart& d = lastDrawing();
    for (int k = 0; k < kPointCount; ++k) {
      if (!d.pointDrawn[k]) continue;
      const ChartStatePoint& s = c.p.point[k];
      // The mouse stands on the pixel where the point was drawn.
      const QPoint pixel(static_cast<int>(std::floor(d.pointPixel[k].x())),
                         static_cast<int>(std::floor(d.pointPixel[k].y())));
      const ChartReadout r = ReadoutAtPixel(pixel);
      EXPECT_NEAR(r.tempD, s.DryBulb, 0.3) << pointLabel(k).toStdString();
      EXPECT_NEAR(r.tempW, s.WetBulb, 0.3) << pointLabel(k).toStdString();
      EXPECT_NEAR(r.relHum, stateRH(s.DryBulb, s.WetBulb, c.english), 0.3)
          << pointLabel(k).toStdString();
      EXPECT_EQ(r.TempD, FormatNumber(r.tempD, "0.0"));
      EXPECT_EQ(r.RelHum, FormatNumber(r.relHum, "0") + "%");
      // Two pixels beside the point, outside its circle: the pixel's position.
      const QPoint beside = pixel + QPoint(d.pointRadius + 3, 0);
      const ChartReadout b = ReadoutAtPixel(beside);
      const QPointF at = d.pixelToChart(beside);
      EXPECT_NEAR(b.tempD, at.x(), 1e-9);
      EXPECT_NEAR(b.absHum, at.y(), 1e-9);
      EXPECT_NEAR(b.tempD, s.DryBulb, (d.pointRadius + 4) * d.sx);
    }
  }
}

// Below the zero-humidity axis: no wet bulb, no relative humidity. Above the
// saturation curve: no relative humidity. Left of the first wet-bulb line's
// foot: no wet bulb. Outside the dry-bulb range: no relative humidity.
TEST_F(ChartDrawing, ReadoutDashes) {
  ASSERT_TRUE(draw(metricReheat(), false, defaultChartRange(false, false)));
  ChartReadout r = ReadoutAt(20, -0.5);
  EXPECT_EQ(r.TempW, "---");
  EXPECT_EQ(r.RelHum, "---");
  EXPECT_EQ(r.TempD, "20.0");
  EXPECT_EQ(r.AbsHum, "-0.5");

  r = ReadoutAt(20, 16);  // Wsat(20 °C) = 14.7
  EXPECT_EQ(r.RelHum, "---");
  EXPECT_NE(r.TempW, "---");

  r = ReadoutAt(-13.5, 0);  // x0 = -13.5 < TempX0(-13) = -10.08
  EXPECT_EQ(r.TempW, "---");

  r = ReadoutAt(60, 10);
  EXPECT_EQ(r.RelHum, "---");

  // On the saturation curve at a whole degree: that wet bulb, 100 %.
  const double ws = chartModule().ChartData->row(20).AbsHum[10];
  r = ReadoutAt(20, ws);
  EXPECT_NEAR(r.tempW, 20, 1e-9);
  EXPECT_EQ(r.RelHum, "100%");
  EXPECT_EQ(r.TempW, "20.0");
  // Half-way between the 40 % and 50 % curves at 30 °C: 45 %.
  const ChartRow& row30 = chartModule().ChartData->row(30);
  r = ReadoutAt(30, (row30.AbsHum[4] + row30.AbsHum[5]) / 2);
  EXPECT_NEAR(r.relHum, 45, 1e-9);
}

// The enthalpy read is that of the air at the point: the saturation enthalpy
// of the table on the curve, and the moist-air relation elsewhere (35 °C with
// 14.22 g/kg: 0.24 × 95 + 0.01422 × (1060.5 + 0.45 × 95) = 38.5 Btu/lb,
// 89.5 kJ/kg at the results screen's factors).
TEST_F(ChartDrawing, ReadoutEnthalpyOfThePoint) {
  ASSERT_TRUE(draw(metricReheat(), false, defaultChartRange(false, false)));
  const clsDataPoints& t = *chartModule().ChartData;
  for (int r : {-13, 0, 20, 40})
    EXPECT_NEAR(ReadoutAt(r, t.row(r).AbsHum[10]).enth, t.row(r).Enth, 1e-3) << r;
  const double btu = 0.24 * 95 + 0.01422 * (1060.5 + 0.45 * 95);
  const ChartReadout n = ReadoutAt(35, 14.22);
  EXPECT_NEAR(n.enth, btu * 0.2518301785 / 0.45359 * 4.18675, 0.01);
  EXPECT_EQ(n.Enth, "89.5");
  // English: Btu/lb directly.
  ASSERT_TRUE(draw(englishCooling(), true, defaultChartRange(true, false)));
  EXPECT_NEAR(ReadoutAt(95, 99.5).enth, 0.24 * 95 + 99.5 / 7000 * (1060.5 + 0.45 * 95), 1e-3);
}

// The rotated page: a portrait page holds the same chart turned by 90°; a
// process point lands on the device where SetOriginalXY puts it.
TEST_F(ChartDrawing, RotatedPortraitPage) {
  ASSERT_TRUE(draw(metricHeating(), false, defaultChartRange(false, true), 990, 1400, true));
  const DrawnChart& d = lastDrawing();
  EXPECT_TRUE(d.rotated);
  EXPECT_EQ(d.pixelWidth, 1400);  // the surface is as wide as the page is high
  EXPECT_EQ(d.pixelHeight, 990);
  const QPointF p = d.pointPixel[kPointT];
  int32_t x = static_cast<int32_t>(std::lround(p.x())),
          y = static_cast<int32_t>(std::lround(p.y()));
  const int32_t devX = y, devY = 1400 - x;  // SetOriginalXY of the rotated surface
  EXPECT_EQ(image_.pixel(devX, devY), qRgb(224, 0, 0));
}

// A page too small for a chart is refused, not divided by zero.
TEST_F(ChartDrawing, TooSmallPageDrawsNoChart) {
  EXPECT_FALSE(draw(metricReheat(), false, defaultChartRange(false, false), 120, 80));
  EXPECT_FALSE(lastDrawing().ok);
  const ChartReadout r = ReadoutAt(20, 5);
  EXPECT_EQ(r.TempD, "---");
}

// ---- files ----------------------------------------------------------------------------------

TEST_F(ChartDrawing, ExportWritesValidPngSvgAndPdf) {
  SetChartProcess(metricReheat());
  ChartRequest req;
  req.english = false;
  req.range = defaultChartRange(false, false);

  ASSERT_TRUE(exportChart(fx.path("c.png"), ExportFormat::Png, QSize(), req));
  QImage png;
  ASSERT_TRUE(png.load(fx.path("c.png")));
  EXPECT_EQ(png.size(), QSize(3508, 2480));
  EXPECT_NE(png.pixel(png.width() / 2, png.height() / 2), 0u);
  // The process is on the picture, scaled: its blue somewhere in it.
  int blue = 0;
  for (int yy = 0; yy < png.height(); yy += 2)
    for (int xx = 0; xx < png.width(); xx += 2) blue += png.pixel(xx, yy) == qRgb(0, 0, 255);
  EXPECT_GT(blue, 100);

  ASSERT_TRUE(exportChart(fx.path("c.svg"), ExportFormat::Svg, QSize(1400, 990), req));
  QSvgRenderer svg(fx.path("c.svg"));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 1400, 990));
  EXPECT_TRUE(test::readAll(fx.path("c.svg")).contains("Ψυχρομετρικός Χάρτης"));

  ASSERT_TRUE(exportChart(fx.path("c.pdf"), ExportFormat::Pdf, QSize(), req));
  const QByteArray pdf = test::readAll(fx.path("c.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 842.000000 595.000000]")) << "an A4 landscape page";
}

// An output that cannot be written leaves nothing behind and says why.
TEST_F(ChartDrawing, ExportFailureLeavesNoFile) {
  ChartRequest req;
  req.range = defaultChartRange(false, false);
  QString error;
  EXPECT_FALSE(
      exportChart(fx.path("no/such/folder/c.png"), ExportFormat::Png, QSize(), req, &error));
  EXPECT_FALSE(error.isEmpty());
  // Without the tables there is no chart: nothing is written.
  resetChart();
  EXPECT_FALSE(exportChart(fx.path("c.png"), ExportFormat::Png, QSize(), req, &error));
  EXPECT_FALSE(QFile::exists(fx.path("c.png")));
}

// A drawing for a file leaves the window's drawing (its readout) as it was.
TEST_F(ChartDrawing, ExportKeepsTheWindowsDrawing) {
  ASSERT_TRUE(draw(metricReheat(), false, defaultChartRange(false, false), 1920, 1080));
  const DrawnChart before = lastDrawing();
  const double x0 = chartModule().EnthAxisX0;
  ChartRequest req;
  req.english = true;
  req.range = defaultChartRange(true, false);
  ASSERT_TRUE(exportChart(fx.path("e.png"), ExportFormat::Png, QSize(800, 600), req));
  EXPECT_EQ(lastDrawing().sx, before.sx);
  EXPECT_EQ(chartModule().EnthAxisX0, x0);
  EXPECT_EQ(chartModule().TempUnit, "C");
  EXPECT_EQ(chartModule().ChartData, chartModule().MetricChartData.get());
}
