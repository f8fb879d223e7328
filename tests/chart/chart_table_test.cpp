// The chart table: what its numbers mean (against the property engine), the
// file's layout, reading it (short, damaged, missing), the cursor, and the
// range normalisation before every drawing.

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "TestSupport.h"
#include "chart/ChartData.h"
#include "chart/ChartTable.h"
#include "engine/Psychro.h"

using namespace aeriton;
using namespace aeriton::chart;

namespace {

constexpr double kKJKgPerBtuLb = 0.2518301785 / 0.45359 * 4.18675;

float fahrenheit(int t, bool metric) {
  return metric ? static_cast<float>(t) * 9.0f / 5.0f + 32.0f : static_cast<float>(t);
}

double leDouble(const QByteArray& b, int offset) {
  const quint64 bits = qFromLittleEndian<quint64>(b.constData() + offset);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

class ChartTable : public ::testing::Test {
 protected:
  void SetUp() override {
    resetChart();
    test::writeAll(fx.path("Data.dat"), chartDataFileBytes());
    ASSERT_EQ(LoadChartData(), ChartDataStatus::Ok);
  }
  void TearDown() override { resetChart(); }
  test::ProgramFolderFixture fx;
};

// One unit system's table against the engine, row by row.
void checkAgainstEngine(clsDataPoints& table, bool metric) {
  const double perLb = metric ? 1000.0 / psy::kGrainsPerLb : 1.0;  // grains -> g/kg or grains
  int checkedRH = 0, cells = 0;
  for (int t = table.MinTemp(); t <= table.MaxTemp(); ++t) {
    const float tF = fahrenheit(t, metric);
    clsDataPoint& p = table.Point(t);
    // Saturation by another road: Carrier's equation with the wet bulb at the
    // dry bulb gives the saturation pressure, FindRH its grains.
    float rh = 0, grains = 0;
    ASSERT_TRUE(psy::FindRH(tF, tF, rh, grains)) << t;
    EXPECT_NEAR(rh, 1.0f, 1e-5f) << t;
    EXPECT_NEAR(p.AbsHum(10), grains * perLb, 0.005) << "saturation at " << t;
    // Saturated enthalpy: the engine's FindEnthalpy at wet bulb = dry bulb.
    float h = 0, W = 0;
    psy::FindEnthalpy(tF, tF, h, W);
    EXPECT_NEAR(p.Enth(), metric ? h * kKJKgPerBtuLb : h, 0.005) << "enthalpy at " << t;
    // Every tenth of relative humidity: the grains the data screens' wet-bulb
    // search reports for that humidity.
    EXPECT_EQ(p.AbsHum(0), 0.0);
    for (int i = 1; i <= 9; ++i) {
      ++cells;
      float wb = 0, rhf = 0, gr = 0;
      if (!psy::FindWB(tF, i * 10.0f, false, wb, rhf, gr, psy::kTableHighExtended)) continue;
      ++checkedRH;
      EXPECT_NEAR(p.AbsHum(i), gr * perLb, 0.005) << t << " at " << i * 10 << " %";
    }
    // The foot of the row's wet-bulb line.
    EXPECT_NEAR(p.TempX0(), t - p.AbsHum(10) * table.TempVsAbsHum(), 1e-9) << t;
  }
  // Only the driest corners of the coldest rows have wet bulbs below the table.
  EXPECT_GT(checkedRH, cells * 9 / 10);
}

}  // namespace

TEST_F(ChartTable, MetricRowsAreTheEnginesHumiditiesAndEnthalpies) {
  checkAgainstEngine(*chartModule().MetricChartData, true);
}

TEST_F(ChartTable, EnglishRowsAreTheEnginesHumiditiesAndEnthalpies) {
  checkAgainstEngine(*chartModule().EnglishChartData, false);
}

// Both sets hold every default range of the chart.
TEST_F(ChartTable, TablesCoverTheDefaultRanges) {
  const clsDataPoints& m = *chartModule().MetricChartData;
  const clsDataPoints& e = *chartModule().EnglishChartData;
  for (bool heating : {false, true}) {
    const ChartRange rm = defaultChartRange(false, heating);
    const ChartRange re = defaultChartRange(true, heating);
    EXPECT_LE(m.MinTemp(), rm.MinTemp);
    EXPECT_GE(m.MaxTemp(), rm.MaxTemp);
    EXPECT_LE(e.MinTemp(), re.MinTemp);
    EXPECT_GE(e.MaxTemp(), re.MaxTemp);
  }
  EXPECT_EQ(m.MinTemp(), -23);
  EXPECT_EQ(m.MaxTemp(), 65);
  EXPECT_EQ(e.MinTemp(), -10);
  EXPECT_EQ(e.MaxTemp(), 150);
}

// The default ranges: metric -13..54 (cooling) / 65 (heating), 60 g/kg;
// English 9..129 / 149, 420 grains.
TEST(ChartRanges, DefaultsOfTheResults) {
  const ChartRange a = defaultChartRange(false, false), b = defaultChartRange(false, true);
  const ChartRange c = defaultChartRange(true, false), d = defaultChartRange(true, true);
  const auto same = [](ChartRange r, int lo, int hi, int top) {
    return r.MinTemp == lo && r.MaxTemp == hi && r.MaxAbsHum == top;
  };
  EXPECT_TRUE(same(a, -13, 54, 60));
  EXPECT_TRUE(same(b, -13, 65, 60));
  EXPECT_TRUE(same(c, 9, 129, 420));
  EXPECT_TRUE(same(d, 9, 149, 420));
  // The English values are the metric ones converted, halves to even.
  EXPECT_EQ(nearestEven(-13 * 9.0 / 5.0), -23);
  EXPECT_EQ(nearestEven(2.5), 2);
  EXPECT_EQ(nearestEven(3.5), 4);
  EXPECT_EQ(nearestEven(-0.5), 0);
}

// The wet-bulb lines' slope keeps states of summer design closest to Carrier's
// equation: a state placed on its straight line (wet bulb 55..82 F, up to
// 30 F of depression) is within 0.31 % RH of its Carrier humidity, and a
// slope a little either side does worse somewhere.
TEST(ChartSlope, StraightLinesStayCloseToCarrierForDesignStates) {
  const double k = wetBulbSlopeEnglish();
  EXPECT_NEAR(k, -0.6172, 0.0005);
  EXPECT_NEAR(wetBulbSlopeMetric(), k * 7.0 * 5.0 / 9.0, 1e-12);
  EXPECT_NEAR(wetBulbSlopeMetric(), -2.400, 0.002);

  // The error, recomputed here state by state.
  double worst = 0;
  for (int wb = 55; wb <= 82; ++wb) {
    for (int dep = 0; dep <= 30; dep += 2) {
      const float db = static_cast<float>(wb + dep);
      const double wsat = psy::HumidityRatio(psy::SatPressure(static_cast<float>(wb))) * 7000.0;
      const double onLine = wsat + dep / k;  // grains
      float rh = 0, grains = 0;
      ASSERT_TRUE(psy::FindRH(db, static_cast<float>(wb), rh, grains));
      const double pws = psy::SatPressure(db);
      const auto rhOf = [pws](double gr) {
        const double W = gr / 7000.0;
        return W * psy::kPressure / (psy::kRAir / psy::kRVapour + W) / pws * 100.0;
      };
      worst = std::max(worst, std::fabs(rhOf(onLine) - rhOf(grains)));
    }
  }
  EXPECT_LT(worst, 0.31);
  EXPECT_NEAR(wetBulbLineError(k), worst, 0.01);
  EXPECT_GT(wetBulbLineError(k - 0.003), worst);
  EXPECT_GT(wetBulbLineError(k + 0.003), worst);
}

// The file: the metric set then the English one, little-endian, 120 bytes a row.
TEST(ChartFile, LayoutAndLength) {
  const QByteArray b = chartDataFileBytes();
  const int metricRows = kMetricTableMax - kMetricTableMin + 1;
  const int englishRows = kEnglishTableMax - kEnglishTableMin + 1;
  EXPECT_EQ(b.size(), 2 * 16 + 120 * (metricRows + englishRows));
  EXPECT_EQ(leDouble(b, 0), wetBulbSlopeMetric());
  EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 8), -23);
  EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 12), 65);
  const int english = 16 + 120 * metricRows;
  EXPECT_EQ(leDouble(b, english), wetBulbSlopeEnglish());
  EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + english + 8), -10);
  EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + english + 12), 150);
  // Row 0 °C of the metric set: field 14 (index 13) is the saturation humidity.
  const int row0 = 16 + 120 * (0 - kMetricTableMin);
  EXPECT_NEAR(leDouble(b, row0 + 13 * 8), 3.773, 0.001);
  EXPECT_EQ(leDouble(b, row0 + 3 * 8), 0.0);  // 0 % RH
}

