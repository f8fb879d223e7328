#pragma once
// The heating calculation: mixing, heating coil, adiabatic humidification to
// the room humidity, supply flow or supply temperature, heating capacity and
// humidifier water. Works on the study state in English units.

#include <functional>

#include "study/StudyState.h"

namespace aeriton::winter {

// Asked when the supply temperature of a unit that keeps its summer flow lies
// above 131 °F (message -102); true goes on, false ends as -100 silently.
using ContinueQuestion = std::function<bool(float supplyTempF)>;

enum class Copy {
  WinterScreen,  // full run: the -2003 check and the final fresh-air loads
  SummerScreen   // the summer calculation's hand-over: neither of the two
};

// Result codes of the calculation (the study's MessageCode).
constexpr int kCodeSupplyTooHot = -100;      // supply above 150 °F, or the -102 question declined
constexpr int kCodeSupplyQuestion = -102;    // supply above 131 °F: go on?
constexpr int kCodeTooMuchFreshAir = -2003;  // fresh-air flow above the supply flow
constexpr int kCodeCoilOutNotAboveRoom = -2004;  // chosen coil outlet gives no heating flow
constexpr int kCodeNoFlow = -2005;               // supply flow zero, negative or not computable
constexpr int kCodeOutOfRange = -2006;           // a state falls outside the property table
constexpr int kCodeFileError = -2007;            // an exchange file could not be read or written

// First whole degree (°F) of the wet-bulb search; colder wet bulbs are found
// by stepping down from it.
constexpr int kWinterSearchStartF = 7;

// What a run of WinterCalc met on its way, beyond the code.
struct WinterCalcDetail {
  float supplyTempF = 0;  // supply temperature of a unit that keeps its summer flow
  bool asked = false;     // the -102 question was asked
  bool declined = false;  // ... and answered "no" (the code is then -100, shown by nobody)
};

// WinterCalc on the study (English units, relative humidities in per cent on
// entry; DB_S carries the chosen coil outlet temperature, -10000 when the unit
// keeps its summer flow SummerFlow). Returns the message code: 0 when the
// results are in the study, -100 / -2003 / other negative codes when the
// calculation is refused.
int WinterCalc(StudyState& s, Copy copy, const ContinueQuestion& ask);
int WinterCalc(StudyState& s, Copy copy, const ContinueQuestion& ask, WinterCalcDetail* detail);

// Wet bulb (°F) of air of dry bulb DB (°F) and vapour pressure pv (inHg), by
// Carrier's equation over the whole degrees of the saturation table (no
// interpolation of the table), 0.005 inHg tolerance, linear interpolation
// between the two degrees that bracket pv. False when the wet bulb lies
// outside the table (-10 .. 150 °F).
bool WinterSearchWB(float DB, float pv, float& WB);

// Vapour pressure (inHg) of air of humidity ratio W (lb/lb) at 29.921 inHg.
float vapourPressureFromW(float W);

}  // namespace aeriton::winter
