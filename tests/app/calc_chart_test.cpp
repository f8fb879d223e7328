// aeriton-calc --chart as its own process: the chart of a computed study or of
// a results file, in PNG, SVG and PDF, without a screen and whatever the
// locale; clear refusals of wrong options and of a missing chart table.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSvgRenderer>

#include "CalcProcess.h"
#include "TestSupport.h"

using namespace aeriton;

namespace calc_chart_tests {
namespace {

using test::CalcRun;
using test::runCalc;

// Outdoor 35/24 °C, room 26/18.5 °C, 10 kW + 6 kW (kcal/h), 600 m³/h: reheat.
QByteArray metricData() {
  return QByteArray(
      "\"AAA_NA\",0\r\n35,24,40.9\r\n26,18.5,49.6\r\n8598.55,5159.13\r\n600,0\r\n"
      "1,1,0,-100000,0\r\n1,0,0,0,\"C\"\r\n600\r\n");
}

}  // namespace

// A data file computed and its chart drawn: the results file and an A4 picture
// at 300 dpi with the process on it.
TEST(CalcChart, ComputedStudyToPng) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("s.dat"), metricData());
  const CalcRun r =
      runCalc({fx.path("s.dat"), "-o", fx.path("s.res"), "--chart", fx.path("s.png")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(QFile::exists(fx.path("s.res")));
  QImage png;
  ASSERT_TRUE(png.load(fx.path("s.png")));
  EXPECT_EQ(png.size(), QSize(3508, 2480));
  int blue = 0;
  for (int y = 0; y < png.height(); y += 2)
    for (int x = 0; x < png.width(); x += 2) blue += png.pixel(x, y) == qRgb(0, 0, 255);
  EXPECT_GT(blue, 100) << "the cooling process in blue";
}

// Results read from a file (a saved study has their layout): SVG of a given
// size and an A4 PDF; nothing on standard output.
TEST(CalcChart, ResultsFileToSvgAndPdf) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("s.dat"), metricData());
  ASSERT_EQ(runCalc({fx.path("s.dat"), "-o", fx.path("Office.AIR")}).exitCode, 0);
  const CalcRun svg = runCalc(
      {"--results", fx.path("Office.AIR"), "--chart", fx.path("c.svg"), "--size", "1400x990"});
  ASSERT_EQ(svg.exitCode, 0) << svg.err.toStdString();
  EXPECT_TRUE(svg.out.isEmpty());
  QSvgRenderer renderer(fx.path("c.svg"));
  EXPECT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 1400, 990));

  const CalcRun pdf = runCalc({"--results", fx.path("Office.AIR"), "--chart", fx.path("c.PDF")});
  ASSERT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
  const QByteArray bytes = test::readAll(fx.path("c.PDF"));
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.contains("/MediaBox [0 0 842.000000 595.000000]"));
}

// The picture does not depend on the locale: a Greek user's chart is the same
// file byte for byte.
TEST(CalcChart, SamePictureUnderGreekLocale) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("s.dat"), metricData());
  ASSERT_EQ(runCalc({fx.path("s.dat"), "-o", fx.path("s.res")}).exitCode, 0);
  const QStringList c = {"--results",      fx.path("s.res"), "--chart",
                         fx.path("c.png"), "--size",         "800x600"};
  const QStringList g = {"--results",      fx.path("s.res"), "--chart",
                         fx.path("g.png"), "--size",         "800x600"};
  ASSERT_EQ(runCalc(c, AERITON_CALC_EXE, "C.UTF-8").exitCode, 0);
  ASSERT_EQ(runCalc(g, AERITON_CALC_EXE, "el_GR.UTF-8").exitCode, 0);
  EXPECT_EQ(test::readAll(fx.path("c.png")), test::readAll(fx.path("g.png")));
}

// Wrong options are refused before anything is computed or written.
TEST(CalcChart, WrongOptionsRefused) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("s.dat"), metricData());
  const CalcRun suffix =
      runCalc({fx.path("s.dat"), "-o", fx.path("s.res"), "--chart", fx.path("c.bmp")});
  EXPECT_EQ(suffix.exitCode, 2);
  EXPECT_TRUE(suffix.err.contains(".png, .svg or .pdf")) << suffix.err.toStdString();
  EXPECT_FALSE(QFile::exists(fx.path("s.res")));
  EXPECT_EQ(runCalc({fx.path("s.dat"), "--chart", fx.path("c.png"), "--size", "big"}).exitCode, 2);
  EXPECT_EQ(runCalc({fx.path("s.dat"), "--chart", fx.path("c.png"), "--size", "90000x10"}).exitCode,
            2);
  EXPECT_EQ(runCalc({fx.path("s.dat"), "--size", "800x600"}).exitCode, 2);
  EXPECT_EQ(runCalc({fx.path("s.dat"), "--results", fx.path("s.res")}).exitCode, 2);
  EXPECT_EQ(runCalc({"--chart"}).exitCode, 2);
  EXPECT_FALSE(QFile::exists(fx.path("c.png")));
  // A results file that is not one: the line is named, exit 3.
  test::writeAll(fx.path("bad.res"), "\"AAA_NA\",0\r\nx,y,z\r\n");
  const CalcRun bad = runCalc({"--results", fx.path("bad.res"), "--chart", fx.path("c.png")});
  EXPECT_EQ(bad.exitCode, 3);
  EXPECT_TRUE(bad.err.contains("bad.res"));
  EXPECT_FALSE(QFile::exists(fx.path("c.png")));
}

// Without "Data.dat" beside the program: the Greek message naming the file,
// exit 2, no picture.
TEST(CalcChart, MissingChartTable) {
  test::ProgramFolderFixture fx;
  const QString exe = fx.path("aeriton-calc");
  ASSERT_TRUE(QFile::copy(QStringLiteral(AERITON_CALC_EXE), exe));
  QFile(exe).setPermissions(QFile(exe).permissions() | QFileDevice::ExeOwner);
  test::writeAll(fx.path("s.dat"), metricData());
  ASSERT_EQ(runCalc({fx.path("s.dat"), "-o", fx.path("s.res")}).exitCode, 0);
  const CalcRun r = runCalc({"--results", fx.path("s.res"), "--chart", fx.path("c.png")}, exe);
  EXPECT_EQ(r.exitCode, 2);
  const QString err = QString::fromUtf8(r.err);
  EXPECT_TRUE(err.contains(QString::fromUtf8("ΔΕΝ βρέθηκε το Αρχείο < Data.dat >")))
      << err.toStdString();
  EXPECT_TRUE(err.contains(fx.path("Data.dat")));
  EXPECT_FALSE(QFile::exists(fx.path("c.png")));
}

}  // namespace calc_chart_tests
