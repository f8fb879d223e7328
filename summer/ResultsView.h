#pragma once
// What the results screen shows, and how it shows it in either unit system.
//
// The screen is opened after a calculation; it reads the results file (and the
// data file for the fresh-air per cent) into a copy of the study. That copy is
// kept in the study's own units and is never converted: switching the display
// between the metric and the English system recomputes every shown value from
// it, so switching there and back returns the very first figures.
//
// Units of the stored values (the results file's units):
//   metric study (MetricCode 1 or 32): °C, kcal/kg, m³/h, kcal/h
//   English study (MetricCode 0):      °F, Btu/lb, CFM,  Btu/h
// Shown values:
//   metric display: °C, m³/h, loads in the study's load unit (kcal/h for an
//     English study shown in metric), enthalpies in kJ/kg for W, kW and RT,
//     kcal/kg for kcal/h and Btu/h-with-°C
//   English display: °F, CFM, Btu/h, Btu/lb

#include <QString>
#include <array>
#include <cmath>

#include "study/StudyState.h"

namespace aeriton::summer {

enum class UnitSystem { Metric, English };

// Every value the results screen and its outdoor-air window show.
// clang-format off
enum class ResultField {
  EnvDB, EnvWB, SpaDB, SpaWB,   // outdoor and room states
  Sens, Lat,                    // room loads
  OA,                           // fresh air as entered (amount or per cent)
  FA,                           // fresh-air flow used
  DB_M, WB_M, H_M,              // mixed air at the coil inlet
  DB_T, WB_T, H_T,              // air leaving the unit
  FlowRate, Power, Reheat,      // supply flow, coil load, reheat
  WinterSpecial,                // heating case: chosen outlet temperature or summer flow
  Water,                        // heating case: humidifier water
  FreshSens, FreshLat,          // outdoor-air loads (outdoor-air window)
};
// clang-format on
constexpr int kFieldCount = static_cast<int>(ResultField::FreshLat) + 1;

// Object name of the control that shows a field ("TxtEnvDB" ...).
QString controlName(ResultField f);

// Conversion factors of the results screen (metric value = English value × factor
// unless stated). Singles, as the study's own routines hold them.
constexpr double kCfmToM3h = 1.7;
constexpr double kKcalToBtu = 3.970923;      // Btu/h = kcal/h × 3.970923
constexpr double kKcalPerWatt = 0.85985547;  // W = kcal/h ÷ 0.85985547
constexpr double kKcalPerKw = 859.85547;     // kW = kcal/h ÷ 859.85547
constexpr double kBtuPerTon = 12000.0;       // RT = Btu/h ÷ 12000
constexpr double kBtuLbToKcalKg = 0.2518301785 / 0.45359;
constexpr double kKcalKgToKJKg = 4.18675;
constexpr double kKgToLb = 2.2046;

// Half-up rounding to n decimals: floor(x·10ⁿ + 0.5) / 10ⁿ.
double roundHalfUp(double x, int decimals);
// °C ↔ °F, rounded to one decimal.
double toFahrenheit(double c);
double toCelsius(double f);

// A stored value that must never be shown or converted: the "not computed"
// marker of the summer results, the "unset" marker of the winter fields.
bool isMarker(double v);

// The study's unit system from its unit codes.
UnitSystem studySystemOf(const StudyState& s);
// The load unit the study is worked in, made consistent with its unit codes:
// MetricCode 0 is always "BTU", 32 always "BTUh"; a metric study with another
// code than the four metric ones reads as "KCAL".
QString effectiveLoadUnit(const StudyState& s, const QString& loadUnit);

// In-place conversions of a study between its two unit systems, with the
// factors above: temperatures (rounded to one decimal), enthalpies, room loads,
// reheat, outdoor-air loads, coil load, fresh-air values, flows, and the
// reheat, flow and coil load of the coil-outlet change record. Markers stay.
void Convert_To_British(StudyState& s);
void Convert_To_Metric(StudyState& s);

class ResultsView {
 public:
  // fileState: the study as read from the results file, in the study's units.
  // loadUnit: the study's load-unit code. shownPerCent: the fresh-air per cent
  // to show in per-cent mode.
  ResultsView(const StudyState& fileState, const QString& loadUnit, float shownPerCent);

  const StudyState& results() const { return s_; }
  // Replaces the coil-outlet change record (study units) after a raise.
  void setChangeRecord(const std::array<float, kCoilOutChangeValues>& record);

  UnitSystem studySystem() const { return studySystem_; }
  UnitSystem shownSystem() const { return shown_; }
  void setShownSystem(UnitSystem system) { shown_ = system; }
  // Switches the display to the other system (the stored study is untouched).
  void MakeChanges();

  bool heating() const;
  bool hasReheat() const;      // an after-reheat state was computed
  bool raised() const;         // the change record holds a raise
  bool amountMode() const;     // fresh air entered as an amount ("C")
  bool recirculation() const;  // "AA_100"
  // Heating case: true when the special field shows the summer flow, false when
  // it shows the chosen coil outlet temperature.
  bool winterShowsFlow() const;

  // The temperature of the air leaving the unit as calculated (after reheat
  // when there is reheat, else the coil outlet), in the study's units.
  float calculatedOutletTemperature() const;
  // The temperature of the air leaving the unit as shown: the raised supply
  // temperature when a raise is in force, else the calculated one. A new
  // raise must lie above it.
  float presentOutletTemperature() const;

  // Cooling with fresh air drier than the room (outdoor humidity ratio below
  // the room's, both from their dry and wet bulbs): the screen says so.
  bool freshAirDrier() const;

  // The shown value of a field in the shown system; NaN when nothing is shown.
  double value(ResultField f) const;
  // Its display pattern and text (empty for NaN).
  QString format(ResultField f) const;
  QString text(ResultField f) const;

  // Load unit code in the shown system ("BTU" for English display).
  QString shownLoadUnit() const;
  bool threeDecimalLoads() const;    // kW and RT
  QString loadLabel() const;         // "[Kcal/h]", "[Watts]", "[Kw]", "[RT]", "[Btu/h]"
  QString flowLabel() const;         // "[m³/h]" / "[CFM]"
  QString temperatureLabel() const;  // "[°C]" / "[°F]"
  QString enthalpyLabel() const;     // "[Kcal/Kg]", "[KJ/Kg]", "[Btu/Lb]"
  QString oaLabel() const;           // "[ m³/h ]", "[ CFM ]", "[ % ]"
  QString waterLabel() const;        // "[Kg/h]" / "[Lb/h]"
  // Caption of the unit buttons: the system the next press switches to.
  QString switchCaption() const;

  // Conversions of a stored (study-unit) quantity into the shown system.
  double showTemperature(double stored) const;
  double showEnthalpy(double stored) const;
  double showLoad(double stored) const;
  double showFlow(double stored) const;

 private:
  bool enthalpyInKJ() const;

  StudyState s_;
  QString loadUnit_;
  float perCent_ = 0;
  UnitSystem studySystem_ = UnitSystem::Metric;
  UnitSystem shown_ = UnitSystem::Metric;
};

}  // namespace aeriton::summer
