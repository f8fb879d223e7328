#pragma once
// What the summer data screen holds, as plain data: the lists of the screen
// (load units, kinds of air system, fresh-air per cents), the values read from
// its boxes, and the conversions the screen applies while it is used (loads
// kept in every load unit, fresh air in m³/h and CFM, °C <-> °F, g/kg <->
// grains/lb). No widgets here: the screen reads its boxes into a SummerEntry
// and hands it to the checks of SummerChecks.h.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace aeriton::summer {

// Text that a computed wet-bulb or relative-humidity box holds until its state
// is complete ("will be computed").
QString pendingText();

// ---- load units (CboUnits) ---------------------------------------------------
enum class LoadUnit { Kcal, Watt, KW, RT, Btu };  // the five units a load is kept in

struct UnitEntry {
  QString text;         // list text
  QString code;         // "WATT", "KCAL", "KW", "RT", "BTUh", "BTU"
  bool fahrenheit;      // temperatures of the entry in °F (entry 5 only)
  LoadUnit load;        // unit of the load boxes
  QString loadCaption;  // caption beside the load boxes
};
constexpr int kUnitCount = 6;
constexpr int kEnglishUnitIndex = 5;
const UnitEntry& unitEntry(int index);  // index clamped to 0..5
QStringList unitTexts();
// List index of a load-unit code; -1 when the code is unknown.
int unitIndexOfCode(const QString& code);

// Unit-system pair that travels with a study.
struct UnitPair {
  int16_t metric = 1;
  int16_t english = 0;
  bool operator==(const UnitPair& o) const { return metric == o.metric && english == o.english; }
};
// Pair used by the checks: entries 0-4 (1, 0), entry 5 (0, 1).
UnitPair validationUnits(int unitIndex);
// Pair used by the calculation: "BTUh" (32, 32), "BTU" (0, 1), else (1, 0).
UnitPair calculationUnits(int unitIndex);
// True when a pair selects the °F wording of the range messages.
inline bool englishWording(UnitPair p) {
  return p.metric == 0 && p.english == 1;
}

// ---- kinds of air system (CboKind) -------------------------------------------
struct KindEntry {
  QString text;
  QString code;  // "AAA_NA", "AA_100", "NA_PAF", "NA_DPF"
  int16_t mix, recirc, fresh, freshLoads;
};
constexpr int kKindCount = 4;
constexpr int kKindMixing = 0, kKindRecirc = 1, kKindFreshLoads = 2, kKindFreshNoLoads = 3;
const KindEntry& kindEntry(int index);  // index clamped to 0..3
QStringList kindTexts();
int kindIndexOfCode(const QString& code);  // -1 when unknown

// What the kind list does to the load and fresh-air controls.
struct KindControls {
  bool loadsUsed;       // false: load boxes cleared, locked, dark blue
  bool amountEnabled;   // fresh-air amount option and box
  bool perCentEnabled;  // per-cent option and list
};
KindControls kindControls(int index);

// ---- fresh-air per cent (CboPerC) --------------------------------------------
constexpr int kPerCentMin = 1, kPerCentMax = 85;
QStringList perCentTexts();  // "1" .. "85"

// ---- the values of the screen -----------------------------------------------
// One air state as typed: dry bulb plus the wet bulb or the relative humidity.
// A `pending` value holds the placeholder text, not a number.
struct StateEntry {
  float db = 0;
  float wb = 0;
  bool wbPending = false;
  float rh = 0;
  bool rhPending = false;
};

struct SummerEntry {
  int unitIndex = 0;  // CboUnits entry
  StateEntry outdoor, room;
  float sens = 0, lat = 0;  // loads in the unit of the entry
  int kindIndex = 0;
  bool amountMode = true;  // "C"; false = per cent "P"
  float amount = 0;        // m³/h, or CFM for the °F entry
  int perCent = 0;         // 0 = nothing chosen
  QString title;           // trimmed study title
  QString kindCode() const { return kindEntry(kindIndex).code; }
};

// ---- conversions of the screen -------------------------------------------------
// Half-up rounding to n decimals: floor(x * 10^n + 0.5) / 10^n.
double roundToDecimals(double x, int decimals);
// °C -> °F and back, rounded to one decimal.
float celsiusToFahrenheit(float c);
float fahrenheitToCelsius(float f);
// Absolute humidity: 7000 grains = 1 lb, so 1 g/kg = 7 grains/lb.
inline double grainsToGramsPerKg(double grains) {
  return grains * 1000.0 / 7000.0;
}
inline double gramsPerKgToGrains(double gkg) {
  return gkg * 7000.0 / 1000.0;
}

// A load kept in all five load units at once. The unit it was typed in keeps
// the typed value exactly; the others are derived through kcal/h with the
// factors of the study screens (1 W = 0.8598555 kcal/h, 1 kW = 859.85547
// kcal/h, 1 kcal/h = 3.970923 Btu/h, 1 RT = 12000 Btu/h).
class LoadSet {
 public:
  LoadSet() = default;
  static LoadSet fromValue(double value, LoadUnit unit);
  double in(LoadUnit unit) const;
  bool isZero() const { return kcal_ == 0 && watt_ == 0; }

 private:
  double kcal_ = 0, watt_ = 0, kw_ = 0, rt_ = 0, btu_ = 0;
};

// A fresh-air amount kept in m³/h and CFM (1 CFM = 1.7 m³/h), each rounded to
// one decimal.
struct FreshAirSet {
  double m3h = 0;
  double cfm = 0;
  static FreshAirSet fromValue(double value, bool cfmUnit);
  double in(bool cfmUnit) const { return cfmUnit ? cfm : m3h; }
};

}  // namespace aeriton::summer
