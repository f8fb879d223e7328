// "Data.dat" (the chart table) under any bytes: refused as missing, short or
// damaged with the tables in hand left as they were, or read; a table read
// then gives every default range of the chart, summer and winter, metric and
// English, with finite humidities and enthalpies on every row of the range.

#include <cmath>

#include "FuzzSupport.h"
#include "chart/ChartData.h"
#include "chart/ChartTable.h"

using namespace aeriton;
using namespace aeriton::chart;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  static const QByteArray delivered = chartDataFileBytes();
  resetChart();
  FUZZ_CHECK(LoadChartDataFrom(fuzz::writeProgramFile(QStringLiteral("good.dat"), delivered)) ==
             ChartDataStatus::Ok);
  const clsDataPoints* metricBefore = chartModule().MetricChartData.get();
  const double slopeBefore = metricBefore->TempVsAbsHum();

  const QString path =
      fuzz::writeProgramFile(QString::fromLatin1(kChartDataFileName), fuzz::bytesOf(data, size));
  const ChartDataStatus status = LoadChartDataFrom(path);
  if (status != ChartDataStatus::Ok) {
    FUZZ_CHECK(chartModule().MetricChartData.get() == metricBefore);
    FUZZ_CHECK(chartModule().MetricChartData->TempVsAbsHum() == slopeBefore);
    return 0;
  }
  for (bool english : {false, true}) {
    for (bool heating : {false, true}) {
      const ChartRange r = defaultChartRange(english, heating);
      if (!NormaliseRanges(english, r.MinTemp, r.MaxTemp, r.MaxAbsHum)) continue;
      const ChartModule& m = chartModule();
      FUZZ_CHECK(m.ChartData != nullptr);
      FUZZ_CHECK(m.ChartMinTemp <= m.ChartMaxTemp);
      FUZZ_CHECK(m.ChartMinTemp >= m.ChartData->MinTemp());
      FUZZ_CHECK(m.ChartMaxTemp <= m.ChartData->MaxTemp());
      for (int t = m.ChartMinTemp; t <= m.ChartMaxTemp; ++t) {
        const ChartRow& row = m.ChartData->row(t);
        FUZZ_CHECK(std::isfinite(row.P2Temp) && std::isfinite(row.P2AbsHum));
        FUZZ_CHECK(std::isfinite(row.AbsHum[10]) && std::isfinite(row.Enth));
      }
    }
  }
  return 0;
}
