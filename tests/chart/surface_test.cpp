// The drawing surfaces over a QPainter device: the user scale, the rotated
// surface's mapping, LineTo's styles, the colour conventions, the background
// erase, and NiceStep.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "chart/ChartDevice.h"
#include "chart/DrawSurface.h"
#include "chart/PsyDraw.h"

using namespace aeriton::chart;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// A device that records the colours its primitives are handed.
class SpyDevice : public ChartDevice {
 public:
  using ChartDevice::ChartDevice;
  void PSet(double x, double y, OleColor c) override {
    colours.push_back(c);
    ChartDevice::PSet(x, y, c);
  }
  void Line(double x1, double y1, double x2, double y2, OleColor c, int box) override {
    colours.push_back(c);
    ChartDevice::Line(x1, y1, x2, y2, c, box);
  }
  void Circle(double x, double y, double r, OleColor c) override {
    colours.push_back(c);
    ChartDevice::Circle(x, y, r, c);
  }
  std::vector<OleColor> colours;
};

struct Page {
  explicit Page(int w = 200, int h = 100) : image(w, h, QImage::Format_RGB32), painter(&image) {
    image.fill(Qt::white);
  }
  int count(QRgb c) const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == c;
    return n;
  }
  QImage image;
  QPainter painter;
};

}  // namespace

// The device's own scale: user units to pixels and back, ScaleMode 3 resets it.
TEST(ChartDeviceScale, UserScaleMapsToPixels) {
  Page page;
  ChartDevice d(&page.painter, 200, 100);
  EXPECT_EQ(d.ScaleMode(), kScalePixels);
  EXPECT_EQ(d.ScaleWidth(), 200);
  d.setScaleLeft(-10);
  d.setScaleTop(50);
  d.setScaleWidth(20);
  d.setScaleHeight(-50);  // y upwards, 50 at the top, 0 at the bottom
  EXPECT_EQ(d.ScaleMode(), kScaleUser);
  EXPECT_DOUBLE_EQ(d.toPixelX(0), 100);
  EXPECT_DOUBLE_EQ(d.toPixelY(0), 100);
  EXPECT_DOUBLE_EQ(d.toPixelY(50), 0);
  EXPECT_DOUBLE_EQ(d.fromPixelX(50), -5);
  // A text measured in user units is its pixel width scaled (y: signed).
  EXPECT_NEAR(d.TextWidth("000"), d.textWidthPixels("000") * 20 / 200, 1e-12);
  EXPECT_NEAR(d.TextHeight("0"), -d.textHeightPixels("0") * 50 / 100, 1e-12);
  d.setScaleMode(kScalePixels);
  EXPECT_EQ(d.ScaleLeft(), 0);
  EXPECT_EQ(d.ScaleHeight(), 100);
}

// clsDrawRot90: logical ScaleWidth w and ScaleLeft l put x = l on the device's
// bottom edge and x = l + w on its top edge; logical y runs along device x.
TEST(ChartSurfaceRot90, ScaleWidthAndLeftMapToTheDeviceEdges) {
  Page page(300, 500);  // portrait
  ChartDevice d(&page.painter, 300, 500);
  clsDrawRot90 s;
  s.Initialize(&d);
  EXPECT_EQ(s.RotateAngle(), 90);
  EXPECT_EQ(s.OriginalWidth(), 500);  // the surface is as wide as the device is high
  EXPECT_EQ(s.OriginalHeight(), 300);
  // After Initialize: device y from 0 at the bottom edge upwards.
  EXPECT_DOUBLE_EQ(d.ScaleHeight(), -500);
  EXPECT_DOUBLE_EQ(d.ScaleTop(), 500);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 500);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), 300);
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), 0);

  s.setScaleWidth(80);  // logical x: 10 .. 90
  s.setScaleLeft(10);
  EXPECT_DOUBLE_EQ(d.fromPixelY(500), 10);  // bottom edge
  EXPECT_DOUBLE_EQ(d.fromPixelY(0), 90);    // top edge
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), 10);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 80);
  s.setScaleHeight(-60);  // logical y upwards: 60 at the left edge, 0 at the right
  s.setScaleTop(60);
  EXPECT_DOUBLE_EQ(d.fromPixelX(0), 60);
  EXPECT_DOUBLE_EQ(d.fromPixelX(300), 0);

  // The current point swaps.
  s.setCurrentX(25);
  s.setCurrentY(7);
  EXPECT_EQ(d.CurrentY, 25);
  EXPECT_EQ(d.CurrentX, 7);

  // A line along logical x at y = 30 is a vertical line on the device at
  // x = 150 (half-way), from near the bottom (x = 20) to near the top (x = 80).
  s.LineFrom(false, 20, 30, false, 80, 30, RGB(255, 0, 0), 0);
  EXPECT_EQ(page.image.pixel(150, 250), qRgb(255, 0, 0));
  EXPECT_EQ(page.image.pixel(150, 20), kWhite);  // x = 86.8: beyond the line's end
  EXPECT_EQ(page.image.pixel(100, 250), kWhite);

  // Pixels of the unrotated surface (y from the top) to device pixels.
  int32_t x = 100, y = 40;
  s.SetOriginalXY(x, y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 400);
  clsDrawNormal n;
  n.Initialize(&d);
  x = 100, y = 40;
  n.SetOriginalXY(x, y);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 40);
}

