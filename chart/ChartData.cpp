#include "chart/ChartData.h"

#include <QFile>
#include <QIODevice>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "study/AppFolder.h"

namespace aeriton::chart {
namespace {

// A data set larger than this cannot be a chart table (a whole degree per
// row; the widest useful table spans a few hundred degrees). It bounds the
// memory a damaged header could ask for.
constexpr int64_t kMaxRows = 2000;
// No value of a chart table comes near this: humidities reach about 1500
// grains/lb (saturated air at 150 °F), the feet of the wet-bulb lines about
// 1100 °F, enthalpies a few hundred. Larger values are damage; they would
// not fit the whole-number axes the chart is drawn on.
constexpr double kMaxTableValue = 1.0e5;
// The wet-bulb lines fall to the right, by well under one degree per unit of
// humidity; a slope steeper than this is damage.
constexpr double kSteepestSlope = -1.0e3;

bool readExact(QIODevice& file, char* out, qint64 n) {
  qint64 got = 0;
  while (got < n) {
    const qint64 r = file.read(out + got, n - got);
    if (r <= 0) return false;
    got += r;
  }
  return true;
}

double leDouble(const char* p) {
  const quint64 bits = qFromLittleEndian<quint64>(p);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

bool finite(double v) {
  return std::isfinite(v);
}

}  // namespace

// ---- clsDataPoint ------------------------------------------------------------

ChartRow& clsDataPoint::row() const {
  return owner_->row(index_);
}

double clsDataPoint::AbsHum(int Index) const {
  if (Index < 0 || Index > 10) throw std::out_of_range("AbsHum index outside 0..10");
  return row().AbsHum[Index];
}
void clsDataPoint::setAbsHum(int Index, double value) {
  if (Index < 0 || Index > 10) throw std::out_of_range("AbsHum index outside 0..10");
  row().AbsHum[Index] = value;
}
double clsDataPoint::Enth() const {
  return row().Enth;
}
void clsDataPoint::setEnth(double value) {
  row().Enth = value;
}
double clsDataPoint::P2AbsHum() const {
  return row().P2AbsHum;
}
void clsDataPoint::setP2AbsHum(double value) {
  row().P2AbsHum = value;
}
double clsDataPoint::P2Temp() const {
  return row().P2Temp;
}
void clsDataPoint::setP2Temp(double value) {
  row().P2Temp = value;
}
double clsDataPoint::TempX0() const {
  return row().TempX0;
}
void clsDataPoint::setTempX0(double value) {
  row().TempX0 = value;
}

// ---- clsDataPoints -------------------------------------------------------------

clsDataPoints::clsDataPoints() = default;

const ChartRow& clsDataPoints::row(int Index) const {
  if (rows_.empty() || Index < minTemp_ || Index > maxTemp_)
    throw std::out_of_range("chart row outside the table");
  return rows_[static_cast<size_t>(Index - minTemp_)];
}
ChartRow& clsDataPoints::row(int Index) {
  if (rows_.empty() || Index < minTemp_ || Index > maxTemp_)
    throw std::out_of_range("chart row outside the table");
  return rows_[static_cast<size_t>(Index - minTemp_)];
}

clsDataPoint& clsDataPoints::Point(int Index) {
  if (!cursor_ || rows_.empty() || Index < minTemp_ || Index > maxTemp_)
    throw std::out_of_range("chart row outside the table");
  cursor_->index_ = static_cast<int16_t>(Index);
  return *cursor_;
}

void clsDataPoints::assign(double tempVsAbsHum, int32_t minTemp, int32_t maxTemp,
                           std::vector<ChartRow> rows) {
  tempVsAbsHum_ = tempVsAbsHum;
  minTemp_ = minTemp;
  maxTemp_ = maxTemp;
  rows_ = std::move(rows);
  cursor_ = std::make_unique<clsDataPoint>(*this);
  cursor_->index_ = static_cast<int16_t>(minTemp);
}

clsDataPoints::LoadError clsDataPoints::LoadData(QIODevice& file) {
  char head[kSetHeaderBytes];
  if (!readExact(file, head, kSetHeaderBytes)) return LoadError::Short;
  const double slope = leDouble(head);
  const int32_t minT = qFromLittleEndian<qint32>(head + 8);
  const int32_t maxT = qFromLittleEndian<qint32>(head + 12);
  // The rows are indexed by a 16-bit cursor; the wet-bulb lines fall to the right.
  if (!finite(slope) || slope >= 0 || slope < kSteepestSlope || maxT < minT || minT < INT16_MIN ||
      maxT > INT16_MAX || int64_t(maxT) - minT + 1 > kMaxRows)
    return LoadError::Damaged;
  const int count = maxT - minT + 1;
  QByteArray bytes(static_cast<qsizetype>(count) * kRowBytes, Qt::Uninitialized);
  if (!readExact(file, bytes.data(), bytes.size())) return LoadError::Short;

  std::vector<ChartRow> rows(static_cast<size_t>(count));
  const char* p = bytes.constData();
  for (ChartRow& r : rows) {
    double v[15];
    for (double& x : v) {
      x = leDouble(p);
      p += 8;
      if (!finite(x) || std::fabs(x) > kMaxTableValue) return LoadError::Damaged;
    }
    r.P2Temp = v[0];
    r.P2AbsHum = v[1];
    r.TempX0 = v[2];
    for (int i = 0; i < 11; ++i) r.AbsHum[i] = v[3 + i];
    r.Enth = v[14];
    // Humidity cannot fall as the relative humidity rises.
    for (int i = 1; i < 11; ++i)
      if (r.AbsHum[i] < r.AbsHum[i - 1] || r.AbsHum[i] < 0) return LoadError::Damaged;
  }
  // The saturation humidity rises with the dry bulb, and so does the foot of
  // the wet-bulb lines, which lies right of (or at) the row's own dry bulb.
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].TempX0 < minT + static_cast<double>(i)) return LoadError::Damaged;
    if (i == 0) continue;
    if (!(rows[i].AbsHum[10] > rows[i - 1].AbsHum[10])) return LoadError::Damaged;
    if (!(rows[i].TempX0 > rows[i - 1].TempX0)) return LoadError::Damaged;
  }
  assign(slope, minT, maxT, std::move(rows));
  return LoadError::None;
}