// The file the build put beside the programs is the one the engine makes now.
TEST(ChartFile, BuiltFileIsTheEnginesTable) {
  QFile f(QStringLiteral(AERITON_DATA_DAT));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << AERITON_DATA_DAT;
  EXPECT_EQ(f.readAll(), chartDataFileBytes());
}

// ---- reading -----------------------------------------------------------------------

TEST_F(ChartTable, MissingShortAndDamagedFilesLeaveTheTablesAlone) {
  const clsDataPoints* metric = chartModule().MetricChartData.get();
  const QByteArray good = chartDataFileBytes();

  QFile::remove(fx.path("Data.dat"));
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Missing);

  test::writeAll(fx.path("Data.dat"), good.left(good.size() - 1));
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Short);
  test::writeAll(fx.path("Data.dat"), good.left(10));
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Short);
  test::writeAll(fx.path("Data.dat"), QByteArray());
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Short);

  // A header whose last degree lies below its first.
  QByteArray bad = good;
  qToLittleEndian<qint32>(-30, bad.data() + 12);
  test::writeAll(fx.path("Data.dat"), bad);
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Damaged);
  // A header asking for millions of rows.
  bad = good;
  qToLittleEndian<qint32>(30000, bad.data() + 12);
  qToLittleEndian<qint32>(-30000, bad.data() + 8);
  test::writeAll(fx.path("Data.dat"), bad);
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Damaged);
  // Wet-bulb lines that rise to the right.
  bad = good;
  const double up = 2.0;
  quint64 bits;
  std::memcpy(&bits, &up, 8);
  qToLittleEndian<quint64>(bits, bad.data());
  test::writeAll(fx.path("Data.dat"), bad);
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Damaged);
  // A NaN in a row.
  bad = good;
  std::memset(bad.data() + 16 + 120 * 5 + 8 * 7, 0xFF, 8);
  test::writeAll(fx.path("Data.dat"), bad);
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Damaged);

  // A saturation humidity far beyond any air (found by fuzzing: 1.6E+275 at
  // the last row passed every other check, then overflowed the whole-number
  // top of the humidity axis), with the rows after it rising still further.
  bad = good;
  for (int row = 80; row <= 88; ++row) {
    const double huge = 1.5e275 * (row - 79);
    std::memcpy(&bits, &huge, 8);
    qToLittleEndian<quint64>(bits, bad.data() + 16 + 120 * row + 8 * 13);
  }
  test::writeAll(fx.path("Data.dat"), bad);
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Damaged);
  // Wet-bulb lines steeper than any chart's.
  bad = good;
  const double steep = -5000.0;
  std::memcpy(&bits, &steep, 8);
  qToLittleEndian<quint64>(bits, bad.data());
  test::writeAll(fx.path("Data.dat"), bad);
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Damaged);

  EXPECT_EQ(chartModule().MetricChartData.get(), metric);
  EXPECT_EQ(chartModule().MetricChartData->MinTemp(), -23);

  // Bytes after the two sets are not read.
  test::writeAll(fx.path("Data.dat"), good + QByteArray("trailing"));
  EXPECT_EQ(LoadChartData(), ChartDataStatus::Ok);
}