// Text measured on the rotated surface at pixel scale is the device's pixel
// measure: the width along logical x, the height along logical y.
TEST(ChartSurfaceRot90, TextMeasuresInPixelsBeforeTheScale) {
  Page page(300, 500);
  ChartDevice d(&page.painter, 300, 500);
  clsDrawRot90 s;
  s.Initialize(&d);
  EXPECT_NEAR(s.TextWidth("00000"), d.textWidthPixels("00000"), 1e-9);
  EXPECT_NEAR(s.TextHeight("0"), d.textHeightPixels("0"), 1e-9);
  clsDrawNormal n;
  n.Initialize(&d);
  EXPECT_NEAR(n.TextWidth("00000"), d.textWidthPixels("00000"), 1e-9);
}

// Style 3 draws nothing and leaves the current point; 1 a box outline; 2 a
// filled box; the end point becomes current.
TEST(ChartSurfaceLineTo, StylesAndCurrentPoint) {
  Page page;
  ChartDevice d(&page.painter, 200, 100);
  clsDrawNormal s;
  s.Initialize(&d);
  s.setCurrentX(10);
  s.setCurrentY(10);
  s.LineTo(false, 50, 50, RGB(0, 0, 0), 3);
  EXPECT_EQ(page.count(kWhite), 200 * 100);
  EXPECT_EQ(s.CurrentX(), 10);
  EXPECT_EQ(s.CurrentY(), 10);

  s.LineTo(false, 50, 50, RGB(0, 0, 255), 2);  // filled
  EXPECT_EQ(page.image.pixel(30, 30), qRgb(0, 0, 255));
  EXPECT_EQ(s.CurrentX(), 50);
  s.LineFrom(false, 100, 10, true, 40, 40, RGB(255, 0, 0), 1);  // outline 100..140
  EXPECT_EQ(page.image.pixel(120, 30), kWhite);                 // inside stays
  EXPECT_EQ(page.image.pixel(120, 10), qRgb(255, 0, 0));        // top edge
  EXPECT_EQ(s.CurrentX(), 140);
  EXPECT_EQ(s.CurrentY(), 50);
}

// LineTo's -1 is the foreground colour, handed to the device as that colour;
// PointSet's and CircleP's foreground is 1, and PointSet hands -1 on as it is.
TEST(ChartSurfaceColours, ConventionsOfEachOperation) {
  Page page;
  SpyDevice d(&page.painter, 200, 100);
  clsDrawNormal s;
  s.Initialize(&d);
  d.ForeColor = RGB(0, 128, 0);
  s.LineFrom(false, 0, 5, false, 199, 5);  // default colour -1
  ASSERT_EQ(d.colours.size(), 1u);
  EXPECT_EQ(d.colours[0], RGB(0, 128, 0));
  EXPECT_EQ(page.image.pixel(100, 5), qRgb(0, 128, 0));

  s.PointSet(20, 50, 1);
  s.PointSet(40, 50, -1);
  s.PointSet(60, 50, RGB(0, 0, 255));
  s.CircleP(false, 100, 50, 5, 1);
  ASSERT_EQ(d.colours.size(), 5u);
  EXPECT_EQ(d.colours[1], RGB(0, 128, 0));
  EXPECT_EQ(d.colours[2], -1);
  EXPECT_EQ(d.colours[3], RGB(0, 0, 255));
  EXPECT_EQ(d.colours[4], RGB(0, 128, 0));
  EXPECT_EQ(page.image.pixel(20, 50), qRgb(0, 128, 0));
  EXPECT_EQ(page.image.pixel(60, 50), qRgb(0, 0, 255));
  // A negative colour reaching the device is its foreground too.
  EXPECT_EQ(page.image.pixel(40, 50), qRgb(0, 128, 0));
}

