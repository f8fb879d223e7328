#include "winter/WinterCalc.h"

#include <algorithm>
#include <cmath>

#include "engine/Psychro.h"
#include "winter/WinterRounding.h"

namespace aeriton::winter {
namespace {

// x held between a and b (in either order).
float between(float x, float a, float b) {
  return std::min(std::max(x, std::min(a, b)), std::max(a, b));
}

using psy::kCpAir;
using psy::kCpVapour;
using psy::kGrainsPerLb;
using psy::kLatent0;
using psy::kPressure;

// Standard-air heat factors of the heating design (English units):
//   sensible  q = 1.08 Q ΔT     Btu/h, Q in CFM, ΔT in °F
//   total     q = 4.45 Q Δh     Btu/h, Δh in Btu/lb
// Both assume 0.075 lb/ft³ of air (60 min/h × 0.075 × 0.24 = 1.08,
// 60 × 0.075 ≈ 4.5, the usual 4.45 for air a little warmer than standard).
constexpr float kSensibleFactor = 1.08f;
constexpr float kTotalFactor = 4.45f;
// Latent heat of the air flow: q = 0.68 Q ΔGr, Btu/h with Q in CFM and the
// humidity difference in grains/lb.
constexpr float kLatentFactor = 0.68f;

// Supply temperatures of a unit that keeps its summer flow in winter: above
// 131 °F (55 °C) the outlets must sit high above the occupants, above 150 °F
// (65.6 °C) the flow is refused. Both are strict comparisons.
constexpr float kSupplyQuestionF = 131.0f;
constexpr float kSupplyLimitF = 150.0f;

// Humidifier water from the same standard air the heat factors assume:
// m³/h = 1.7 CFM, 1.2 kg of air per m³ (0.075 lb/ft³), and a grain
// difference per 7000 grains is kg of water per kg of dry air.
constexpr float kM3hPerCfm = 1.7f;
constexpr float kAirDensityKgM3 = 1.2f;
constexpr float kLbPerKg = 2.2046f;

bool isMarker(float v) {
  return v <= kWinterUnset + 0.5f;
}

// Vapour pressure (inHg) of air of humidity ratio W at the standard pressure:
// pv = P W / (Rair/Rvap + W), written as P W (Rvap/Rair) / (1 + W Rvap/Rair).
float vapourPressureOf(float W) {
  const float k = psy::kRVapour / psy::kRAir;
  return kPressure * W * k / (1.0f + W * k);
}

float enthalpyOf(float DB, float W) {
  return kCpAir * DB + W * (kLatent0 + kCpVapour * DB);
}

bool finite(float v) {
  return std::isfinite(v);
}

}  // namespace

float vapourPressureFromW(float W) {
  return vapourPressureOf(W);
}

bool WinterSearchWB(float DB, float pv, float& WB) {
  if (!finite(DB) || !finite(pv) || pv <= 0.0f) return false;
  // Carrier's equation at every temperature: a wet bulb of the whole degree
  // t gives at the dry bulb DB the vapour pressure
  //   pc = pws(t) - (P - pws(t)) (DB - t) / (2800 - 1.3 t),
  // pws(t) the tabled saturation pressure of t, no interpolation.
  auto pcAt = [DB](int t, float& pc) {
    float pws = 0;
    if (!psy::FindPressure(t, pws)) return false;
    const double v = pws - static_cast<double>((kPressure - pws) * (DB - static_cast<float>(t))) /
                               (psy::kCarrierA - psy::kCarrierB * t);
    pc = static_cast<float>(v);
    return true;
  };
  auto matches = [pv](float pc) { return std::fabs(pv - pc) <= psy::kMatchTolerance; };

  // The usual search starts at 7 °F. Very cold mixtures have wet bulbs below
  // it: pc rises with t, so step down while the target lies below pc and
  // does not match, at most to the foot of the table.
  int start = kWinterSearchStartF;
  float pc = 0;
  if (!pcAt(start, pc)) return false;
  while (!matches(pc) && pv < pc) {
    if (start == psy::kTableLow) return false;  // below the table
    --start;
    if (!pcAt(start, pc)) return false;
  }
  // Upward by whole degrees; the wet bulb of air can never pass the top of
  // the table, which bounds the search.
  int tPrev = start;
  float pcPrev = pc;
  for (int t = start; t <= psy::kTableHighExtended; ++t) {
    if (!pcAt(t, pc)) return false;
    if (matches(pc)) {  // a whole degree within the tolerance is the wet bulb itself
      WB = static_cast<float>(t);
      return true;
    }
    if (pv < pc) {  // crossed between the previous degree and this one
      WB = static_cast<float>(tPrev) + (pv - pcPrev) / (pc - pcPrev);
      return finite(WB);
    }
    tPrev = t;
    pcPrev = pc;
  }
  return false;  // above the table
}

int WinterCalc(StudyState& s, Copy copy, const ContinueQuestion& ask) {
  return WinterCalc(s, copy, ask, nullptr);
}

int WinterCalc(StudyState& s, Copy copy, const ContinueQuestion& ask, WinterCalcDetail* detail) {
  WinterCalcDetail local;
  WinterCalcDetail& d = detail ? *detail : local;
  d = WinterCalcDetail{};
  // Before the calculation DB_S carries the chosen coil outlet temperature
  // (-10000: none, the unit keeps its summer flow).
  const float coilOut = s.DB_S;
  const bool fresh100 = s.FreshLoads != 0;
  s.SupplyFlow = 0.0f;

  if (!finite(s.SensLoad) || s.SensLoad < 0.0f || !finite(s.SummerFlow) || s.SummerFlow < 0.0f)
    return kCodeNoFlow;

  // 1. Air flow or supply temperature.
  if (s.SummerFlow != 0.0f) {
    // The same unit serves the summer: its flow is kept and the supply
    // temperature follows from the heat loss, t_s = t_r + q / (1.08 Q).
    s.DB_S = s.SpaDB + s.SensLoad / (kSensibleFactor * s.SummerFlow);
    d.supplyTempF = s.DB_S;
    if (!finite(s.DB_S)) return kCodeNoFlow;
    if (s.DB_S > kSupplyLimitF) return kCodeSupplyTooHot;
    if (s.DB_S > kSupplyQuestionF) {
      d.asked = true;
      if (!ask || !ask(s.DB_S)) {
        d.declined = true;
        return kCodeSupplyTooHot;
      }
    }
  } else {
    // Another unit cools in summer: the coil outlet temperature is chosen and
    // the flow follows, Q = q / (1.08 (t_s - t_r)). A temperature not above
    // the room gives no flow (with a heat loss) or cools the rooms.
    if (isMarker(coilOut) || !finite(coilOut)) return kCodeCoilOutNotAboveRoom;
    if (s.SensLoad > 0.0f ? !(coilOut > s.SpaDB) : coilOut < s.SpaDB)
      return kCodeCoilOutNotAboveRoom;
    s.DB_S = coilOut;
    if (s.DB_S != s.SpaDB) s.SummerFlow = s.SensLoad / (kSensibleFactor * (s.DB_S - s.SpaDB));
  }

  // 2. The flow of the unit so far.
  if (s.SummerFlow != 0.0f) s.SupplyFlow = s.SummerFlow;

  // 3. (Relative humidities stay in per cent here; they are only rounded.)

  // 4. Supply state S: the air reaches the rooms with the room's humidity
  // ratio (no latent load in winter).
  s.Gr_S = s.SpaGr;
  s.W_S = s.Gr_S / kGrainsPerLb;
  s.h_S = enthalpyOf(s.DB_S, s.W_S);
  if (!WinterSearchWB(s.DB_S, vapourPressureOf(s.W_S), s.WB_S)) return kCodeOutOfRange;

  if (!fresh100) {
    // 6. Fresh air given as a per cent of the supply air.
    if (s.FreshMode == QLatin1String("P")) s.FreshFlow = s.FreshValue / 100.0f * s.SupplyFlow;
    // 7. Mixed state M of r fresh and q − r recirculated air.
    const float r = s.FreshFlow;
    const float q = s.SupplyFlow;
    if (!(q > 0.0f) || !finite(q)) return kCodeNoFlow;
    if (copy == Copy::WinterScreen && r > q) return kCodeTooMuchFreshAir;
    // A mixture lies between the two airs it is made of. In single
    // precision a token fresh air in a very large flow (0.1 CFM of 100 %
    // recirculation in millions of CFM) can leave the mixture a last digit
    // beyond the room air - moister than the room, so that the humidifier
    // would seem to take water out; the mixture is held between its ends.
    s.DB_M = between((r * s.EnvDB + (q - r) * s.SpaDB) / q, s.EnvDB, s.SpaDB);
    s.Gr_M = between((r * s.EnvGr + (q - r) * s.SpaGr) / q, s.EnvGr, s.SpaGr);
    s.W_M = s.Gr_M / kGrainsPerLb;
    s.h_M = between((r * s.Env_h + (q - r) * s.Spa_h) / q, s.Env_h, s.Spa_h);
    if (copy == Copy::WinterScreen && s.DB_M < s.EnvDB) return kCodeTooMuchFreshAir;
    if (!WinterSearchWB(s.DB_M, vapourPressureOf(s.W_M), s.WB_M)) return kCodeOutOfRange;
  }

  // 8. State T after the heating coil: the coil heats at constant humidity
  // ratio up to the enthalpy (and wet bulb) of the supply air, which the
  // adiabatic humidifiers then keep: h = 0.24 t + W (1060.5 + 0.45 t) solved
  // for t.
  s.WB_T = s.WB_S;
  s.Gr_T = fresh100 ? s.EnvGr : s.Gr_M;
  s.W_T = s.Gr_T / kGrainsPerLb;
  s.h_T = s.h_S;
  s.DB_T = (s.h_T - kLatent0 * s.W_T) / (kCpAir + kCpVapour * s.W_T);

  // 9. With 100 % fresh air the coil takes the outdoor air.
  if (fresh100) {
    s.DB_M = s.EnvDB;
    s.WB_M = s.EnvWB;
    s.h_M = s.Env_h;
    s.Gr_M = s.EnvGr;
    s.W_M = s.EnvW;
    s.SupplyFlow = s.FreshFlow;
  }

  // 10. The unit moves at least the flow the heat loss needs; with 100 %
  // fresh air the larger of the fresh-air flow and that flow, all of it
  // outdoor air.
  if (s.SummerFlow > s.SupplyFlow) s.SupplyFlow = s.SummerFlow;
  if (!(s.SupplyFlow > 0.0f) || !finite(s.SupplyFlow)) return kCodeNoFlow;

  // 11. Heating capacity (the coil from M to T) and humidifier water (T to S).
  s.CoilLoad = std::fabs(kTotalFactor * s.SupplyFlow * (s.h_M - s.h_T));
  s.HumidWaterKg = kM3hPerCfm * s.SupplyFlow * kAirDensityKgM3 * (s.Gr_S - s.Gr_T) / kGrainsPerLb;
  s.HumidWaterLb = s.HumidWaterKg * kLbPerKg;

  // 12. Rounding, half up.
  s.EnvRH = roundHalfUp(percentOf(s.EnvRH), 2);
  s.SpaRH = roundHalfUp(percentOf(s.SpaRH), 2);
  for (float* v : {&s.EnvDB, &s.EnvWB, &s.SpaDB, &s.SpaWB, &s.DB_M, &s.WB_M, &s.DB_T, &s.WB_T,
                   &s.DB_S, &s.WB_S, &s.EnvGr, &s.SpaGr, &s.Gr_M, &s.Gr_T, &s.Gr_S})
    *v = roundHalfUp(*v, 1);
  for (float* v : {&s.Env_h, &s.Spa_h, &s.h_M, &s.h_T, &s.h_S}) *v = roundHalfUp(*v, 2);
  for (float* v : {&s.SupplyFlow, &s.SummerFlow, &s.CoilLoad}) *v = roundHalfUp(*v, 0);
  // All the air of a 100 % fresh-air unit is outdoor air.
  if (fresh100) s.FreshFlow = s.SupplyFlow;

  // 13. Loads the fresh air imposes, with the rounded states and the
  // fresh-air flow (the load of the fresh air, not of the whole supply).
  if (copy == Copy::WinterScreen) {
    s.FreshSensLoad = roundHalfUp(kSensibleFactor * s.FreshFlow * (s.SpaDB - s.EnvDB), 0);
    s.FreshLatLoad = roundHalfUp(kLatentFactor * s.FreshFlow * (s.SpaGr - s.EnvGr), 0);
  }
  s.HumidWaterLb = roundHalfUp(s.HumidWaterLb, 2);
  s.HumidWaterKg = roundHalfUp(s.HumidWaterKg, 2);
  s.HighHumid[kHighHumidityValues - 1] = s.HumidWaterKg;

  for (float v : {s.DB_M, s.WB_M, s.h_M, s.DB_T, s.WB_T, s.h_T, s.DB_S, s.WB_S, s.h_S, s.SupplyFlow,
                  s.CoilLoad, s.HumidWaterKg, s.FreshSensLoad, s.FreshLatLoad})
    if (!finite(v)) return kCodeOutOfRange;
  return 0;
}

}  // namespace aeriton::winter
