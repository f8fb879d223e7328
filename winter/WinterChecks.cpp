#include "winter/WinterChecks.h"

#include "engine/Psychro.h"
#include "winter/WinterRounding.h"
#include "winter/WinterTexts.h"

namespace aeriton::winter {
namespace {

// Load factors of the study screens.
constexpr float kKcalPerWatt = 0.8598555f;
constexpr float kBtuPerKcal = 3.970923f;
constexpr float kKcalPerKW = 859.85547f;
constexpr float kBtuPerRT = 12000.0f;

// The values come from boxes showing one decimal; a bound is met when the
// value equals it to well below that.
constexpr double kSlack = 1e-6;
bool below(double v, double bound) {
  return v < bound - kSlack;
}
bool above(double v, double bound) {
  return v > bound + kSlack;
}

constexpr WinterLimits kMetric{-20, 15, 15, 33, 5, -12, 10};
constexpr WinterLimits kEnglish{-4, 59, 59, 92, 9, 10.4, 50};

const WinterLimits& limitsOf(int unitIndex) {
  return winterLimits(fahrenheitUnits(unitIndex));
}

CheckResult fail(int code, Field focus, std::vector<Field> cleared, bool english = false) {
  CheckResult r;
  r.code = code;
  r.focus = focus;
  r.cleared = std::move(cleared);
  r.english = english;
  return r;
}

float toF(double c) {
  return static_cast<float>(c * 9.0 / 5.0 + 32.0);
}
double toC(float f) {
  return (static_cast<double>(f) - 32.0) * 5.0 / 9.0;
}

}  // namespace

const WinterLimits& winterLimits(bool english) {
  return english ? kEnglish : kMetric;
}

QString loadUnitCode(int unitIndex) {
  static const char* kCodes[kUnitCount] = {"WATT", "KCAL", "KW", "RT", "BTUh", "BTU"};
  if (unitIndex < 0 || unitIndex >= kUnitCount) unitIndex = 0;
  return QString::fromLatin1(kCodes[unitIndex]);
}

bool loadHasFractions(int unitIndex) {
  return unitIndex == kUnitKW || unitIndex == kUnitRT;
}

void SensibleLoad::fromKcal(float kcal) {
  kcal_ = kcal;
  watt_ = kcal / kKcalPerWatt;
  kw_ = kcal / kKcalPerKW;
  btu_ = kcal * kBtuPerKcal;
  rt_ = btu_ / kBtuPerRT;
}

void SensibleLoad::set(int unitIndex, float value) {
  switch (unitIndex) {
    case kUnitKcal:
      fromKcal(value);
      break;
    case kUnitKW:
      fromKcal(value * kKcalPerKW);
      kw_ = value;
      break;
    case kUnitRT:
      fromKcal(value * kBtuPerRT / kBtuPerKcal);
      rt_ = value;
      break;
    case kUnitBtuC:
    case kUnitBtuF:
      fromKcal(value / kBtuPerKcal);
      btu_ = value;
      break;
    case kUnitWatt:
    default:
      fromKcal(value * kKcalPerWatt);
      watt_ = value;
      break;
  }
}

float SensibleLoad::in(int unitIndex) const {
  switch (unitIndex) {
    case kUnitKcal:
      return kcal_;
    case kUnitKW:
      return kw_;
    case kUnitRT:
      return rt_;
    case kUnitBtuC:
    case kUnitBtuF:
      return btu_;
    default:
      return watt_;
  }
}

bool wetBulbFromHumidity(double db, double rhPercent, bool fahrenheit, double& wb) {
  const float dbF = fahrenheit ? static_cast<float>(db) : toF(db);
  float wbF = 0, rh = 0, grains = 0;
  if (!psy::FindWB(dbF, static_cast<float>(rhPercent), false, wbF, rh, grains)) return false;
  wb = roundHalfUp(fahrenheit ? wbF : static_cast<float>(toC(wbF)), 1);
  return true;
}

bool humidityFromWetBulb(double db, double wb, bool fahrenheit, double& rhPercent) {
  const float dbF = fahrenheit ? static_cast<float>(db) : toF(db);
  const float wbF = fahrenheit ? static_cast<float>(wb) : toF(wb);
  float rh = 0, grains = 0;
  if (!psy::FindRH(dbF, wbF, rh, grains)) return false;
  rhPercent = roundHalfUp(rh * 100.0f, 1);
  return true;
}

CheckResult CheckForLimits(const WinterEntries& e) {
  const bool english = fahrenheitUnits(e.unitIndex);
  const WinterLimits& L = limitsOf(e.unitIndex);
  if (below(e.envDB, L.envDBLow) || above(e.envDB, L.envDBHigh))
    return fail(kCodeEnvDB, Field::EnvDB, {Field::EnvDB, Field::EnvWB}, english);
  if (below(e.envRH, kEnvRHLow) || above(e.envRH, kRHHigh))
    return fail(kCodeEnvRH, Field::EnvRH, {Field::EnvRH, Field::EnvWB}, english);
  if (below(e.spaDB, L.spaDBLow) || above(e.spaDB, L.spaDBHigh))
    return fail(kCodeSpaDB, Field::SpaDB, {Field::SpaDB, Field::SpaWB}, english);
  if (below(e.spaRH, kSpaRHLow) || above(e.spaRH, kRHHigh))
    return fail(kCodeSpaRH, Field::SpaRH, {Field::SpaRH, Field::SpaWB}, english);
  if (below(e.spaDB - L.difference, e.envDB))
    return fail(kCodeDifference, Field::None, {}, english);
  CheckResult ok;
  ok.english = english;
  return ok;
}

CheckResult CheckPSValues(const WinterEntries& e) {
  const bool english = fahrenheitUnits(e.unitIndex);
  const WinterLimits& L = limitsOf(e.unitIndex);
  if (!e.envWBPlaceholder && below(e.envWB, L.envWBLow))
    return fail(kCodeEnvWB, Field::EnvWB, {}, english);
  if (!e.spaWBPlaceholder && below(e.spaWB, L.spaWBLow))
    return fail(kCodeSpaWB, Field::SpaWB, {}, english);
  if (e.load.in(e.unitIndex) == 0.0f && e.kindIndex != kKindFreshNoLoads)
    return fail(kCodeSens, Field::Sens, {}, english);
  CheckResult ok;
  ok.english = english;
  return ok;
}

CheckResult CheckEntries(const WinterEntries& e) {
  const bool sameUnit = e.kindyIndex == kSummerSameUnit;
  const bool recirc = e.kindIndex == kKindRecirc;
  if (sameUnit && e.summerFlow == 0) return fail(kCodeNoSummerFlow, Field::SummerFlow, {});
  // A unit of 100 % fresh air that takes up no loads has its load box locked
  // empty; its fresh air and coil outlet are still needed.
  if (e.load.in(e.unitIndex) == 0.0f && e.kindIndex != kKindFreshNoLoads)
    return fail(kCodeNoRooms, Field::Sens, {});
  if (e.optAmount && e.amount == 0 && !recirc) return fail(kCodeNoFreshAmount, Field::Amount, {});
  if (!e.optAmount && e.perCent == 0 && !recirc)
    return fail(kCodeNoFreshPerCent, Field::PerCent, {});
  if (!sameUnit && e.coilOut == 0) return fail(kCodeNoCoilOut, Field::CoilOut, {});
  return CheckResult{};
}

bool titleMissing(const WinterEntries& e) {
  return e.title.trimmed().isEmpty();
}

void ZeroVariables(StudyState& s) {
  for (float* v : {&s.DB_M, &s.WB_M, &s.W_M, &s.Gr_M, &s.h_M, &s.DB_T, &s.WB_T, &s.W_T, &s.Gr_T,
                   &s.h_T, &s.DB_S, &s.WB_S, &s.W_S, &s.Gr_S, &s.h_S})
    *v = kWinterUnset;
  s.RH_M = s.RH_T = s.RH_S = 0;
  s.CoilOutChange.fill(kWinterUnset);
  s.HighHumidity = 0;
  s.HighHumid.fill(kWinterUnset);
  s.HighHumid[kHighHumidityValues - 1] = 0;
  s.CoilLoad = s.Reheat = s.SupplyFlow = 0;
  s.FreshSensLoad = s.FreshLatLoad = 0;
  s.HumidWaterLb = s.HumidWaterKg = 0;
  s.ADP = s.W_ADP = s.Gr_ADP = s.h_ADP = s.ESHF = s.LineRatio = s.BF = 0;
}

void CollectInputs(const WinterEntries& e, StudyState& s) {
  static const int16_t kFlags[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 2}, {0, 0, 1, 1}};
  const int kind = (e.kindIndex >= 0 && e.kindIndex < 4) ? e.kindIndex : kKindMixing;
  s.KindMix = kFlags[kind][0];
  s.KindRecirc = kFlags[kind][1];
  s.KindFresh = kFlags[kind][2];
  s.FreshLoads = kFlags[kind][3];
  s.KindCode = texts::kindCodes().at(kind);

