#include "summer/ui/ResultsChart.h"

#include "chart/ChartData.h"
#include "chart/ChartMessages.h"
#include "chart/ui/FrmPsyDrawForm.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/MessageService.h"
#include "summer/ChartSetting.h"

namespace aeriton::summer {

bool openChartFromResults(QWidget* parent) {
  const QString resPath = appfolder::path(QString::fromLatin1(kResultsFileName));
  StudyState file;
  const ReadResult read = readResultsFileAt(resPath, file);
  if (!read) {
    showMessage(chart::chartResultsMessage(resPath, read.error));
    return false;
  }
  const chart::ChartDataStatus status = chart::LoadChartData();
  if (status != chart::ChartDataStatus::Ok) {
    showMessage(chart::chartDataMessage(
        status, appfolder::deliveredPath(QString::fromLatin1(chart::kChartDataFileName))));
    return false;
  }
  const ChartOpening o = SettingData(study(), file);
  chart::SetChartProcess(o.process);
  chart::ShowChart(parent, o.english, o.range.MinTemp, o.range.MaxTemp, o.range.MaxAbsHum);
  return true;
}

}  // namespace aeriton::summer
