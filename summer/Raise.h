#pragma once
// Raising the supply-air temperature of a calculated cooling unit.
//
// A cold supply air (the coil outlet, or the air after the reheater) can be
// raised to a temperature T chosen by the engineer, for the comfort of the
// rooms. The coil then works on a larger flow and the reheater lifts the air
// from the new coil outlet to T:
//
//   supply air at T keeps the coil-outlet moisture (grains GRc)
//   reheat for the raise      Rr = 1.08 · CFMsa · (T − DBc)
//   new supply flow           F' = (RSH + REH) / (1.08 · (DBr − T))
//   new apparatus dew point   ADP' = DBr − (BF·OASH + RSH + REH + Rr) / ((1 − BF) · 1.08 · F')
//   new coil outlet           DB' = ADP' + BF·(DBm − ADP'),  W' = Wadp + BF·(Wm − Wadp)
//   new coil load             QC' = 4.45 · F' · (Hm − H')
//
// (1.08, 0.68 and 4.45 are the sensible, latent and total heat factors of
// standard air in Btu/h per CFM and °F, grain or Btu/lb.) The coil load is
// formed with the enthalpy H' of the new coil outlet, so that the reported
// coil load and the reported coil-outlet state agree.
//
// Everything is computed in English units; the result is the 13-value change
// record written on line 13 of the results file, in the study's units.

#include <QByteArray>
#include <QString>
#include <array>

#include "study/StudyState.h"

namespace aeriton::summer {

using ChangeRecord = std::array<float, kCoilOutChangeValues>;

// Positions in the change record.
namespace rec {
constexpr int SupplyDB = 0, SupplyWB = 1, SupplyRH = 2, SupplyH = 3, SupplyGr = 4;
constexpr int CoilDB = 5, CoilWB = 6, CoilRH = 7, CoilH = 8, CoilGr = 9;
constexpr int RaiseReheat = 10, NewFlow = 11, NewCoilLoad = 12;
}  // namespace rec

// The record of a study without a raise: the "not computed" marker in the ten
// state values, 0 in the reheat, flow and coil-load values.
ChangeRecord noRaiseRecord();

// The quantities of a calculated cooling unit that the raise works from, in
// English units (°F, lb/lb, Btu/lb, CFM, Btu/h).
struct RaiseBasis {
  float DBr = 0;                  // room dry bulb
  float RSH = 0, REH = 0;         // room sensible load, reheat of the calculation
  float OASH = 0;                 // outdoor-air sensible load
  float CFMsa = 0;                // supply flow
  float DBm = 0, Wm = 0, Hm = 0;  // mixed air at the coil inlet
  float DBc = 0, Wc = 0, Hc = 0;  // coil outlet
  float Wadp = 0;                 // humidity ratio of the apparatus dew point
  float BF = 0;                   // coil bypass factor
  bool heating = false;           // wet-bulb searches start at 7 °F instead of 30 °F
};

// The basis from the calculation just made. `calc` is the study state after
// the calculation (results in the study's units, humidity ratios and the
// bypass factor as the calculation left them); `file` is the results file.
// Returns false when the state does not belong to the file (another study, or
// a study reopened from its file): use basisFromResults then.
bool basisFromCalculation(const StudyState& calc, const StudyState& file, RaiseBasis& out);

// The basis recomputed from what the results file carries: the humidity
// ratios of the mixed air and the coil outlet from their dry bulbs and
// enthalpies (mixing systems) or wet bulbs (Carrier), the bypass factor by the rule of the summer
// calculation, and the dew point's humidity ratio from W = Wadp + BF·(Wm − Wadp).
bool basisFromResults(const StudyState& file, RaiseBasis& out);

// The bypass factor the summer calculation chose for these results: 0.05 for
// 100 % fresh air, for a mixing unit whose supply flow is its fresh-air flow
// (the loads needed no more air), for an outdoor air as moist as the room or
// dry enough to take up the whole room latent load (no outdoor-air latent load
// in the results), for a room at 65 % or more, for no latent load at all
// (ESHF 1) and for an effective line steeper than the line ratio at 45 °F (dew
// point 48 °F, with reheat); else 0.15.
float bypassFactorRule(const StudyState& file);

// The coil's design figures for the diagnostic message: the bypass factor, the
// effective sensible heat factor the dew-point search ended on, and the
// apparatus dew point (°F). From the calculation just made when the state
// belongs to the file; otherwise formed from the file: BF by the rule,
// ESHF = (RSH + BF·OASH) / (RSH + BF·OASH + RLH + BF·OALH) and the dew point
// from the coil outlet, ADP = (DBc − BF·DBm) / (1 − BF).
struct CoilDesign {
  float BF = 0;
  float ESHF = 0;
  float ADP = 0;  // °F
};
bool coilDesign(const StudyState& calc, const StudyState& file, CoilDesign& out);

// Checks of a requested supply temperature, in the study's units.
enum class RaiseCheck {
  Accepted,
  NotBelowRoom,    // T ≥ room dry bulb
  NotAboveOutlet,  // T ≤ present temperature of the air leaving the unit
  TooClose,        // less than 5 °C (9 °F) below the room dry bulb
};
RaiseCheck checkRaise(float T, float roomDB, float presentOutlet, bool metric);

// The wet bulb (°F) of a state of dry bulb DB (°F) and vapour pressure pw
// (inHg): the search over whole degrees of Carrier's equation from 30 °F
// (7 °F for a heating case), tolerance 0.005 inHg, linear interpolation once the
// target is passed. The search starts lower when the wet bulb lies below its
// start, and never goes above the dry bulb (where Carrier gives the saturation
// pressure, which no real state exceeds). False when no wet bulb is found.
bool searchWetBulb(float DB, float pw, bool heating, float& WB);

// CalcNewCoilOut: the coil outlet (English units, RH a fraction) of the coil
// that works on the new flow with the reheat for the raise added to its
// effective sensible load. False when it cannot be formed.
struct CoilOutlet {
  float DB = 0, WB = 0, RH = 0, W = 0, GR = 0, H = 0;
};
bool CalcNewCoilOut(const RaiseBasis& basis, float newFlow, float raiseReheat, CoilOutlet& out);

// The raise to T (study units): MakeNewCalc followed by CalcNewCoilOut, the
// record rounded (temperatures and grains to 0.1, enthalpies to 0.01,
// relative humidities to 0.01 %, flows and loads to whole English units) and,
// for a metric study, converted to °C, kcal/kg, g/kg, m³/h and kcal/h.
// False (record untouched) when the numbers cannot be formed.
bool computeRaise(const RaiseBasis& basis, float T, bool metric, ChangeRecord& out);

// "PSY_VEE.TMP": the requested temperature as a single line.
QByteArray raiseRequestBytes(float T);
bool parseRaiseRequest(const QByteArray& bytes, float& T);

// Whole MakeNewCalc on the program folder: reads the results file and the
// request file, deletes the request file, computes the raise from `basis` and
// rewrites the results file with the record on line 13. `calc` is the study
// state of the calculation just made (used when it belongs to the file).
struct RaiseOutcome {
  bool ok = false;
  QString error;
  ChangeRecord record{};
};
RaiseOutcome MakeNewCalc(const StudyState& calc);

}  // namespace aeriton::summer
