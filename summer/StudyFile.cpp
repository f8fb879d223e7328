#include "summer/StudyFile.h"

#include <QFile>
#include <cmath>
#include <limits>

#include "engine/NumberEntry.h"
#include "engine/Psychro.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"

namespace aeriton::summer {
namespace {

double roundTo(double x, int decimals) {
  const double p = std::pow(10.0, decimals);
  return std::floor(x * p + 0.5) / p;
}

// Absolute humidity of a state from its dry bulb and relative humidity: the
// engine works in °F, so a metric state is converted first.
double absoluteHumidity(float db, float rhPercent, bool metric, bool cooling) {
  const float dbF = metric ? db * 9.0f / 5.0f + 32.0f : db;
  float wb = 0, rh = 0, grains = 0;
  if (!psy::FindWB(dbF, rhPercent, cooling, wb, rh, grains))
    return std::numeric_limits<double>::quiet_NaN();
  return metric ? roundTo(grains / 7.0, 2) : roundTo(grains, 2);
}

QString ahText(double v) {
  return std::isnan(v) ? QString() : FormatNumber(v, "#,##0.00");
}

}  // namespace

files::FileResult SavePSFile(const files::PathChooser& choose) {
  return files::saveStudy(choose);
}

files::OpenOutcome OpenPSFile_S(const files::PathChooser& choose) {
  return files::openStudy(files::StudySeason::Summer, choose);
}

files::StudyLayout CheckForFileValidity(const QString& path) {
  return files::CheckForFileValidity(path);
}

std::optional<SummerFormValues> summerFormValues() {
  // The file is read into a copy: the screen's study is not touched.
  StudyState s = study();
  if (!readResultsFileAt(appfolder::path(kResultsFileName), s)) return std::nullopt;

  SummerFormValues v;
  v.title = study().Title;
  const QString unit = study().LoadUnit;
  v.unitIndex = std::max(0, files::loadUnitIndex(unit));
  v.kindIndex =
      std::max(0, files::kindIndexOfFlags(s.KindMix, s.KindRecirc, s.KindFresh, s.FreshLoads));
  v.amountMode = s.FreshMode != QLatin1String("P");
  v.amount = s.FreshAmount;
  v.perCent = v.amountMode ? 0 : static_cast<int>(std::lround(s.FreshPerCent));
  v.envDB = s.EnvDB, v.envWB = s.EnvWB, v.envRH = s.EnvRH;
  v.spaDB = s.SpaDB, v.spaWB = s.SpaWB, v.spaRH = s.SpaRH;
  const bool metric = s.MetricCode != 0;
  v.envAH = absoluteHumidity(s.EnvDB, s.EnvRH, metric, true);
  v.spaAH = absoluteHumidity(s.SpaDB, s.SpaRH, metric, true);
  v.sens = files::loadInUnit(s.SensLoad, s.MetricCode, unit);
  v.lat = files::loadInUnit(s.LatLoad, s.MetricCode, unit);

  const QString one = QStringLiteral("#,##0.0");
  v.envDBText = FormatNumber(v.envDB, one);
  v.envWBText = FormatNumber(v.envWB, one);
  v.envRHText = FormatNumber(v.envRH, one);
  v.envAHText = ahText(v.envAH);
  v.spaDBText = FormatNumber(v.spaDB, one);
  v.spaWBText = FormatNumber(v.spaWB, one);
  v.spaRHText = FormatNumber(v.spaRH, one);
  v.spaAHText = ahText(v.spaAH);
  v.sensText = FormatNumber(v.sens, QStringLiteral("#,##0.00"));
  v.latText = FormatNumber(v.lat, QStringLiteral("#,##0.00"));
  v.amountText =
      v.amountMode && v.amount != 0 ? FormatNumber(v.amount, QStringLiteral("#,#00.0")) : QString();
  v.perCentText = v.perCent > 0 ? QString::number(v.perCent) : QString();
  return v;
}

}  // namespace aeriton::summer
