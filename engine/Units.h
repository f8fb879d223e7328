#pragma once
// Unit conversion between the metric and English systems.
//
// The property engine works in English units (°F, grains/lb, Btu/lb, CFM,
// Btu/h). Two sets of factors are in use and each place uses its own:
//  - the study screens (summer and winter data screens, summer results) work
//    on single-precision study values and round converted temperatures and
//    air flows to one decimal;
//  - the two-state calculator converts the texts of its boxes in double
//    precision with slightly longer factors and shows them with fixed formats.
// Metric value = English value × factor unless stated otherwise.

#include <QString>
#include <vector>

namespace aeriton::units {

// ---- Factors common to both sets -------------------------------------------
constexpr double kM3hPerCfm = 1.7;  // air flow: 1 CFM ≈ 1.699 m³/h, rounded to 1.7
// Enthalpy Btu/lb -> kcal/kg: 1 Btu = 0.2518301785 kcal, 1 lb = 0.45359 kg.
constexpr double kKcalKgPerBtuLb = 0.2518301785 / 0.45359;

// ---- The study screens' set (single precision) --------------------------------
constexpr float kStudyBtuPerKcal = 3.970923f;    // Btu/h = kcal/h × 3.970923
constexpr float kStudyKcalPerWatt = 0.8598555f;  // W = kcal/h ÷ 0.8598555
constexpr float kStudyKcalPerKW = 859.85547f;    // kW = kcal/h ÷ 859.85547
constexpr float kBtuPerRT = 12000.0f;            // refrigeration ton = 12000 Btu/h

// ---- The calculator's set (double precision) -----------------------------------
constexpr double kCalcBtuPerKcal = 3.970929956;
constexpr double kCalcKcalPerWatt = 0.8598554966;
constexpr double kCalcKcalPerKW = 859.8554966;
// Absolute humidity g/kg from grains/lb (7000 grains = 1 lb, 1 lb = 0.45359 kg
// would give 0.14286; the calculator's constant is kept as it is).
constexpr double kCalcGramsPerGrain = 0.1428578672369;
constexpr double kKJPerKcal = 4.1868;
constexpr double kKcalPerKJDisplay = 0.238846;      // kJ/kg -> kcal/kg, display switch
constexpr double kKcalPerKJToEnglish = 0.23884875;  // kJ/kg -> kcal/kg before ->Btu/lb
// Enthalpies computed by the calculator's calculation, Btu/lb -> kcal/kg.
constexpr double kCalcResultKcalKgPerBtuLb = 0.555556;

// Half-up rounding of a single to n decimals, floor(x·10ⁿ + 0.5) / 10ⁿ, with
// the scaling done in single precision as the study values are held.
float RoundSingle(float x, int decimals);

// ---- Study conversions (one-decimal temperatures and flows) ------------------
float StudyCelsius(float fahrenheit);  // (t - 32) × 5 / 9, one decimal
float StudyFahrenheit(float celsius);  // t × 9 / 5 + 32, one decimal
float StudyM3h(float cfm);             // × 1.7, one decimal
float StudyCfm(float m3h);             // ÷ 1.7, one decimal
float StudyKcalKg(float btuLb);        // enthalpy, not rounded
float StudyBtuLb(float kcalKg);
float StudyBtu(float kcalH);  // load kcal/h -> Btu/h
float StudyKcal(float btuH);  // load Btu/h -> kcal/h
// A load typed in a study load unit ("KCAL", "WATT", "KW", "RT", "BTUh",
// "BTU") to kcal/h and back. Btu/h units go through the study Btu factor;
// an unknown unit is taken as kcal/h.
float StudyLoadToKcal(float value, const QString& unitCode);
float StudyLoadFromKcal(float kcalH, const QString& unitCode);

// ---- The calculator ------------------------------------------------------------
enum class CalcQuantity { Flow, DryBulb, WetBulb, RelHumidity, AbsHumidity, Enthalpy, Load };

// One box of the calculator for a unit switch. Load boxes are not converted:
// they are re-shown from the loads the calculation stored in both systems.
struct CalcBox {
  CalcQuantity quantity = CalcQuantity::Flow;
  QString text;              // box text, converted in place
  double storedMetric = 0;   // Load only: kcal/h shown after ConvertToMetric
  double storedEnglish = 0;  // Load only: Btu/h shown after ConvertToEnglish
};

// Captions of the enthalpy unit.
inline const QString kCaptionKJ = QStringLiteral("KJ/Kg");
inline const QString kCaptionKcal = QStringLiteral("Kcal/Kg");
inline const QString kCaptionBtuLb = QStringLiteral("Btu/Lib");

// Single values.
double CalcToMetric(CalcQuantity q, double english);
// `enthalpyInKJ`: the metric enthalpy is in kJ/kg (caption "KJ/Kg").
double CalcToEnglish(CalcQuantity q, double metric, bool enthalpyInKJ = false);

// The whole box list. Every box with a number is converted and re-shown in
// its format; an empty box and the "----" placeholder stay as they are; RH
// texts are not touched. The enthalpy caption is read (kJ/kg or kcal/kg before
// ConvertToEnglish) and set to the caption of the new system.
void ConvertToMetric(std::vector<CalcBox>& boxes, QString& enthalpyCaption);
void ConvertToEnglish(std::vector<CalcBox>& boxes, QString& enthalpyCaption);

// Display formats of the calculator's boxes after a switch.
QString CalcMetricFormat(CalcQuantity q);
QString CalcEnglishFormat(CalcQuantity q);

}  // namespace aeriton::units
