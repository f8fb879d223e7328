#pragma once
// The checks that run before a summer calculation may start, in the order the
// calculate button applies them:
//   1. CheckForLimits        design ranges of the outdoor and room states
//   2. (the screen asks whether a raised supply temperature applies again)
//   3. ZeroVariables         results of the previous run cleared
//   4. CheckPSValues         plausibility of every field
//   5./6. CheckLoadsAndFreshAir   loads present, fresh air given
// Each check says what is wrong (the message code) and where (the field); the
// screen shows the message and moves the focus.

#include "study/StudyState.h"
#include "summer/SummerEntry.h"
#include "summer/SummerMessages.h"

namespace aeriton::summer {

struct CheckResult {
  int code = 0;
  Field field = Field::None;
  bool ok() const { return code == 0; }
};

// Design ranges, inclusive. Where the range in force differs from the range
// that the refusal text names, the comment says why.
namespace limits {
// Outdoor dry bulb 20..54 °C / 68..130 °F (130 °F is also the top of the
// saturation table the screen's engine works on).
constexpr float kOutdoorDBMinC = 20.0f, kOutdoorDBMaxC = 54.0f;
constexpr float kOutdoorDBMinF = 68.0f, kOutdoorDBMaxF = 130.0f;
// Outdoor relative humidity 10..100 %. The refusal names 30 %, but hot dry
// summer design states are well below it (Athens 36 °C with about 25 %,
// Larissa about 39 °C with under 20 %); 10 % still catches a slip of the
// keyboard (a 2 typed for a 25).
constexpr float kOutdoorRHMin = 10.0f, kOutdoorRHMax = 100.0f;
// Room dry bulb 10..33 °C / 50..92 °F. The refusal names 18 °C / 65 °F, but
// cooled process rooms run colder; 10 °C (50 °F) is also where the wet-bulb
// plausibility check begins.
constexpr float kRoomDBMinC = 10.0f, kRoomDBMaxC = 33.0f;
constexpr float kRoomDBMinF = 50.0f, kRoomDBMaxF = 92.0f;
// Room relative humidity 35..80 %. The refusal names 100 %; above 80 % a
// cooling coil with the bypass factors of the calculation no longer gives a
// dependable supply state, while humid process rooms (24 °C / 75 %) pass.
constexpr float kRoomRHMin = 35.0f, kRoomRHMax = 80.0f;
// The outdoor air must be at least 5 °C (9 °F) warmer than the room.
constexpr float kMinDifferenceC = 5.0f, kMinDifferenceF = 9.0f;

// Plausibility thresholds of CheckPSValues (metric / English).
constexpr float kPlausOutdoorDBC = 25.0f, kPlausOutdoorDBF = 77.0f;
constexpr float kPlausWBC = 10.0f, kPlausWBF = 50.0f;
constexpr float kPlausRoomDBC = 10.0f, kPlausRoomDBF = 50.0f;
}  // namespace limits

// 1. Range check of the outdoor and room states, with the unit wording of the
// load-unit entry (entries 0-4 °C, entry 5 °F). Codes -10..-14.
CheckResult CheckForLimits(const SummerEntry& e);
// True for the codes after which the screen clears the offending state.
inline bool clearsState(int code) {
  return code >= kRoomRHRange && code <= kOutdoorDBRange;
}

// 4. Plausibility of each field (codes -1..-7); a wet bulb or relative
// humidity that holds the placeholder is not checked.
CheckResult CheckPSValues(const SummerEntry& e);

// After CheckPSValues: a state whose given value is there but whose computed
// value could not be formed (outside the engine's table) still holds the
// placeholder; it is refused as the value that is missing (-2, -3, -5, -6)
// rather than passed on to the calculation as 0.
CheckResult CheckStatesComplete(const SummerEntry& e);

// 5. and 6. Loads present (code 1), fresh air given (codes 2 and 3).
CheckResult CheckLoadsAndFreshAir(const SummerEntry& e);

// True when a fresh-air amount counts as given: the calculation takes the
// amount only when its whole part is not 0.
bool amountGiven(float amount);

// A raised supply temperature stored by an earlier calculation (first value of
// the coil-outlet change record; any negative value means none).
bool hasRaisedSupplyTemperature(const StudyState& s);

// Clears the results of the previous calculation: coil outlet, after reheat,
// the coil-outlet change record and the humid-room block get the marker
// -100000; the coil-outlet relative humidity, reheat, coil load and the
// reheat / flow / load fields of the change record get 0.
void ZeroVariables(StudyState& s);

}  // namespace aeriton::summer
