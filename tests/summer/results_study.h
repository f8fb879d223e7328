#pragma once
// Runs a study through the summer calculation the way the data screen's
// calculate button does (inputs in the study's units -> "PSY_DAT.TMP" ->
// Calculate -> back to metric -> "PSY_RES.TMP"), so that the results screen
// and the raise are tested on real results.

#include <QFile>
#include <QString>

#include "engine/Psychro.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/SummerCalc.h"
#include "summer/SummerChecks.h"

namespace aeriton::test {

struct SummerStudy {
  QString kind = "AAA_NA";     // "AAA_NA", "AA_100", "NA_PAF", "NA_DPF"
  QString loadUnit = "WATT";   // "WATT", "KCAL", "KW", "RT", "BTUh", "BTU"
  float envDB = 0, envWB = 0;  // °C, or °F for "BTU"
  float spaDB = 0, spaWB = 0;
  float sens = 0, lat = 0;  // in the load unit
  QString freshMode = "C";
  float fresh = 0;                   // m³/h (CFM for "BTU") or per cent
  float coilOutTemp = kNotComputed;  // heating case: chosen coil outlet temperature
};

// Relative humidity (per cent) of a state given in the study's temperature unit.
inline float studyRH(float db, float wb, bool metric) {
  const float dbF = metric ? db * 9.0f / 5.0f + 32.0f : db;
  const float wbF = metric ? wb * 9.0f / 5.0f + 32.0f : wb;
  float rh = 0, gr = 0;
  psy::FindRH(dbF, wbF, rh, gr);
  return rh * 100.0f;
}

// kcal/h of a load typed in a load unit (the data screen's factors).
inline double toKcal(double v, const QString& unit) {
  if (unit == "WATT") return v * 0.8598554730415344;
  if (unit == "KW") return v * 859.85546875;
  if (unit == "RT") return v * 12000.0 / 3.970923;
  if (unit == "BTUh") return v / 3.9709229469299316;
  return v;
}

// Fills the study, writes "PSY_DAT.TMP", calculates and writes "PSY_RES.TMP".
// Returns the calculation's code (0 on success).
inline int runSummerStudy(const SummerStudy& in) {
  StudyState& s = study();
  const bool english = in.loadUnit == "BTU";
  s.setLoadUnit(in.loadUnit);
  s.PrevLoadUnit = in.loadUnit;
  if (s.Title.isEmpty()) s.Title = QStringLiteral("Γραφεία Β΄ ορόφου");
  s.KindCode = in.kind;
  s.KindMix = in.kind == "AAA_NA";
  s.KindRecirc = in.kind == "AA_100";
  s.KindFresh = in.kind == "NA_PAF" || in.kind == "NA_DPF";
  s.FreshLoads = in.kind == "NA_PAF" ? 2 : in.kind == "NA_DPF" ? 1 : 0;
  s.EnvDB = in.envDB, s.EnvWB = in.envWB, s.EnvRH = studyRH(in.envDB, in.envWB, !english);
  s.SpaDB = in.spaDB, s.SpaWB = in.spaWB, s.SpaRH = studyRH(in.spaDB, in.spaWB, !english);
  s.SensLoad = english ? in.sens : static_cast<float>(toKcal(in.sens, in.loadUnit));
  s.LatLoad = english ? in.lat : static_cast<float>(toKcal(in.lat, in.loadUnit));
  s.FreshMode = in.freshMode;
  if (in.kind == "AA_100") {
    s.FreshAmount = 0, s.FreshPerCent = 0, s.FreshValue = 0.1f, s.FreshMode = "C";
  } else if (in.freshMode == "P") {
    s.FreshAmount = 0, s.FreshPerCent = in.fresh, s.FreshValue = in.fresh;
  } else {
    s.FreshAmount = in.fresh, s.FreshPerCent = 0, s.FreshValue = in.fresh;
  }
  s.MetricCode = english ? 0 : in.loadUnit == "BTUh" ? 32 : 1;
  s.EnglishCode = english ? 1 : in.loadUnit == "BTUh" ? 32 : 0;
  s.CoolingProcess = s.EnvDB > s.SpaDB;
  s.HeatingProcess = s.EnvDB < s.SpaDB;
  summer::ZeroVariables(s);
  s.DB_S = in.coilOutTemp;
  s.SummerFlow = 0;
  const QByteArray dat = dataFileBytes(s);
  QFile f(appfolder::path(kDataFileName));
  if (!f.open(QIODevice::WriteOnly) || f.write(dat) != dat.size()) return -9999;
  f.close();
  const summer::CalcResult r = summer::Calculate(dat, s);
  if (!r.ok()) return r.code;
  if (s.MetricCode == 1 || s.MetricCode == 32) summer::Convert_Metric(s);
  if (s.HeatingProcess) {
    s.SupplyTempShown = s.DB_S;
    // As the program does: the file keeps the summer flow that was given (none
    // here), not the one the heating calculation derived from the coil outlet.
    s.SummerFlow = 0;
  }
  if (!writeFileAtomically(appfolder::path(kResultsFileName), resultsFileBytes(s))) return -9998;
  s.Unsaved = true;
  return 0;
}

}  // namespace aeriton::test
