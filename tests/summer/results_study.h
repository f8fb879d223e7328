#pragma once
// Runs a study through the summer calculation the way the data screen's
// calculate button does (inputs in the study's units -> "PSY_DAT.TMP" ->
// Calculate -> back to metric -> "PSY_RES.TMP"), so that the results screen
// and the raise are tested on real results.

#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>

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

// A small linear congruential generator: the same studies on every platform.
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  double uniform(double a, double b) {
    state_ = state_ * 1664525u + 1013904223u;
    return a + (b - a) * (state_ >> 8) / double(1u << 24);
  }

 private:
  uint32_t state_;
};

// A summer study of a sweep: a room of 20-28 °C at 40-70 %, outdoor air at
// least 6 K warmer up to 44 °C at 12-70 %, both typed with one decimal in the
// unit's temperatures and the wet bulbs completed from the humidities as the
// screen does; 3 000-150 000 kcal/h of sensible load (spread over the decades)
// with up to 40 % latent, in `unit`; fresh air as an amount that grows with
// the load (m³/h, CFM for "BTU").
inline SummerStudy drawSweepStudy(Lcg& rng, const char* kind, const char* unit) {
  SummerStudy st;
  st.kind = QString::fromLatin1(kind);
  st.loadUnit = QString::fromLatin1(unit);
  const bool F = st.loadUnit == "BTU";
  const double roomC = rng.uniform(20, 28), outC = rng.uniform(roomC + 6, 44);
  const double roomRH = rng.uniform(40, 70), outRH = rng.uniform(12, 70);
  const auto typed = [](double t) { return static_cast<float>(std::round(t * 10) / 10); };
  st.envDB = typed(F ? outC * 1.8 + 32 : outC);
  st.spaDB = typed(F ? roomC * 1.8 + 32 : roomC);
  const auto wetBulb = [&](float db, double rhPercent) {
    const float dbF = F ? db : db * 1.8f + 32;
    float wbF = 0, rh = 0, gr = 0;
    EXPECT_TRUE(psy::FindWB(dbF, static_cast<float>(rhPercent), true, wbF, rh, gr));
    return typed(F ? wbF : (wbF - 32) / 1.8);
  };
  st.envWB = wetBulb(st.envDB, outRH);
  st.spaWB = wetBulb(st.spaDB, roomRH);
  const double kcal = std::exp(rng.uniform(std::log(3000.0), std::log(150000.0)));
  const double perKcal = st.loadUnit == "WATT"        ? 1 / 0.8598554730415344
                         : st.loadUnit == "KW"        ? 1 / 859.85546875
                         : F || st.loadUnit == "BTUh" ? 3.9709229469299316
                                                      : 1.0;
  st.sens = static_cast<float>(kcal * perKcal);
  st.lat = static_cast<float>(kcal * rng.uniform(0, 0.4) * perKcal);
  const double m3h = std::max(100.0, kcal / 3.0 * rng.uniform(0.1, 2.0));
  st.fresh = static_cast<float>(std::round(F ? m3h / 1.7 : m3h));
  return st;
}

}  // namespace aeriton::test
