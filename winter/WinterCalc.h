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

// WinterCalc on the study (English units, relative humidities in per cent on
// entry). Returns the message code: 0 when the results are in the study,
// -100 / -2003 / other negative codes when the calculation is refused.
int WinterCalc(StudyState& s, Copy copy, const ContinueQuestion& ask);

}  // namespace aeriton::winter
