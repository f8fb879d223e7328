#include "chart/ChartTable.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/Psychro.h"
#include "engine/Units.h"

namespace aeriton::chart {
namespace {

// Metric enthalpy as the results screen shows it: Btu/lb → kcal/kg → kJ/kg
// (4.18675 kJ per kcal, the results screen's factor).
constexpr double kKJKgPerBtuLb = units::kKcalKgPerBtuLb * 4.18675;
constexpr double kGramsPerKg = 1000.0;

// One row at tF (°F): humidity ratios (lb/lb) at 0 … 100 % RH and the
// saturation enthalpy (Btu/lb).
void rowAt(float tF, double perUnit, double enthFactor, double slope, int t, ChartRow& r) {
  const float pws = psy::SatPressure(tF);
  for (int i = 0; i <= 10; ++i) {
    const float pv = static_cast<float>(i) / 10.0f * pws;
    r.AbsHum[i] = static_cast<double>(psy::HumidityRatio(pv)) * perUnit;
  }
  const float wsat = psy::HumidityRatio(pws);
  r.Enth = static_cast<double>(psy::Enthalpy(tF, wsat)) * enthFactor;
  r.TempX0 = t - r.AbsHum[10] * slope;
  r.P2Temp = 0;
  r.P2AbsHum = 0;
}

void putDouble(QByteArray& out, double v) {
  quint64 bits;
  std::memcpy(&bits, &v, sizeof bits);
  char b[8];
  qToLittleEndian<quint64>(bits, b);
  out.append(b, 8);
}

void putInt32(QByteArray& out, qint32 v) {
  char b[4];
  qToLittleEndian<qint32>(v, b);
  out.append(b, 4);
}

void putSet(QByteArray& out, double slope, int minT, int maxT, const std::vector<ChartRow>& rows) {
  putDouble(out, slope);
  putInt32(out, minT);
  putInt32(out, maxT);
  for (const ChartRow& r : rows) {
    putDouble(out, r.P2Temp);
    putDouble(out, r.P2AbsHum);
    putDouble(out, r.TempX0);
    for (double w : r.AbsHum) putDouble(out, w);
    putDouble(out, r.Enth);
  }
}

}  // namespace

double wetBulbLineError(double slope) {
  double worst = 0;
  for (int wb = kDesignWetBulbLowF; wb <= kDesignWetBulbHighF; ++wb) {
    const float twb = static_cast<float>(wb);
    const double wsat = psy::HumidityRatio(psy::SatPressure(twb)) * psy::kGrainsPerLb;
    for (int dep = 0; dep <= kDesignDepressionF; dep += 2) {
      const float db = twb + static_cast<float>(dep);
      const double pws = psy::SatPressure(db);
      // Relative humidity (per cent) of grains/lb at this dry bulb.
      const auto rh = [pws](double grains) {
        const double W = grains / psy::kGrainsPerLb;
        return W * psy::kPressure / (psy::kRAir / psy::kRVapour + W) / pws * 100.0;
      };
      const double onLine = wsat + dep / slope;
      const double carrier = psy::HumidityRatio(psy::CarrierPv(db, twb)) * psy::kGrainsPerLb;
      worst = std::max(worst, std::fabs(rh(onLine) - rh(carrier)));
    }
  }
  return worst;
}

double wetBulbSlopeEnglish() {
  // The error is the largest of absolute values of functions that are
  // monotonic in the line's rise per degree u = 1/k: it has one minimum in u,
  // which a ternary search over a bracket wide enough for any wet bulb of the
  // table (Carrier's slopes lie between −1.55 and −1.9 grains per °F) finds;
  // 200 halvings of a third take the bracket far below double precision.
  static const double slope = [] {
    double lo = -2.0, hi = -1.4;  // grains per °F
    for (int i = 0; i < 200 && hi - lo > 1e-12; ++i) {
      const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
      if (wetBulbLineError(1 / a) <= wetBulbLineError(1 / b))
        hi = b;
      else
        lo = a;
    }
    return 1 / ((lo + hi) / 2);
  }();
  return slope;
}

double wetBulbSlopeMetric() {
  // °F per grain/lb → °C per g/kg: 5/9 °C per °F, 7 grains/lb per g/kg.
  return wetBulbSlopeEnglish() * (psy::kGrainsPerLb / kGramsPerKg) * 5.0 / 9.0;
}

std::vector<ChartRow> metricRows() {
  const double slope = wetBulbSlopeMetric();
  std::vector<ChartRow> rows(kMetricTableMax - kMetricTableMin + 1);
  for (int t = kMetricTableMin; t <= kMetricTableMax; ++t) {
    const float tF = static_cast<float>(t) * 9.0f / 5.0f + 32.0f;
    rowAt(tF, kGramsPerKg, kKJKgPerBtuLb, slope, t, rows[t - kMetricTableMin]);
  }
  return rows;
}

std::vector<ChartRow> englishRows() {
  const double slope = wetBulbSlopeEnglish();
  std::vector<ChartRow> rows(kEnglishTableMax - kEnglishTableMin + 1);
  for (int t = kEnglishTableMin; t <= kEnglishTableMax; ++t)
    rowAt(static_cast<float>(t), psy::kGrainsPerLb, 1.0, slope, t, rows[t - kEnglishTableMin]);
  return rows;
}

double chartEnthalpy(bool english, double T, double W) {
  if (english)
    return psy::Enthalpy(static_cast<float>(T), static_cast<float>(W / psy::kGrainsPerLb));
  const float tF = static_cast<float>(T * 9.0 / 5.0 + 32.0);
  return psy::Enthalpy(tF, static_cast<float>(W / kGramsPerKg)) * kKJKgPerBtuLb;
}

QByteArray chartDataFileBytes() {
  QByteArray out;
  putSet(out, wetBulbSlopeMetric(), kMetricTableMin, kMetricTableMax, metricRows());
  putSet(out, wetBulbSlopeEnglish(), kEnglishTableMin, kEnglishTableMax, englishRows());
  return out;
}

}  // namespace aeriton::chart
