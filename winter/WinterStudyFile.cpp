#include "winter/WinterStudyFile.h"

#include <QFile>
#include <cmath>

#include "engine/NumberEntry.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"

namespace aeriton::winter {

files::OpenOutcome OpenPSFile_W(const files::PathChooser& choose) {
  return files::openStudy(files::StudySeason::Winter, choose);
}

files::StudyLayout CheckForFileValidity(const QString& path) {
  return files::CheckForFileValidity(path);
}

std::optional<WinterFormValues> winterFormValues() {
  // Read into a copy: the screen's study is not touched.
  StudyState s = study();
  if (!readResultsFileAt(appfolder::path(kResultsFileName), s)) return std::nullopt;

  WinterFormValues v;
  v.title = study().Title;
  const QString unit = study().LoadUnit;
  v.unitIndex = std::max(0, files::loadUnitIndex(unit));
  v.kindIndex =
      std::max(0, files::kindIndexOfFlags(s.KindMix, s.KindRecirc, s.KindFresh, s.FreshLoads));
  v.amountMode = s.FreshMode != QLatin1String("P");
  v.freshValue = v.amountMode ? s.FreshAmount : s.FreshPerCent;
  const QString one = QStringLiteral("#,##0.0");
  v.freshText = FormatNumber(v.freshValue, one);
  v.sameUnitInSummer = s.SummerFlow != 0.0f;
  if (v.sameUnitInSummer) {
    v.summerFlow = s.SummerFlow;
    v.summerFlowText = FormatNumber(v.summerFlow, one);
  } else {
    v.coilOutTemp = s.SupplyTempShown;
    v.coilOutText = FormatNumber(v.coilOutTemp, QStringLiteral("#,##0"));
  }
  v.envDB = s.EnvDB, v.envWB = s.EnvWB, v.envRH = s.EnvRH;
  v.spaDB = s.SpaDB, v.spaWB = s.SpaWB, v.spaRH = s.SpaRH;
  v.envDBText = FormatNumber(v.envDB, one);
  v.envWBText = FormatNumber(v.envWB, one);
  v.envRHText = FormatNumber(v.envRH, one);
  v.spaDBText = FormatNumber(v.spaDB, one);
  v.spaWBText = FormatNumber(v.spaWB, one);
  v.spaRHText = FormatNumber(v.spaRH, one);
  v.sens = files::loadInUnit(s.SensLoad, s.MetricCode, unit);
  const bool fractions = unit == QLatin1String("KW") || unit == QLatin1String("RT");
  v.sensText = FormatNumber(v.sens, fractions ? QStringLiteral("#,##0.00") : one);
  return v;
}

}  // namespace aeriton::winter