// ---- the cursor ------------------------------------------------------------------------

TEST_F(ChartTable, OneCursorReadingAndWritingTheOwnersRows) {
  clsDataPoints& t = *chartModule().MetricChartData;
  clsDataPoint& a = t.Point(10);
  clsDataPoint& b = t.Point(20);
  EXPECT_EQ(&a, &b);  // the same cursor, now on row 20
  EXPECT_EQ(a.index(), 20);
  EXPECT_DOUBLE_EQ(a.AbsHum(10), t.row(20).AbsHum[10]);
  a.setP2Temp(33.5);
  a.setP2AbsHum(1.25);
  a.setAbsHum(4, 7.5);
  EXPECT_EQ(t.row(20).P2Temp, 33.5);
  EXPECT_EQ(t.row(20).P2AbsHum, 1.25);
  EXPECT_EQ(t.row(20).AbsHum[4], 7.5);
  EXPECT_THROW(t.Point(-24), std::out_of_range);
  EXPECT_THROW(t.Point(66), std::out_of_range);
  EXPECT_THROW(t.Point(0).AbsHum(11), std::out_of_range);
  EXPECT_THROW(t.Point(0).AbsHum(-1), std::out_of_range);
}

// ---- range normalisation ---------------------------------------------------------------

TEST_F(ChartTable, PassedRangeIsTakenAndClamped) {
  ASSERT_TRUE(NormaliseRanges(false, -13, 54, 60));
  const ChartModule& m = chartModule();
  EXPECT_EQ(m.ChartData, m.MetricChartData.get());
  EXPECT_EQ(m.ChartMinTemp, -13);
  EXPECT_EQ(m.ChartMaxTemp, 54);
  EXPECT_EQ(m.ChartMaxSatHum, 108);  // 108.21 g/kg at 54 °C
  EXPECT_EQ(m.ChartMaxAbsHum, 60);
  EXPECT_EQ(m.TempUnit, "C");
  EXPECT_EQ(m.AbsHumUnit, "gr/Kg");
  EXPECT_EQ(m.EnthUnit, "KJ/Kg");

  ASSERT_TRUE(NormaliseRanges(true, -40, 200, 420));
  EXPECT_EQ(m.ChartData, m.EnglishChartData.get());
  EXPECT_EQ(m.ChartMinTemp, -10);
  EXPECT_EQ(m.ChartMaxTemp, 150);
  EXPECT_EQ(m.TempUnit, "F");
  EXPECT_EQ(m.AbsHumUnit, "Grain/Lb");
  EXPECT_EQ(m.EnthUnit, "Btu/Lb");
}

