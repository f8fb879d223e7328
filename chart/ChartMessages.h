#pragma once
// Messages of the chart: a chart table that cannot be read, a chart that
// could not be saved or printed.

#include <QString>

#include "chart/ChartData.h"
#include "study/MessageService.h"

namespace aeriton::chart {

constexpr int kChartDataMessage = -5100;     // "Data.dat" missing, short or damaged
constexpr int kChartExportMessage = -5101;   // the chart could not be written to a file
constexpr int kChartResultsMessage = -5102;  // the results file could not be read for the chart

// The chart table at `path` could not be read.
Message chartDataMessage(ChartDataStatus status, const QString& path);
// The chart could not be written to `path`; `why` says what happened.
Message chartExportMessage(const QString& path, const QString& why);
// The results file could not be read again for the chart.
Message chartResultsMessage(const QString& path, const QString& why);

}  // namespace aeriton::chart