// With FontTransparent the background under a text stays; without it, the
// text's box (a little larger) is cleared to the background colour first.
TEST(ChartSurfaceText, TransparentTextLeavesTheBackground) {
  for (bool transparent : {true, false}) {
    Page page;
    page.image.fill(qRgb(0, 0, 255));
    ChartDevice d(&page.painter, 200, 100);
    d.BackColor = RGB(255, 255, 255);
    d.ForeColor = RGB(0, 0, 0);
    clsDrawNormal s;
    s.Initialize(&d);
    s.setFontTransparent(transparent);
    s.setCurrentX(20);
    s.setCurrentY(20);
    s.PrintText("....");  // mostly background inside its box
    const int white = page.count(kWhite);
    if (transparent) {
      EXPECT_EQ(white, 0);
    } else {
      const double w = d.textWidthPixels("....") + 3, h = d.textHeightPixels("....") + 3;
      EXPECT_GT(white, 0.6 * w * h);
      // Step 4: a flat text's box starts one pixel left of the point.
      EXPECT_EQ(s.erasePolygon()[0], QPoint(19, 20));
      EXPECT_EQ(s.erasePolygon()[2], QPoint(static_cast<int>(nearestEven(19 + w)),
                                            static_cast<int>(nearestEven(20 + h))));
    }
    // The current point is where the print left it, past the text.
    EXPECT_NEAR(d.CurrentX, 20 + d.TextWidth("...."), 1e-9);
  }
}

// The erase box of a text at 90°: it runs up from the point, two pixels in.
TEST(ChartSurfaceText, EraseBoxAtNinetyDegrees) {
  Page page(200, 200);
  ChartDevice d(&page.painter, 200, 200);
  clsDrawNormal s;
  s.Initialize(&d);
  s.setFontTransparent(false);
  s.PrintRotatedText(90, "AB", 100, 150);
  const double w = d.textWidthPixels("AB") + 3, h = d.textHeightPixels("AB") + 3;
  // s = 1, c = 0: first corner (px, py + 1); no slant nudges at exactly 90°.
  const QPoint* p = s.erasePolygon();
  EXPECT_EQ(p[0], QPoint(100, 151));
  EXPECT_EQ(p[1], QPoint(100, static_cast<int>(nearestEven(151 - w))));
  EXPECT_EQ(p[2],
            QPoint(static_cast<int>(nearestEven(100 + h)), static_cast<int>(nearestEven(151 - w))));
  // The surface's own font stays at its angle.
  EXPECT_EQ(d.selectedAngle(), 0);
}

// The rotated surface keeps its fonts turned by 90° more than the text angle.
TEST(ChartSurfaceText, RotatedSurfaceFontAngles) {
  Page page(300, 500);
  ChartDevice d(&page.painter, 300, 500);
  clsDrawRot90 s;
  s.Initialize(&d);
  EXPECT_EQ(d.selectedAngle(), 90);
  s.SetTextAngle(33.4);
  EXPECT_EQ(d.selectedAngle(), 123);  // nearest(33.4 + 90)
  s.SetTextAngle(300);
  EXPECT_EQ(d.selectedAngle(), 30);  // (300 + 90) mod 360
  clsDrawNormal n;
  n.Initialize(&d);
  n.SetTextAngle(33.44);
  EXPECT_NEAR(d.selectedAngle(), 33.4, 1e-9);  // tenths of a degree
}

struct NiceCase {
  double x, step;
};
class NiceSteps : public ::testing::TestWithParam<NiceCase> {};
TEST_P(NiceSteps, SmallestOfTheSeriesNotBelow) {
  EXPECT_EQ(NiceStep(GetParam().x), GetParam().step) << GetParam().x;
}
INSTANTIATE_TEST_SUITE_P(Series, NiceSteps,
                         ::testing::Values(NiceCase{-3, 1}, NiceCase{0.4, 1}, NiceCase{1, 1},
                                           NiceCase{1.01, 2}, NiceCase{2, 2}, NiceCase{2.2, 5},
                                           NiceCase{5, 5}, NiceCase{7.5, 10}, NiceCase{10, 10},
                                           NiceCase{19, 20}, NiceCase{21, 50}, NiceCase{50, 50},
                                           NiceCase{51, 100}, NiceCase{900, 1000},
                                           NiceCase{std::nan(""), 1}));
