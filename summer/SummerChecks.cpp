#include "summer/SummerChecks.h"

#include <cmath>

namespace aeriton::summer {

namespace {

// Values come from boxes shown to one decimal; a bound is met when the value
// is within this of it, so that 54.0 typed is never refused as 54.0000001.
constexpr float kEps = 1e-4f;

bool below(float v, float bound) {
  return v < bound - kEps;
}
bool above(float v, float bound) {
  return v > bound + kEps;
}

}  // namespace

CheckResult CheckForLimits(const SummerEntry& e) {
  using namespace limits;
  const bool f = englishWording(validationUnits(e.unitIndex));
  const StateEntry& o = e.outdoor;
  const StateEntry& r = e.room;

  // A relative humidity still waiting to be computed reads as 0: the state is
  // incomplete and the range refusal sends the user back to it.
  const float outdoorRH = o.rhPending ? 0.0f : o.rh;
  const float roomRH = r.rhPending ? 0.0f : r.rh;

  if (below(o.db, f ? kOutdoorDBMinF : kOutdoorDBMinC) ||
      above(o.db, f ? kOutdoorDBMaxF : kOutdoorDBMaxC))
    return {kOutdoorDBRange, Field::EnvDB};
  if (below(outdoorRH, kOutdoorRHMin) || above(outdoorRH, kOutdoorRHMax))
    return {kOutdoorRHRange, Field::EnvRH};
  if (below(r.db, f ? kRoomDBMinF : kRoomDBMinC) || above(r.db, f ? kRoomDBMaxF : kRoomDBMaxC))
    return {kRoomDBRange, Field::SpaDB};
  if (below(roomRH, kRoomRHMin) || above(roomRH, kRoomRHMax)) return {kRoomRHRange, Field::SpaRH};
  if (below(o.db - (f ? kMinDifferenceF : kMinDifferenceC), r.db))
    return {kNeedTempDifference, Field::None};
  return {};
}

CheckResult CheckPSValues(const SummerEntry& e) {
  using namespace limits;
  const bool f = englishWording(validationUnits(e.unitIndex));
  const StateEntry& o = e.outdoor;
  const StateEntry& r = e.room;
  auto badRH = [](float rh) { return std::fabs(rh) < kEps || above(rh, 100.0f); };

  if (below(o.db, f ? kPlausOutdoorDBF : kPlausOutdoorDBC)) return {kOutdoorDB, Field::EnvDB};
  if (!o.wbPending && below(o.wb, f ? kPlausWBF : kPlausWBC)) return {kOutdoorWB, Field::EnvWB};
  if (!o.rhPending && badRH(o.rh)) return {kOutdoorRH, Field::EnvRH};
  if (below(r.db, f ? kPlausRoomDBF : kPlausRoomDBC)) return {kRoomDB, Field::SpaDB};
  if (!r.wbPending && below(r.wb, f ? kPlausWBF : kPlausWBC)) return {kRoomWB, Field::SpaWB};
  if (!r.rhPending && badRH(r.rh)) return {kRoomRH, Field::SpaRH};
  if (e.kindIndex != kKindFreshNoLoads && std::fabs(e.sens) < kEps)
    return {kSensibleLoad, Field::Sens};
  return {};
}

CheckResult CheckStatesComplete(const SummerEntry& e) {
  if (e.outdoor.wbPending) return {kOutdoorWB, Field::EnvWB};
  if (e.outdoor.rhPending) return {kOutdoorRH, Field::EnvRH};
  if (e.room.wbPending) return {kRoomWB, Field::SpaWB};
  if (e.room.rhPending) return {kRoomRH, Field::SpaRH};
  return {};
}

bool amountGiven(float amount) {
  return std::trunc(amount) != 0.0f;
}

CheckResult CheckLoadsAndFreshAir(const SummerEntry& e) {
  const bool noLoads = std::fabs(e.sens) < kEps && std::fabs(e.lat) < kEps;
  if (e.kindIndex == kKindFreshNoLoads) {
    // Fresh air that takes up no loads: the loads are not used, but the fresh
    // air is the whole supply and the only figure that sizes the unit; without
    // it the calculation would divide by a zero flow.
    if (!amountGiven(e.amount)) return {kNoFreshAmount, Field::Amount};
    return {};
  }
  if (noLoads) return {kNoSpaces, Field::None};
  if (e.kindIndex == kKindRecirc) return {};  // no fresh air at all
  if (e.amountMode || e.kindIndex != kKindMixing) {
    if (!amountGiven(e.amount)) return {kNoFreshAmount, Field::Amount};
  } else if (e.perCent <= 0) {
    return {kNoFreshPerCent, Field::PerCent};
  }
  return {};
}

bool hasRaisedSupplyTemperature(const StudyState& s) {
  const float t = s.CoilOutChange[0];
  return std::isfinite(t) && t > 0.0f;
}

void ZeroVariables(StudyState& s) {
  s.DB_T = s.WB_T = s.W_T = s.Gr_T = s.h_T = kNotComputed;
  s.RH_T = 0;
  s.DB_S = s.WB_S = s.RH_S = s.W_S = s.Gr_S = s.h_S = kNotComputed;
  s.CoilOutChange.fill(kNotComputed);
  // Reheat for the raise, new supply flow and new coil load of the record.
  s.CoilOutChange[10] = s.CoilOutChange[11] = s.CoilOutChange[12] = 0;
  s.HighHumidity = 0;
  s.HighHumid.fill(kNotComputed);
  s.Reheat = 0;
  s.CoilLoad = 0;
}

}  // namespace aeriton::summer