  const bool fahrenheit = fahrenheitUnits(e.unitIndex);
  s.EnvDB = static_cast<float>(e.envDB);
  s.EnvRH = static_cast<float>(e.envRH);
  s.SpaDB = static_cast<float>(e.spaDB);
  s.SpaRH = static_cast<float>(e.spaRH);
  double wb = e.envWB;
  if (e.envWBPlaceholder) wetBulbFromHumidity(e.envDB, e.envRH, fahrenheit, wb);
  s.EnvWB = static_cast<float>(wb);
  wb = e.spaWB;
  if (e.spaWBPlaceholder) wetBulbFromHumidity(e.spaDB, e.spaRH, fahrenheit, wb);
  s.SpaWB = static_cast<float>(wb);

  // The data file carries the load in kcal/h for the metric sets and in Btu/h
  // for the English one, whatever load unit is shown.
  s.SensLoad = fahrenheit ? e.load.btu() : e.load.kcal();
  s.LatLoad = 0;

  if (e.kindyIndex == kSummerSameUnit) {
    s.DB_S = kWinterUnset;  // no chosen coil outlet: the summer flow decides
    s.SummerFlow = static_cast<float>(e.summerFlow);
  } else {
    s.DB_S = static_cast<float>(e.coilOut);
    s.SummerFlow = 0;
  }

