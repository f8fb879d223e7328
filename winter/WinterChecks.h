#pragma once
// What the winter data screen holds, as plain data, and the rules it applies:
// the loads kept in every load unit, the completion of a climate state, the
// limits of a winter study, the completeness of its entries and the
// collection of the inputs into the study for a calculation.
// No widgets here: the screen reads its boxes into a WinterEntries.

#include <QString>
#include <vector>

#include "study/StudyState.h"

namespace aeriton::winter {

// ---- codes of the checks -----------------------------------------------------
constexpr int kCodeEnvWB = -2;        // outdoor wet bulb too low
constexpr int kCodeSpaWB = -5;        // room wet bulb too low
constexpr int kCodeSens = -7;         // no sensible load
constexpr int kCodeEnvDB = -10;       // outdoor dry bulb out of range
constexpr int kCodeEnvRH = -11;       // outdoor relative humidity out of range
constexpr int kCodeSpaDB = -12;       // room dry bulb out of range
constexpr int kCodeSpaRH = -13;       // room relative humidity out of range
constexpr int kCodeDifference = -14;  // room not warm enough above the outdoor air
constexpr int kCodeNoRooms = 1;       // no sensible load
constexpr int kCodeNoFreshAmount = 2;
constexpr int kCodeNoFreshPerCent = 3;
constexpr int kCodeNoCoilOut = 4;
constexpr int kCodeNoSummerFlow = 5;

// ---- the unit list (CboUnits) ---------------------------------------------------
constexpr int kUnitWatt = 0, kUnitKcal = 1, kUnitKW = 2, kUnitRT = 3, kUnitBtuC = 4, kUnitBtuF = 5;
constexpr int kUnitCount = 6;
inline bool fahrenheitUnits(int unitIndex) {
  return unitIndex == kUnitBtuF;
}
// Load-unit code of a list entry: "WATT", "KCAL", "KW", "RT", "BTUh", "BTU".
QString loadUnitCode(int unitIndex);
// Loads of kW and RT are shown with two decimals, the others as whole numbers.
bool loadHasFractions(int unitIndex);

// ---- the kinds of air system (CboKind) and the summer side (CboKindy) -------------
constexpr int kKindMixing = 0, kKindRecirc = 1, kKindFreshLoads = 2, kKindFreshNoLoads = 3;
constexpr int kSummerOtherUnit = 0, kSummerSameUnit = 1;

// ---- the coil outlet list (CboTo) ---------------------------------------------------
constexpr int kCoilOutFirstC = 25, kCoilOutLastC = 54;   // whole °C
constexpr int kCoilOutFirstF = 75, kCoilOutLastF = 130;  // whole °F
constexpr int kCoilOutDefaultIndex = 20;                 // 45 °C
constexpr int kPerCentMin = 1, kPerCentMax = 85;

// The sensible load held in every load unit at once. Entering it in one unit
// converts it into the others: 1 W = 0.8598555 kcal/h, 1 kcal/h = 3.970923
// Btu/h, 1 kW = 859.85547 kcal/h, 1 RT = 12000 Btu/h.
class SensibleLoad {
 public:
  void set(int unitIndex, float value);
  float in(int unitIndex) const;
  float kcal() const { return kcal_; }
  float btu() const { return btu_; }
  void clear() { *this = SensibleLoad(); }

 private:
  void fromKcal(float kcal);
  float watt_ = 0, kcal_ = 0, kw_ = 0, rt_ = 0, btu_ = 0;
};

// Completion of a climate state typed on the screen, in the screen's units
// (°C or °F, per cent), by the engine in °F: the wet bulb from the relative
// humidity, or the relative humidity (per cent) from the wet bulb. False when
// the state lies outside the property table.
bool wetBulbFromHumidity(double db, double rhPercent, bool fahrenheit, double& wb);
bool humidityFromWetBulb(double db, double wb, bool fahrenheit, double& rhPercent);

// The values of the screen.
struct WinterEntries {
  int unitIndex = kUnitWatt;
  double envDB = 0, envWB = 0, envRH = 0;
  double spaDB = 0, spaWB = 0, spaRH = 0;
  bool envWBPlaceholder = false, spaWBPlaceholder = false;  // "will be computed"
  SensibleLoad load;
  int kindIndex = kKindMixing;
  int kindyIndex = kSummerOtherUnit;
  double coilOut = 0;     // CboTo, or TxtTempOut for kind 3; 0 when empty
  double summerFlow = 0;  // TxtSF
  bool optAmount = true;  // OptAmount set (else OptPerCent)
  double amount = 0;      // TxtAmount
  double perCent = 0;     // CboPerC, 0 when none is selected
  QString title;          // LblThema
};

// Fields a check names.
enum class Field {
  None,
  EnvDB,
  EnvWB,
  EnvRH,
  SpaDB,
  SpaWB,
  SpaRH,
  Sens,
  SummerFlow,
  Amount,
  PerCent,
  CoilOut,
  Thema
};

struct CheckResult {
  int code = 0;
  Field focus = Field::None;
  std::vector<Field> cleared;  // fields the screen empties
  bool english = false;        // the °F wording of the message
  explicit operator bool() const { return code != 0; }
};

// The limits of a winter study, inclusive, in the study's unit system: outdoor
// −20 .. 15 °C, room 15 .. 33 °C, the room at least 5 °C above the outdoor
// air, wet bulbs from −12 °C outdoors and 10 °C in the rooms; the same
// temperatures in °F (−12 °C is 10.4 °F). The range messages quote them.
struct WinterLimits {
  double envDBLow, envDBHigh, spaDBLow, spaDBHigh, difference, envWBLow, spaWBLow;
};
const WinterLimits& winterLimits(bool english);
// Relative humidity limits, per cent (both unit systems).
constexpr double kEnvRHLow = 30, kSpaRHLow = 35, kRHHigh = 100;

// The limits of a winter study (-10 .. -14), the first violation only.
CheckResult CheckForLimits(const WinterEntries& e);
// The wet bulbs and the load (-2, -5, -7).
CheckResult CheckPSValues(const WinterEntries& e);
// Missing entries (1 .. 5).
CheckResult CheckEntries(const WinterEntries& e);
bool titleMissing(const WinterEntries& e);

// Results of the last run cleared before a new one (the T, M and S states and
// the summer calculation's records to the marker -10000, the capacities to 0).
void ZeroVariables(StudyState& s);

// The inputs of a calculation taken from the screen into the study, in the
// screen's units (the study's own units until the calculation converts them).
// A wet bulb still showing the placeholder is completed from its humidity.
void CollectInputs(const WinterEntries& e, StudyState& s);

}  // namespace aeriton::winter