// ---- process labels ---------------------------------------------------------------

QString pointLabel(int k) {
  static const char* const labels[kPointCount] = {"N", "M", "T", "S", "X", "ADP"};
  return (k >= 0 && k < kPointCount) ? QString::fromLatin1(labels[k]) : QString();
}

// ---- module ------------------------------------------------------------------------

ChartModule& chartModule() {
  static ChartModule module;
  return module;
}

void resetChart() {
  chartModule() = ChartModule();
}

ChartDataStatus LoadChartDataFrom(const QString& path) {
  QFile file(path);
  if (!file.exists()) return ChartDataStatus::Missing;
  if (!file.open(QIODevice::ReadOnly)) return ChartDataStatus::Missing;
  auto metric = std::make_unique<clsDataPoints>();
  auto english = std::make_unique<clsDataPoints>();
  for (clsDataPoints* t : {metric.get(), english.get()}) {
    switch (t->LoadData(file)) {
      case clsDataPoints::LoadError::None:
        break;
      case clsDataPoints::LoadError::Short:
        return ChartDataStatus::Short;
      case clsDataPoints::LoadError::Damaged:
        return ChartDataStatus::Damaged;
    }
  }
  file.close();
  ChartModule& m = chartModule();
  // The drawing in hand points at the old tables: move it to the new ones.
  const bool wasEnglish = m.ChartData && m.ChartData == m.EnglishChartData.get();
  m.MetricChartData = std::move(metric);
  m.EnglishChartData = std::move(english);
  m.ChartData = wasEnglish ? m.EnglishChartData.get() : m.MetricChartData.get();
  m.LightGridColor = RGB(192, 192, 192);
  m.DarkGridColor = RGB(128, 128, 128);
  m.scaleReady = false;
  return ChartDataStatus::Ok;
}

ChartDataStatus LoadChartData() {
  return LoadChartDataFrom(appfolder::deliveredPath(QString::fromLatin1(kChartDataFileName)));
}

void SetChartProcess(const ChartProcessData& process) {
  chartModule().Process = process;
}