  if (s.EnvDB > s.SpaDB) {
    s.CoolingProcess = true;
    s.HeatingProcess = false;
  } else if (s.EnvDB < s.SpaDB) {
    s.CoolingProcess = false;
    s.HeatingProcess = true;
  }

  // The fresh air in force follows the selected option; 100 % recirculation
  // runs with a token 0.1 of fresh air so that the mixing formulas hold.
  if (kind == kKindRecirc) {
    s.FreshMode = QStringLiteral("C");
    s.FreshAmount = 0;
    s.FreshPerCent = s.FreshValue = s.FreshFlow = 0.1f;
  } else if (e.optAmount || kind != kKindMixing) {
    s.FreshMode = QStringLiteral("C");
    s.FreshAmount = s.FreshValue = s.FreshFlow = static_cast<float>(e.amount);
    s.FreshPerCent = 0;
  } else {
    s.FreshMode = QStringLiteral("P");
    s.FreshPerCent = s.FreshValue = s.FreshFlow = static_cast<float>(e.perCent);
    s.FreshAmount = 0;
  }

  s.setLoadUnit(loadUnitCode(e.unitIndex));
  if (e.unitIndex == kUnitBtuC) {
    s.MetricCode = s.EnglishCode = 32;
  } else if (fahrenheit) {
    s.MetricCode = 0;
    s.EnglishCode = 1;
  } else {
    s.MetricCode = 1;
    s.EnglishCode = 0;
  }
  s.Title = e.title.trimmed();
}

}  // namespace aeriton::winter