TEST_F(ChartTable, NoRangePassedKeepsTheStoredOneOrTakesTheTable) {
  const ChartModule& m = chartModule();
  // Nothing stored yet: the whole table.
  ASSERT_TRUE(NormaliseRanges(false, 0, 0, 60));
  EXPECT_EQ(m.ChartMinTemp, -23);
  EXPECT_EQ(m.ChartMaxTemp, 65);
  // A range drawn once is kept when none is passed.
  ASSERT_TRUE(NormaliseRanges(false, 5, 40, 30));
  ASSERT_TRUE(NormaliseRanges(false, 0, 0, 30));
  EXPECT_EQ(m.ChartMinTemp, 5);
  EXPECT_EQ(m.ChartMaxTemp, 40);
  // An inverted range counts as none.
  ASSERT_TRUE(NormaliseRanges(false, 30, 10, 30));
  EXPECT_EQ(m.ChartMinTemp, 5);
  EXPECT_EQ(m.ChartMaxTemp, 40);
  // A range wholly beyond the table clamps to nothing: the whole table.
  ASSERT_TRUE(NormaliseRanges(false, 70, 90, 30));
  EXPECT_EQ(m.ChartMinTemp, -23);
  EXPECT_EQ(m.ChartMaxTemp, 65);
}

TEST_F(ChartTable, HumidityTopLoweredToSaturationOrDefaulted) {
  const ChartModule& m = chartModule();
  // 14.696 g/kg at 20 °C: a top of 60 is lowered to 15.
  ASSERT_TRUE(NormaliseRanges(false, -13, 20, 60));
  EXPECT_EQ(m.ChartMaxSatHum, 15);
  EXPECT_EQ(m.ChartMaxAbsHum, 15);
  // 0 or a negative top: 50 g/kg, 350 grains.
  ASSERT_TRUE(NormaliseRanges(false, -13, 54, 0));
  EXPECT_EQ(m.ChartMaxAbsHum, 50);
  ASSERT_TRUE(NormaliseRanges(false, -13, 54, -7));
  EXPECT_EQ(m.ChartMaxAbsHum, 50);
  ASSERT_TRUE(NormaliseRanges(true, 9, 129, 0));
  EXPECT_EQ(m.ChartMaxAbsHum, 350);
  // A top under the saturation of the left border (1.22 g/kg at -13 °C) leaves
  // no saturation chord: the top becomes the saturation at the right border.
  ASSERT_TRUE(NormaliseRanges(false, -13, 54, 1));
  EXPECT_EQ(m.ChartMaxAbsHum, 109);  // ceil(108.21)
}

// Rows whose wet-bulb line reaches W = 0 inside the chart end there; the
// others end where the line meets the right border.
TEST_F(ChartTable, WetBulbLineEnds) {
  ASSERT_TRUE(NormaliseRanges(false, -13, 54, 60));
  const clsDataPoints& t = *chartModule().MetricChartData;
  // 0 °C: TempX0 = 9.02 <= 54.
  EXPECT_DOUBLE_EQ(t.row(0).P2Temp, t.row(0).TempX0);
  EXPECT_EQ(t.row(0).P2AbsHum, 0.0);
  // 20 °C: TempX0 = 20 + 14.696 × 2.400 = 55.27 > 54, so the line leaves
  // through the right border at W = (55.27 - 54) × 14.696 / 35.27 = 0.53 g/kg.
  const ChartRow& r = t.row(20);
  EXPECT_EQ(r.P2Temp, 54.0);
  EXPECT_GT(r.P2AbsHum, 0.0);
  EXPECT_NEAR(r.P2AbsHum, (r.TempX0 - 54) * r.AbsHum[10] / (r.TempX0 - 20), 1e-12);
  EXPECT_NEAR(r.P2AbsHum, 0.53, 0.01);
  // The end lies on the row's own wet-bulb line: T − W·k is its foot.
  EXPECT_NEAR(r.P2Temp - r.P2AbsHum * t.TempVsAbsHum(), r.TempX0, 1e-9);
}

TEST(ChartModuleState, NothingLoadedNothingNormalised) {
  resetChart();
  EXPECT_FALSE(NormaliseRanges(false, -13, 54, 60));
}