ChartRange defaultChartRange(bool english, bool heating) {
  // The English values are the metric ones converted: 9 = -23 + 32 (−13 °C ×
  // 9/5 = −23.4, to the even whole number), 129 = floor(54 × 9/5) + 32,
  // 149 = floor(65 × 9/5) + 32, 420 = floor(60 × 0.7) × 10 grains.
  if (english) return heating ? ChartRange{9, 149, 420} : ChartRange{9, 129, 420};
  return heating ? ChartRange{-13, 65, 60} : ChartRange{-13, 54, 60};
}

double nearestEven(double x) {
  return std::nearbyint(x);  // the default rounding mode: halves to even
}

bool NormaliseRanges(bool English, int32_t MinTemp, int32_t MaxTemp, int32_t MaxAbsHum) {
  ChartModule& m = chartModule();
  // 1. Table and units.
  clsDataPoints* table = English ? m.EnglishChartData.get() : m.MetricChartData.get();
  if (!table || !table->loaded()) return false;
  m.ChartData = table;
  if (English) {
    m.TempUnit = QStringLiteral("F");
    m.AbsHumUnit = QStringLiteral("Grain/Lb");
    m.EnthUnit = QStringLiteral("Btu/Lb");
  } else {
    m.TempUnit = QStringLiteral("C");
    m.AbsHumUnit = QStringLiteral("gr/Kg");
    m.EnthUnit = QStringLiteral("KJ/Kg");
  }
  const int32_t defaultSpan = English ? 350 : 50;

  // 2. Dry-bulb range: the one passed, else the one kept from the last
  // drawing, else the whole table.
  if ((MinTemp != 0 || MaxTemp != 0) && MaxTemp > MinTemp) {
    m.ChartMinTemp = MinTemp;
    m.ChartMaxTemp = MaxTemp;
  } else if (m.ChartMaxTemp <= m.ChartMinTemp) {
    m.ChartMinTemp = table->MinTemp();
    m.ChartMaxTemp = table->MaxTemp();
  }
  // 3. Clamp to the table.
  if (m.ChartMinTemp < table->MinTemp()) m.ChartMinTemp = table->MinTemp();
  if (m.ChartMaxTemp > table->MaxTemp()) m.ChartMaxTemp = table->MaxTemp();
  // A range wholly outside the table clamps to nothing (or less): the chart
  // needs at least one whole degree, so it takes the whole table instead.
  if (m.ChartMaxTemp <= m.ChartMinTemp) {
    m.ChartMinTemp = table->MinTemp();
    m.ChartMaxTemp = table->MaxTemp();
  }

  // 4. Saturation humidity at the right border.
  const double satAtMax = table->row(m.ChartMaxTemp).AbsHum[10];
  m.ChartMaxSatHum = static_cast<int32_t>(nearestEven(satAtMax));

  // 5. Top of the humidity axis.
  if (MaxAbsHum >= 1) {
    m.ChartMaxAbsHum = MaxAbsHum > m.ChartMaxSatHum ? m.ChartMaxSatHum : MaxAbsHum;
  } else {
    m.ChartMaxAbsHum = defaultSpan;
  }
  // The saturation curve must enter the chart from the left border below the
  // top, or the chart has no saturation chord (and no enthalpy scale): a top
  // at or below the saturation humidity of the left border becomes the
  // saturation humidity of the right border, rounded up.
  const double satAtMin = table->row(m.ChartMinTemp).AbsHum[10];
  if (m.ChartMaxAbsHum <= satAtMin) m.ChartMaxAbsHum = static_cast<int32_t>(std::ceil(satAtMax));

  // 6. Lower ends of the wet-bulb lines.
  for (int t = m.ChartMinTemp; t <= m.ChartMaxTemp; ++t) {
    clsDataPoint& p = table->Point(t);
    const double x0 = p.TempX0();
    if (x0 <= m.ChartMaxTemp) {
      p.setP2Temp(x0);
      p.setP2AbsHum(0);
    } else {
      // Where the straight line from (t, Wsat) to (TempX0, 0) meets the right border.
      p.setP2Temp(m.ChartMaxTemp);
      p.setP2AbsHum((x0 - m.ChartMaxTemp) * p.AbsHum(10) / (x0 - t));
    }
  }
  m.scaleReady = false;
  return true;
}

}  // namespace aeriton::chart
