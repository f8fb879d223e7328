#pragma once
// The two-state calculator: an air flow passing from an inlet state to an
// outlet state. For each state the missing humidity property (wet bulb or
// relative humidity), the absolute humidity and the enthalpy; for the process
// the sensible and latent loads
//   sensible = 1.08 × CFM × (DBin − DBout)        Btu/h
//   latent   = 0.68 × CFM × (GRin − GRout)        Btu/h, GR in grains/lb
// (the standard-air factors: 60 min/h × 0.075 lb/ft³ × 0.24 Btu/lb·°F, and
// 60 × 0.075 × 1060 / 7000 Btu/grain). Positive loads are heat taken out of
// the air (cooling, dehumidifying), negative loads heat put into it.
//
// The screen is mirrored by CalcForm: the texts of its boxes in the user's
// regional number format, which humidity property of each state is given,
// the unit captions and the two value lists. Every button of the screen is a
// function here, so that the screen, the batch calculator and the tests run
// the same code. All psychrometrics go through the engine in English units.

#include <QString>
#include <array>
#include <cstdint>

#include "engine/Units.h"

namespace aeriton::calculator {

// The boxes, numbered as the two value lists (1-based).
enum Box : int {
  kFlow = 1,
  kTDBin,
  kTWBin,
  kRHin,
  kWin,
  kHin,
  kTDBout,
  kTWBout,
  kRHout,
  kWout,
  kHout,
  kSens,
  kLat,
  kInletMode  // value list only: -1 inlet RH given, 0 inlet WB given
};
constexpr int kBoxCount = 13;
constexpr int kValueCount = 14;

// Object name of a box on the screen ("TxtFlowRate", "TxtTDBin", ...).
QString boxName(int box);
// The quantity a box holds, for the unit conversions.
units::CalcQuantity quantityOf(int box);

// A list of 14 singles, index 1..14 (index 0 unused).
using ValueList = std::array<float, kValueCount + 1>;

// Texts the screen shows.
QString computedText();      // "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ": a humidity box the calculation fills
QString titlePlaceholder();  // "ΘΕΜΑ ΤΗΣ ΜΕΛΕΤΗΣ"
inline const QString kCaptionKcalH = QStringLiteral("Kcal/h");
inline const QString kCaptionWatts = QStringLiteral("Watts");
inline const QString kCaptionKW = QStringLiteral("Kw");
inline const QString kCaptionBtuH = QStringLiteral("Btu/h");
QString toKJButtonText();    // " Μετατροπή σε [KJ/Kg] "
QString toKcalButtonText();  // " Μετατροπή σε [Kcal/Kg] "

// Background of a load box: none (no load shown), a load taken out of the
// air (&HFFFF80) or put into it (&H8080FF).
enum class LoadColour { None, Cooling, Heating };

// Load unit of the load boxes on a metric screen.
enum class LoadUnit { Kcal, Watts, KW };

// A load in the four units of the calculator (its magnitude).
struct Loads {
  float kcal = 0, watts = 0, kw = 0, btu = 0;
};
// The four units from kcal/h or from Btu/h with the calculator's factors
// (Btu/h = kcal/h × 3.970929956, W = kcal/h ÷ 0.8598554966,
// kW = kcal/h ÷ 859.8554966).
Loads loadsFromKcal(float kcal);
Loads loadsFromBtu(float btu);

// Everything the calculator screen holds.
struct CalcForm {
  bool metric = true;                         // MetricUnits
  std::array<QString, kBoxCount + 1> text{};  // box texts, index 1..13
  bool inletByRH = false, outletByRH = false;
  bool rhInGiven = false, wbInGiven = false, rhOutGiven = false, wbOutGiven = false;
  // Load unit flags, written to the file as held (any non-zero is true;
  // ShowKcal counts before ShowWatts before ShowKW).
  int16_t showKcal = 1, showWatts = 0, showKW = 0;
  QString enthalpyCaption = QStringLiteral("Kcal/Kg");  // LblUNHin / LblUNHout
  QString loadCaption = kCaptionKcalH;                  // LblUNsens / LblUNlat
  LoadColour sensColour = LoadColour::None, latColour = LoadColour::None;
  QString title;  // the trimmed study title; empty when none
  ValueList english{}, metricValues{};
  Loads sens, lat;  // SensKcal … SensBtu, LatKcal … LatBtu
};

// Which of the two humidity boxes of a state is the entry box.
bool isEntryBox(const CalcForm& f, int box);
// True for the humidity boxes that the calculation fills (the yellow boxes).
bool isComputedBox(const CalcForm& f, int box);
// The number in a box (thousands separators removed, regional decimal
// separator); 0 for an empty box or one holding a caption.
double boxNumber(const CalcForm& f, int box);
// True when the trimmed box text is empty or holds "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ".
bool boxMissing(const CalcForm& f, int box);

// The calculator as it opens and after "new study": metric, every box empty,
// the four humidity boxes locked and yellow until a state's given property is
// chosen, loads in kcal/h (ShowKcal = 1), no title, both lists zero.
void newStudy(CalcForm& f);

// CmdWBin / CmdRHin / CmdWBout / CmdRHout: the chosen property becomes an
// empty entry box, the other one a yellow box showing "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ".
void chooseWetBulb(CalcForm& f, bool inlet);
void chooseRelHumidity(CalcForm& f, bool inlet);

// EraseALLYellows: empties the absolute humidities and enthalpies; a humidity
// box that is not the state's given one shows "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ" again (or is
// emptied while its state has no given property yet).
void eraseAllYellows(CalcForm& f);
// An input changed: the loads and every computed box are cleared.
void invalidate(CalcForm& f);
// A calculation is on the screen (any computed box holds text).
bool calculationShown(const CalcForm& f);

// ---- The calculate button ---------------------------------------------------------------

// CheckValues: 0, or 1 (no air flow, or a negative one: focus on the flow),
// 4 (the inlet state has no given humidity: focus on TxtRHin), 9 (the same
// for the outlet: focus on TxtRHout).
int checkValues(const CalcForm& f);

// SetValues: both lists from the boxes, in the screen's unit system, the
// other derived with the calculator's factors.
void setValues(const CalcForm& f, ValueList& english, ValueList& metric);

// Outcome of Calculate.
enum class CalcResult { Ok, InletOutOfRange, OutletOutOfRange };

// Calculate: the missing properties of both states and the two loads into the
// lists. The states must lie inside the saturation table (dry and wet bulbs
// from −10 °F to 130 °F), with a wet bulb not above the dry bulb and a
// relative humidity above 0 and not above 100 %; otherwise nothing is
// computed and the state is named. Relative humidities are per cent in both
// lists. The engine's study-state working fields (EnvDB, EnvWB, Env_h, EnvW,
// EnvGr) are left as they were; CoolingProcess/HeatingProcess are set by the
// wet-bulb search as for every calculator state given by its humidity.
CalcResult calculate(ValueList& english, ValueList& metric, bool inletByRH, bool outletByRH);

// PutValuesOnForm: the list of the screen's units into the boxes ("#,##0.00";
// a given humidity keeps its text; an RH of 0 leaves its box empty), loads as
// magnitudes with their colours.
void putValuesOnForm(CalcForm& f);

// What the calculate button did.
struct CalcOutcome {
  enum Kind { Done, AlreadyDone, Missing, OutOfRange } kind = Done;
  int message = 0;    // MessagesLC code to show (Missing: 1; OutOfRange: 5)
  int focus = 0;      // box to receive the focus, 0 = leave it
  bool inlet = true;  // OutOfRange: the inlet state (else the outlet)
};
// CmdCalc_Click without the window: refuses when a calculation is already
// shown or inputs are missing, otherwise fills the form and its loads in
// every unit (metric screens then show kcal/h).
CalcOutcome calcButton(CalcForm& f);

// ---- Units -----------------------------------------------------------------------------------

// CmdKcalH / CmdWatts / CmdKWatts on a metric screen with loads shown.
void showLoadUnit(CalcForm& f, LoadUnit unit);
// CmdCH1 / CmdCH2: both enthalpies between kcal/kg and kJ/kg.
void switchEnthalpyUnit(CalcForm& f);
// The enthalpy unit button's caption for the current enthalpy caption.
QString enthalpyButtonText(const CalcForm& f);
// OptMetric / OptEnglish: converts every box that holds a number (loads from
// the stored loads) and sets the captions; no change when already there.
void switchUnits(CalcForm& f, bool toMetric);

// Captions of the unit labels for the form's unit system.
QString flowCaption(const CalcForm& f);
QString temperatureCaption(const CalcForm& f);
QString humidityCaption(const CalcForm& f);

// ---- Saving and printing ----------------------------------------------------------------------

// LookIfSaveMakesSense: 0, 7 (no title), 2 (inlet dry bulb, wet bulb or RH
// missing), 3 (no calculation).
int lookIfSaveMakesSense(const CalcForm& f);
// LookIfPrintMakesSense: 0 or 3 (a humidity, enthalpy or load box of either
// state is empty).
int lookIfPrintMakesSense(const CalcForm& f);

}  // namespace aeriton::calculator
