#include "summer/SummerEntry.h"

#include <algorithm>
#include <cmath>

namespace aeriton::summer {

QString pendingText() {
  return QStringLiteral("ΘΑ ΥΠΟΛΟΓ.");
}

namespace {

// Load factors of the study screens (single precision in the original figures).
constexpr double kKcalPerWatt = 0.8598555;
constexpr double kKcalPerKW = 859.85547;
constexpr double kBtuPerKcal = 3.970923;
constexpr double kBtuPerRT = 12000.0;
// Fresh air: 1 CFM = 1.7 m³/h.
constexpr double kM3hPerCfm = 1.7;

const UnitEntry kUnits[kUnitCount] = {
    {QStringLiteral("[Watts], [°C], Ενθαλπία -> [KJ/Kg]"), QStringLiteral("WATT"), false,
     LoadUnit::Watt, QStringLiteral("[ Watts ]")},
    {QStringLiteral("[Kcal/h], [°C], Ενθαλπία -> [Kcal/Kg]"), QStringLiteral("KCAL"), false,
     LoadUnit::Kcal, QStringLiteral("[ Kcal/h ]")},
    {QStringLiteral("[Kw], [°C], Ενθαλπία -> [KJ/Kg]"), QStringLiteral("KW"), false, LoadUnit::KW,
     QStringLiteral("[ Kw ]")},
    {QStringLiteral("[RT], [°C], Ενθαλπία -> [KJ/Kg]"), QStringLiteral("RT"), false, LoadUnit::RT,
     QStringLiteral("[ RT ]")},
    {QStringLiteral("[Btu/h], [°C], Ενθαλπία -> [Kcal/Kg]"), QStringLiteral("BTUh"), false,
     LoadUnit::Btu, QStringLiteral("[ Btu/h ]")},
    {QStringLiteral("[Btu/h], [°F], Ενθαλπία -> [Btu/Lb]"), QStringLiteral("BTU"), true,
     LoadUnit::Btu, QStringLiteral("[ Btu/h ]")},
};

const KindEntry kKinds[kKindCount] = {
    {QStringLiteral("Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα"), QStringLiteral("AAA_NA"), 1, 0, 0,
     0},
    {QStringLiteral("Ανακυκλοφορία Αέρα 100%"), QStringLiteral("AA_100"), 0, 1, 0, 0},
    {QStringLiteral("100% Νωπός Αέρας, που παραλαμβάνει Φορτία"), QStringLiteral("NA_PAF"), 0, 0, 1,
     2},
    {QStringLiteral("100% Νωπός Αέρας, που ΔΕΝ παραλαμβάνει Φορτία"), QStringLiteral("NA_DPF"), 0,
     0, 1, 1},
};

}  // namespace

const UnitEntry& unitEntry(int index) {
  return kUnits[std::clamp(index, 0, kUnitCount - 1)];
}

QStringList unitTexts() {
  QStringList list;
  for (const UnitEntry& u : kUnits) list << u.text;
  return list;
}

int unitIndexOfCode(const QString& code) {
  for (int i = 0; i < kUnitCount; ++i)
    if (kUnits[i].code == code) return i;
  return -1;
}

UnitPair validationUnits(int unitIndex) {
  return unitIndex == kEnglishUnitIndex ? UnitPair{0, 1} : UnitPair{1, 0};
}

UnitPair calculationUnits(int unitIndex) {
  const QString& code = unitEntry(unitIndex).code;
  if (code == QLatin1String("BTUh")) return UnitPair{32, 32};
  if (code == QLatin1String("BTU")) return UnitPair{0, 1};
  return UnitPair{1, 0};
}

const KindEntry& kindEntry(int index) {
  return kKinds[std::clamp(index, 0, kKindCount - 1)];
}

QStringList kindTexts() {
  QStringList list;
  for (const KindEntry& k : kKinds) list << k.text;
  return list;
}

int kindIndexOfCode(const QString& code) {
  for (int i = 0; i < kKindCount; ++i)
    if (kKinds[i].code == code) return i;
  return -1;
}

KindControls kindControls(int index) {
  switch (std::clamp(index, 0, kKindCount - 1)) {
    case kKindMixing:
      return {true, true, true};
    case kKindRecirc:
      return {true, false, false};
    case kKindFreshLoads:
      return {true, true, false};
    default:
      return {false, true, false};  // fresh air that takes up no loads
  }
}

QStringList perCentTexts() {
  QStringList list;
  for (int i = kPerCentMin; i <= kPerCentMax; ++i) list << QString::number(i);
  return list;
}

double roundToDecimals(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::floor(x * scale + 0.5) / scale;
}

float celsiusToFahrenheit(float c) {
  return static_cast<float>(roundToDecimals(static_cast<double>(c) * 9.0 / 5.0 + 32.0, 1));
}

float fahrenheitToCelsius(float f) {
  return static_cast<float>(roundToDecimals((static_cast<double>(f) - 32.0) * 5.0 / 9.0, 1));
}

LoadSet LoadSet::fromValue(double value, LoadUnit unit) {
  double kcal = value;
  switch (unit) {
    case LoadUnit::Kcal:
      kcal = value;
      break;
    case LoadUnit::Watt:
      kcal = value * kKcalPerWatt;
      break;
    case LoadUnit::KW:
      kcal = value * kKcalPerKW;
      break;
    case LoadUnit::RT:
      kcal = value * kBtuPerRT / kBtuPerKcal;
      break;
    case LoadUnit::Btu:
      kcal = value / kBtuPerKcal;
      break;
  }
  LoadSet s;
  s.kcal_ = kcal;
  s.watt_ = kcal / kKcalPerWatt;
  s.kw_ = kcal / kKcalPerKW;
  s.btu_ = kcal * kBtuPerKcal;
  s.rt_ = s.btu_ / kBtuPerRT;
  // The unit typed in keeps its figure exactly (no round trip through kcal/h).
  switch (unit) {
    case LoadUnit::Kcal:
      s.kcal_ = value;
      break;
    case LoadUnit::Watt:
      s.watt_ = value;
      break;
    case LoadUnit::KW:
      s.kw_ = value;
      break;
    case LoadUnit::RT:
      s.rt_ = value;
      break;
    case LoadUnit::Btu:
      s.btu_ = value;
      break;
  }
  return s;
}

double LoadSet::in(LoadUnit unit) const {
  switch (unit) {
    case LoadUnit::Kcal:
      return kcal_;
    case LoadUnit::Watt:
      return watt_;
    case LoadUnit::KW:
      return kw_;
    case LoadUnit::RT:
      return rt_;
    case LoadUnit::Btu:
      return btu_;
  }
  return kcal_;
}

FreshAirSet FreshAirSet::fromValue(double value, bool cfmUnit) {
  FreshAirSet s;
  if (cfmUnit) {
    s.cfm = roundToDecimals(value, 1);
    s.m3h = roundToDecimals(value * kM3hPerCfm, 1);
  } else {
    s.m3h = roundToDecimals(value, 1);
    s.cfm = roundToDecimals(value / kM3hPerCfm, 1);
  }
  return s;
}

}  // namespace aeriton::summer
