// The summer calculation: outdoor-air loads, bypass factor, effective sensible
// heat factor, apparatus dew point, supply flow, mixed air, coil outlet,
// reheat, coil load and the humid-room variant.
//
// Heat factors of standard air (ASHRAE / Carrier, sea level):
//   sensible  1.08 Btu/h per CFM and °F   (0.075 lb/ft³ · 60 min/h · 0.24)
//   latent    0.68 Btu/h per CFM and grain (0.075 · 60 · 1076 / 7000)
//   total     4.45 Btu/h per CFM and Btu/lb (0.075 · 60 ≈ 4.5, at 13.5 ft³/lb)
// The bypass factor BF is the share of the air that passes the coil without
// touching it; the rest leaves saturated at the apparatus dew point (ADP). The
// effective sensible heat factor ESHF = ERSH / (ERSH + ERLH) with the room
// loads increased by the bypassed share of the outdoor-air loads; the ADP is
// where the line of that slope from the room state meets the saturation curve.

#include "summer/SummerCalc.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Psychro.h"
#include "study/ExchangeFiles.h"

namespace aeriton::summer {
namespace {

constexpr float kP = psy::kPressure;
constexpr float kSensible = 1.08f;
constexpr float kLatent = 0.68f;
constexpr float kTotal = 4.45f;
constexpr float kGrains = psy::kGrainsPerLb;
// Latent heat over grains per lb used by the line ratio: 1076 Btu/lb / 7000.
constexpr float kLatentPerGrain = 1076.0f / 7000.0f;
// Sensible heat of moist air per °F used by the line ratio, Btu/lb·°F.
constexpr float kLineSensible = 0.244f;
// Bypass factors of the coil: 0.05 for a deep coil (humid rooms, outdoor air
// that adds no latent load), 0.15 otherwise; 65 % room humidity separates them.
constexpr float kBFDeep = 0.05f;
constexpr float kBFShallow = 0.15f;
constexpr float kDeepCoilRH = 65.0f;
// Search start of the wet bulb when the outdoor air is the warmer one.
constexpr int kWetBulbStartCooling = 30;
// The room dew point search (ESHF exactly 1) starts here.
constexpr int kDewPointStartF = 30;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

float moistureRatio() {
  return psy::kRAir / psy::kRVapour;
}

bool finite(float x) {
  return std::isfinite(x);
}

// Saturation pressure (inHg) of a whole degree of the table, NaN outside.
float tablePressure(int t) {
  float p = kNaN;
  if (t < kSearchLowF || t > kSearchHighF) return kNaN;
  psy::FindPressure(t, p);
  return p;
}

// Humidity ratio (lb/lb) of saturated air at a whole degree.
float saturatedW(int t) {
  return psy::HumidityRatio(tablePressure(t));
}

// Vapour pressure back from the humidity ratio: pw = P·W / (K + W).
float vapourFromW(float W) {
  return kP * W / (moistureRatio() + W);
}

// Enthalpy of moist air, Btu/lb: 0.24·DB + W·(1060.5 + 0.45·DB).
float enthalpy(float DB, float W) {
  return psy::Enthalpy(DB, W);
}

// Vapour pressure that a wet bulb of the whole degree t gives at dry bulb DB
// (Carrier's equation, table pressure of t without interpolation).
float carrierAtWhole(float DB, int t) {
  const float pws = tablePressure(t);
  const double pc = pws - static_cast<double>((kP - pws) * (DB - static_cast<float>(t))) /
                              (psy::kCarrierA - psy::kCarrierB * t);
  return static_cast<float>(pc);
}

// Wet bulb (°F) of air of dry bulb DB and vapour pressure pw (inHg).
// Whole degrees from `start` upwards, Carrier's equation at each; a degree
// within 0.005 inHg is the wet bulb, otherwise the first degree whose pressure
// reaches the target closes an interval that is interpolated linearly. When
// the start is already past the target the search steps downwards instead.
// Bounded by the table (7 .. 130 °F): false when no wet bulb lies inside.
bool wetBulb(float DB, float pw, int start, float& WB) {
  if (!finite(DB) || !finite(pw)) return false;
  float c = carrierAtWhole(DB, start);
  if (std::fabs(pw - c) <= psy::kMatchTolerance) {
    WB = static_cast<float>(start);
    return true;
  }
  if (c > pw) {
    float above = c;
    for (int t = start - 1; t >= kSearchLowF; --t) {
      c = carrierAtWhole(DB, t);
      if (std::fabs(pw - c) <= psy::kMatchTolerance) {
        WB = static_cast<float>(t);
        return true;
      }
      if (c < pw) {
        WB = static_cast<float>(t) + (pw - c) / (above - c);
        return true;
      }
      above = c;
    }
    return false;
  }
  float below = c;
  for (int t = start + 1; t <= kSearchHighF; ++t) {
    c = carrierAtWhole(DB, t);
    if (std::fabs(pw - c) <= psy::kMatchTolerance) {
      WB = static_cast<float>(t);
      return true;
    }
    if (c >= pw) {
      WB = static_cast<float>(t - 1) + (pw - below) / (c - below);
      return true;
    }
    below = c;
  }
  return false;
}

// Line ratio of the saturated point at T seen from the room (DBr, GRr): the
// sensible share of the heat removed along the straight line from the room
// to that point, 0.244·ΔT / (0.244·ΔT + 1076/7000·ΔGR).
float lineRatio(float DBr, float GRr, float T, float GRsat) {
  const float sens = kLineSensible * (DBr - T);
  const float denom = sens + kLatentPerGrain * (GRr - GRsat);
  if (denom == 0.0f) return kNaN;
  return sens / denom;
}

// Saturated grains at any temperature (table interpolated).
float saturatedGrains(float T) {
  return kGrains * psy::HumidityRatio(psy::SatPressure(T));
}

struct Refusal {
  int code;
  Search search;
};

// One moist-air state.
struct AirState {
  float DB = 0, WB = 0, RH = 0, W = 0, GR = 0, H = 0;
};

class SummerCalculation {
 public:
  SummerCalculation(StudyState& s, const winter::ContinueQuestion& ask) : s_(s), ask_(ask) {}
  CalcResult run();

 private:
  enum class Kind { Mixing, Recirculation, FreshLoads, FreshNoLoads };
  enum class AdpOutcome { Found, Failed45 };

  [[noreturn]] void refuse(int code, Search search = Search::None) { throw Refusal{code, search}; }
  float checked(float x) {
    if (!finite(x)) refuse(kCodeDivisionByZero);
    return x;
  }
  float divide(float num, float den) {
    if (den == 0.0f || !finite(den) || !finite(num)) refuse(kCodeDivisionByZero);
    return checked(num / den);
  }

  Kind kind() const;
  int wetBulbStart() const { return cooling_ ? kWetBulbStartCooling : kSearchLowF; }
  // Completes a state of known DB and W: grains, wet bulb, RH (%), enthalpy.
  AirState stateFromW(float DB, float W);
  void outdoorAndRoom();
  void outdoorAirLoads(float cfm);
  bool bypassRules();  // true when ESHF is fixed at 1
  void roomBehindDryFreshAir();
  float eshfOf(float sens, float lat);
  AdpOutcome adpSearch(float eshf);
  void adpFallback(float sens, float lat);
  void roomDewPoint();
  void setAdpEnthalpy();
  void dryCoilLimit();
  float supplyFlow(float sens);
  void mainSequence();
  void freshAirSupply();
  void freshNoLoads();
  void freshWithLoads();
  bool dryFreshAir(float effectiveLatent) const;
  enum class FlowOutcome { Settled, FreshAirEnough, DryCoil };
  void freshAdpSearch();
  FlowOutcome moreFreshAirThanGiven();
  void freshAirBeyondLoads();
  void freshCoilDuty();
  void freshDryCoil();
  void coilOutletFromMix(bool enthalpyByMixing);
  void settleReheat();
  void reheatState();
  void noReheat();
  void rounding();
  void humidRoom();
  void heating(CalcResult& result);
  void checkCoilOutlet();
  void storeResults();

  StudyState& s_;
  const winter::ContinueQuestion& ask_;
  bool cooling_ = true;

  AirState o_, r_, r0_, m_, c_, h_;
  float RSH_ = 0, RLH_ = 0;
  float OASH_ = 0, OALH_ = 0;
  float CFMoa_ = 0, CFMsa_ = 0;
  float BF_ = kBFShallow, ESHF_ = 0, ESHFlast_ = 0;
  float ADP_ = 0, Wadp_ = 0, GRadp_ = 0, Hadp_ = 0;
  float REH_ = 0, QC_ = 0;
  bool reheat_ = false;
};

SummerCalculation::Kind SummerCalculation::kind() const {
  if (isTrue(s_.KindFresh)) return s_.FreshLoads == 1 ? Kind::FreshNoLoads : Kind::FreshLoads;
  if (isTrue(s_.KindRecirc)) return Kind::Recirculation;
  return Kind::Mixing;
}

AirState SummerCalculation::stateFromW(float DB, float W) {
  AirState a;
  a.DB = checked(DB);
  a.W = checked(W);
  a.GR = kGrains * W;
  const float pw = vapourFromW(W);
  if (!wetBulb(DB, pw, wetBulbStart(), a.WB)) refuse(kCodeSearchBound, Search::WetBulb);
  a.RH = checked(100.0f * pw / psy::SatPressure(DB));
  // The dew point's humidity ratio is that of a whole degree of the table, so
  // a coil outlet close to it can come out a shade above saturation; such
  // air leaves the coil saturated: its wet bulb is its dry bulb.
  if (a.WB > DB) a.WB = DB;
  if (a.RH > 100.0f) a.RH = 100.0f;
  a.H = enthalpy(DB, W);
  return a;
}

// Outdoor and room states from their dry and wet bulbs (Carrier's equation,
// table interpolated at the wet bulb).
void SummerCalculation::outdoorAndRoom() {
  auto fromWB = [this](float DB, float WB, float RH) {
    AirState a;
    a.DB = DB;
    a.WB = WB;
    a.RH = RH;
    a.W = checked(psy::HumidityRatio(psy::CarrierPv(DB, WB)));
    a.GR = kGrains * a.W;
    a.H = enthalpy(DB, a.W);
    return a;
  };
  o_ = fromWB(s_.EnvDB, s_.EnvWB, s_.EnvRH);
  r0_ = r_ = fromWB(s_.SpaDB, s_.SpaWB, s_.SpaRH);
  RSH_ = s_.SensLoad;
  RLH_ = s_.LatLoad;
}

// Loads that the fresh air brings to the coil: sensible 1.08·CFM·ΔT, latent
// 0.68·CFM·ΔGR, outdoor minus room.
void SummerCalculation::outdoorAirLoads(float cfm) {
  OASH_ = kSensible * cfm * (o_.DB - r_.DB);
  OALH_ = kLatent * cfm * (o_.GR - r_.GR);
}

// Bypass factor. Without outdoor-air loads the coil is shallow (0.15); fresh
// air exactly as moist as the room gives a deep coil (0.05); otherwise the
// room humidity decides (0.05 from 65 %). Fresh air drier than the room takes
// up part of the room's latent load: its (negative) latent load enters the
// effective latent load like any other, unless it takes up all of it, in which
// case the coil only cools (see roomBehindDryFreshAir). True when ESHF is
// fixed at 1.
bool SummerCalculation::bypassRules() {
  if (OASH_ == 0.0f && OALH_ == 0.0f) {
    BF_ = kBFShallow;
    return false;
  }
  if (OALH_ == 0.0f) {
    BF_ = kBFDeep;
    return false;
  }
  if (OALH_ < 0.0f && RLH_ + OALH_ <= 0.0f) {
    roomBehindDryFreshAir();
    return true;
  }
  BF_ = r0_.RH >= kDeepCoilRH ? kBFDeep : kBFShallow;
  return false;
}

// Fresh air so dry that it takes up the whole room latent load on its own
// (RLH + OALH <= 0): the coil has no water to remove and only cools (ESHF 1,
// deep coil). Nothing dries the air but the fresh air, so the room settles
// where the moisture the fresh air carries out balances the latent load:
//   0.68·CFMoa·(GRroom − GRo) = RLH  ->  GRroom = GRo + RLH / (0.68·CFMoa)
// which the condition puts at or below the room's design moisture. The
// recirculated air, and so the mixed air and the coil's dew point, work with
// that moisture; the coil surface at the dew point of the room air stays above
// the dew point of the drier mixed air, so the coil is dry. The room reported
// stays the room as entered (its design state).
void SummerCalculation::roomBehindDryFreshAir() {
  BF_ = kBFDeep;
  const float GR = o_.GR + divide(std::max(RLH_, 0.0f), kLatent * CFMoa_);
  r_.GR = std::min(GR, r0_.GR);
  r_.W = r_.GR / kGrains;
  r_.H = enthalpy(r_.DB, r_.W);
  r_.RH = checked(100.0f * vapourFromW(r_.W) / psy::SatPressure(r_.DB));
  OALH_ = 0.0f;
}

// ESHF = (RSH + BF·OASH) / (RSH + BF·OASH + RLH + BF·OALH), with the given
// effective sensible and latent sums.
float SummerCalculation::eshfOf(float sens, float lat) {
  return divide(sens, sens + lat);
}

// Apparatus dew point search: T rises from 45 °F by whole degrees; at each the
// line ratio R(T) of the saturated point is compared with ESHF. A ratio within
// 0.01 is the answer; otherwise the first degree whose ratio reaches ESHF
// closes an interval that is interpolated (Wadp of that whole degree). A
// crossing already at 45 °F means the effective line is steeper than any
// reachable dew point. Bounded by the room dry bulb: a dew point above it
// cannot cool the room.
SummerCalculation::AdpOutcome SummerCalculation::adpSearch(float eshf) {
  // Up to the room dew point every line ratio lies in 0..1; beyond it the
  // line would wet the air instead of drying it. An ESHF above 1 (a negative
  // effective latent load) has no dew point on a cooling coil.
  if (eshf > 1.0f + kLineRatioTolerance) refuse(kCodeSearchBound, Search::ApparatusDewPoint);
  float prevT = 0, prevR = 0;
  for (int T = kAdpStartF; static_cast<float>(T) <= r_.DB; ++T) {
    const float Wsat = checked(saturatedW(T));
    const float R = checked(lineRatio(r_.DB, r_.GR, static_cast<float>(T), kGrains * Wsat));
    ESHFlast_ = R;
    if (std::fabs(eshf - R) <= kLineRatioTolerance) {
      ADP_ = static_cast<float>(T);
      Wadp_ = Wsat;
      return AdpOutcome::Found;
    }
    if (eshf > R) {
      prevT = static_cast<float>(T);
      prevR = R;
      continue;
    }
    if (T == kAdpStartF) return AdpOutcome::Failed45;
    ADP_ = prevT + divide(eshf - prevR, R - prevR);
    Wadp_ = Wsat;
    return AdpOutcome::Found;
  }
  refuse(kCodeSearchBound, Search::ApparatusDewPoint);
}

// The 45 °F failure: ADP 48 °F with a deep coil and a reheat that turns the
// effective line so that it passes through 48 °F:
//   (sens + REH) / (sens + REH + lat) = R(48)  ->  REH = R/(1 − R)·lat − sens.
// sens and lat are the effective loads with the deep coil's bypass factor,
// which takes a smaller share of the outdoor-air loads than the shallow coil
// whose line failed: the line can come out flatter than R(48) (REH < 0).
void SummerCalculation::adpFallback(float sens, float lat) {
  ADP_ = static_cast<float>(kAdpFallbackF);
  Wadp_ = checked(saturatedW(kAdpFallbackF));
  const float R = checked(lineRatio(r_.DB, r_.GR, ADP_, kGrains * Wadp_));
  // A room whose own dew point lies below 48 °F has no drying line through
  // 48 °F (R outside 0..1): the coil cannot reach the dryness asked for.
  if (!(R > 0.0f && R < 1.0f)) refuse(kCodeNegativeCoilOutlet);
  ESHFlast_ = R;
  REH_ = divide(R, 1.0f - R) * lat - sens;
  if (REH_ >= 0.0f) return;
  // A negative reheat: with the deep coil's bypass factor the effective line
  // is no steeper than the line through 48 °F, and a dew point from 48 °F up
  // serves it without any reheat. The search with that line finds it.
  REH_ = 0.0f;
  ESHF_ = eshfOf(sens, lat);
  if (adpSearch(ESHF_) == AdpOutcome::Failed45) {
    ADP_ = static_cast<float>(kAdpFallbackF);
    Wadp_ = checked(saturatedW(kAdpFallbackF));
    ESHFlast_ = R;
  }
}

// Dew point of the room air (ESHF exactly 1: the coil only cools): the degree
// whose saturated grains match the room grains within 0.01, or the crossing
// interpolated in W. Starts at 30 °F, steps down for a drier room (to 7 °F),
// and may not pass the room dry bulb.
void SummerCalculation::roomDewPoint() {
  auto grAt = [this](int t) { return checked(kGrains * saturatedW(t)); };
  const float GRr = r_.GR;
  float gr = grAt(kDewPointStartF);
  if (std::fabs(gr - GRr) <= kDewPointGrainsTolerance) {
    ADP_ = static_cast<float>(kDewPointStartF);
    Wadp_ = saturatedW(kDewPointStartF);
    return;
  }
  if (gr > GRr) {
    for (int t = kDewPointStartF - 1; t >= kSearchLowF; --t) {
      gr = grAt(t);
      if (std::fabs(gr - GRr) <= kDewPointGrainsTolerance) {
        ADP_ = static_cast<float>(t);
        Wadp_ = saturatedW(t);
        return;
      }
      if (gr < GRr) {
        const float w0 = saturatedW(t), w1 = saturatedW(t + 1);
        ADP_ = static_cast<float>(t) + divide(r_.W - w0, w1 - w0);
        Wadp_ = w1;
        return;
      }
    }
    refuse(kCodeSearchBound, Search::DewPoint);
  }
  for (int t = kDewPointStartF + 1; static_cast<float>(t) <= r_.DB; ++t) {
    gr = grAt(t);
    if (std::fabs(gr - GRr) <= kDewPointGrainsTolerance) {
      ADP_ = static_cast<float>(t);
      Wadp_ = saturatedW(t);
      return;
    }
    if (gr >= GRr) {
      const float w0 = saturatedW(t - 1), w1 = saturatedW(t);
      ADP_ = static_cast<float>(t - 1) + divide(r_.W - w0, w1 - w0);
      Wadp_ = w1;
      return;
    }
  }
  refuse(kCodeSearchBound, Search::DewPoint);
}

void SummerCalculation::setAdpEnthalpy() {
  Hadp_ = enthalpy(ADP_, Wadp_);
  GRadp_ = kGrains * Wadp_;
}

// A cooling coil condenses water only where its surface lies below the dew
// point of the air entering it; it never adds water. The dew point's humidity
// ratio is that of a whole degree of the table (or of the room dew point when
// the coil only cools), so it can exceed the entering air's own: dry outdoor
// air, or a line that crosses just below the room dew point. The coil is then
// a dry coil and the air leaves with the moisture it brought, so the mixing
// relation Wc = Wadp + BF·(Wm − Wadp) is taken with Wadp = Wm.
void SummerCalculation::dryCoilLimit() {
  if (Wadp_ > m_.W) {
    Wadp_ = m_.W;
    setAdpEnthalpy();
  }
}

// Supply flow that carries the effective sensible load through the coil:
// CFMsa = sens / ((1 − BF)·1.08·(DBr − ADP)).
float SummerCalculation::supplyFlow(float sens) {
  return std::fabs(divide(sens, (1.0f - BF_) * kSensible * (r_.DB - ADP_)));
}

// "AAA_NA" (mixing) and "AA_100" (full recirculation).
void SummerCalculation::mainSequence() {
  const bool recirc = kind() == Kind::Recirculation;
  const bool perCent = !recirc && s_.FreshMode == QLatin1String("P");
  const float PC = s_.FreshValue;
  CFMoa_ = s_.FreshValue;  // per-cent mode: the per cent itself on the first pass
  bool freshAlone = false;
  float previous = 0;
  for (int pass = 1;; ++pass) {
    // Every pass judges the room as entered.
    r_ = r0_;
    REH_ = 0;
    if (CFMoa_ == 0.0f || recirc) {
      OASH_ = OALH_ = 0.0f;
    } else {
      outdoorAirLoads(CFMoa_);
    }
    const bool eshfOne = bypassRules();
    const float sens = RSH_ + BF_ * OASH_;
    ESHF_ = eshfOne ? 1.0f : eshfOf(sens, RLH_ + BF_ * OALH_);
    if (ESHF_ != 1.0f) {
      if (adpSearch(ESHF_) == AdpOutcome::Failed45) {
        BF_ = kAdpFallbackBF;
        adpFallback(RSH_ + BF_ * OASH_, RLH_ + BF_ * OALH_);
      }
    } else {
      // The coil only cools: the dew point of the room air.
      BF_ = kBFDeep;
      roomDewPoint();
      ESHFlast_ = 1.0f;
      const float flow = supplyFlow(RSH_ + BF_ * OASH_);
      // The fresh air alone carries the room loads (the per cent of the
      // first per-cent pass is not yet a flow).
      if ((!perCent || pass > 1) && flow <= CFMoa_) {
        CFMsa_ = CFMoa_;
        freshAlone = true;
        break;
      }
    }
    CFMsa_ = supplyFlow(RSH_ + BF_ * OASH_ + REH_);
    if (!perCent) break;
    if (CFMsa_ > kPerCentFlowLimit) refuse(kCodeSearchBound, Search::PerCentPasses);
    if (pass > 1 && divide(std::fabs(previous - CFMsa_), CFMsa_) <= kPerCentConvergence) break;
    if (pass >= kPerCentMaxPasses) refuse(kCodeSearchBound, Search::PerCentPasses);
    previous = CFMsa_;
    CFMoa_ = PC / 100.0f * CFMsa_;
  }
  if (perCent && !freshAlone) CFMoa_ = PC / 100.0f * CFMsa_;
  setAdpEnthalpy();

  if (freshAlone) {
    m_ = o_;
    freshAirSupply();
    return;
  }
  // More fresh air than the loads need: the supply is the fresh air.
  if (CFMsa_ < CFMoa_ && !recirc) {
    CFMsa_ = CFMoa_;
    m_ = o_;
    freshAirSupply();
    return;
  }
  if (recirc) {
    m_ = r_;
  } else {
    // Adiabatic mixing of CFMoa of outdoor air with the recirculated rest.
    const float DB = (CFMoa_ * o_.DB + (CFMsa_ - CFMoa_) * r_.DB) / CFMsa_;
    const float GR = (CFMoa_ * o_.GR + (CFMsa_ - CFMoa_) * r_.GR) / CFMsa_;
    m_ = stateFromW(DB, GR / kGrains);
  }

  // Coil outlet: the bypassed share of the mixed air with the rest saturated
  // at the dew point.
  dryCoilLimit();
  c_ = stateFromW(ADP_ + BF_ * (m_.DB - ADP_), Wadp_ + BF_ * (m_.W - Wadp_));
  if (recirc) {
    // Full recirculation: the coil removes exactly the room loads (and the
    // reheat it will give back), so its outlet enthalpy follows from them.
    c_.H = r_.H - divide(RSH_ + RLH_ + std::max(REH_, 0.0f), kTotal * CFMsa_);
  }
  settleReheat();
  if (recirc) {
    QC_ = RSH_ + RLH_ + std::max(REH_, 0.0f);
  } else {
    QC_ = kTotal * CFMsa_ * (m_.H - c_.H);
  }
}

// Saturated humidity ratio at any temperature of the table, linear in W
// between the two whole degrees around T (the inverse of dewPointOf).
float saturatedWBetween(float T) {
  const int t = static_cast<int>(std::floor(T));
  const float w0 = saturatedW(t);
  if (static_cast<float>(t) == T) return w0;
  return w0 + (T - static_cast<float>(t)) * (saturatedW(t + 1) - w0);
}

// Dew point (°F) of air of humidity ratio W: the whole degrees of the table
// whose saturated humidity ratios enclose W, interpolated linearly in W.
// False outside the table (7 .. 130 °F).
bool dewPointOf(float W, float& T) {
  if (!finite(W) || W < saturatedW(kSearchLowF)) return false;
  for (int t = kSearchLowF; t < kSearchHighF; ++t) {
    const float w0 = saturatedW(t), w1 = saturatedW(t + 1);
    if (W <= w1) {
      T = static_cast<float>(t) + (W - w0) / (w1 - w0);
      return true;
    }
  }
  return false;
}

// The mixing unit whose loads need less air than the fresh air given (and
// the unit that runs on fresh air alone when ESHF is 1), and the 100 % fresh-
// air unit with more fresh air than its loads need: the supply flow is the
// fresh-air flow and the coil treats outdoor air only, as 100 % fresh air
// brought to a state is treated. The supply air must hold the room:
//   DBs = DBr − RSH / (1.08·CFMsa),  GRs = GRr − RLH / (0.68·CFMsa)
// with the room loads alone. All the outdoor air passes the coil, its bypassed
// share included, so the outdoor-air loads are carried inside the coil process
// (outlet = ADP + BF·(inlet − ADP)) and add nothing to the supply state. The
// room moisture held is the room as entered; fresh air dry enough to take up
// the latent load on its own needs no drying (a dry coil below).
//
// The coil dew point is the lower of two:
//   moisture: Wadp = (Ws − BF·Wm)/(1 − BF), ADP its dew point, so that the
//             outlet carries GRs (none when the outdoor air is drier than GRs);
//   sensible: ADP = (DBs − BF·DBm)/(1 − BF)
//             = DBr − (RSH + BF·OASH)/((1 − BF)·1.08·CFMsa), outlet at DBs.
// When the moisture decides, the outlet is colder than DBs and a reheater
// brings it to DBs: REH = 1.08·CFMsa·(DBs − DBc). When the sensible decides,
// the outlet is at DBs and no drier than needed: Wadp = Wsat(ADP), or the
// inlet moisture for a coil that stays above the inlet's dew point (a dry
// coil). The coil load is QC = 4.45·CFMsa·(Hm − Hc). Deep coil (BF 0.05).
void SummerCalculation::freshAirSupply() {
  BF_ = kBFDeep;
  REH_ = 0;
  const float DBs = r_.DB - divide(RSH_, kSensible * CFMsa_);
  const float Ws = (r0_.GR - divide(RLH_, kLatent * CFMsa_)) / kGrains;
  const float sensibleADP = (DBs - BF_ * m_.DB) / (1.0f - BF_);
  ADP_ = sensibleADP;
  if (m_.W > Ws) {
    // Fresh air moister than the supply must be: the coil dries it to Ws.
    r_ = r0_;
    const float W = (Ws - BF_ * m_.W) / (1.0f - BF_);
    float T = 0;
    // Outside the table: no coil dew point gives that dry a supply (a latent
    // load too large for the fresh-air flow).
    if (!dewPointOf(W, T)) refuse(kCodeSearchBound, Search::ApparatusDewPoint);
    if (T < sensibleADP) {
      ADP_ = T;
      Wadp_ = W;
    }
  }
  if (ADP_ == sensibleADP) {
    if (!(ADP_ >= kSearchLowF && ADP_ < kSearchHighF))
      refuse(kCodeSearchBound, Search::ApparatusDewPoint);
    Wadp_ = std::min(checked(saturatedWBetween(ADP_)), m_.W);
  }
  setAdpEnthalpy();
  c_ = stateFromW(ADP_ + BF_ * (m_.DB - ADP_), Wadp_ + BF_ * (m_.W - Wadp_));
  // A reheat only where there is one to report (a whole Btu/h): the sensible
  // dew point leaves the outlet at DBs within the float's last digits.
  const float reheat = kSensible * CFMsa_ * (DBs - c_.DB);
  REH_ = reheat >= 0.5f ? reheat : 0.0f;
  settleReheat();
  QC_ = kTotal * CFMsa_ * (m_.H - c_.H);
}

// "NA_DPF": 100 % fresh air that does not take up the room loads; it is
// dried to the room moisture and reheated to the room temperature.
void SummerCalculation::freshNoLoads() {
  CFMsa_ = CFMoa_;
  outdoorAirLoads(CFMsa_);
  if (m_.W <= r_.W) {
    // Outdoor air no moister than the room (a hot, dry summer) cannot be
    // brought to the room moisture by a cooling coil, which only removes
    // water: it is cooled sensibly to the room temperature (a dry coil) and
    // delivered with its own moisture, without reheat. Drying it to the
    // room's dew point and reheating would only waste cooling and heat.
    c_ = stateFromW(r_.DB, m_.W);
    Wadp_ = m_.W;
    GRadp_ = kGrains * Wadp_;
    // Coil surface that, with the bypass factor, gives this outlet.
    ADP_ = (c_.DB - BF_ * m_.DB) / (1.0f - BF_);
    Hadp_ = enthalpy(ADP_, Wadp_);
    ESHFlast_ = 0;
    REH_ = 0;
    noReheat();
    QC_ = kTotal * CFMsa_ * (m_.H - c_.H);
    OASH_ = kSensible * CFMsa_ * (m_.DB - c_.DB);
    OALH_ = 0;
    return;
  }
  c_.W = r_.W;
  c_.GR = r_.GR;
  // The dew point that, with the bypassed outdoor air, leaves the room moisture.
  Wadp_ = (c_.W - BF_ * m_.W) / (1.0f - BF_);
  GRadp_ = kGrains * Wadp_;
  const float pw = vapourFromW(Wadp_);
  int adp = kSearchLowF;
  for (int t = kSearchLowF + 1; t <= kSearchHighF && tablePressure(t) <= pw; ++t) adp = t;
  ADP_ = static_cast<float>(adp);
  ESHFlast_ = 0;
  Hadp_ = enthalpy(ADP_, Wadp_);
  c_.DB = ADP_ + BF_ * (m_.DB - ADP_);
  REH_ = kSensible * CFMsa_ * (r_.DB - c_.DB);
  c_.H = Hadp_ + BF_ * (m_.H - Hadp_);
  const float pwc = vapourFromW(c_.W);
  if (!wetBulb(c_.DB, pwc, wetBulbStart(), c_.WB)) refuse(kCodeSearchBound, Search::WetBulb);
  if (c_.DB < c_.WB) {
    std::swap(c_.DB, c_.WB);
    REH_ = kSensible * CFMsa_ * (r_.DB - c_.DB);
  }
  c_.RH = std::min(checked(100.0f * pwc / psy::SatPressure(c_.DB)), 100.0f);
  if (REH_ > 0.0f) {
    h_ = r_;  // reheated to the room state
    reheat_ = true;
  } else {
    settleReheat();  // the coil outlet is not below the room: nothing to reheat
  }
  QC_ = kTotal * CFMsa_ * (m_.H - c_.H);
  OASH_ = kSensible * CFMsa_ * (m_.DB - c_.DB);
  OALH_ = kLatent * CFMsa_ * (m_.GR - c_.GR);
}

// "NA_PAF": 100 % fresh air that takes up the room loads. The effective line
// of the loads (the room loads with the bypassed share of the outdoor-air
// loads) gives the dew point and the supply flow that carries them; all the
// supply is outdoor air. Three outcomes:
//   - the loads need more air than the fresh air given: the unit takes that
//     flow from outside (moreFreshAirThanGiven);
//   - they need less, with the deep and with the shallow coil: the supply is
//     the fresh air given and holds the room by its own state
//     (freshAirBeyondLoads);
//   - outdoor air dry enough to take up the room's latent load: a dry coil
//     (freshDryCoil).
void SummerCalculation::freshWithLoads() {
  outdoorAirLoads(CFMoa_);
  for (int occasion = 0;;) {
    if (dryFreshAir(RLH_ + BF_ * OALH_)) return freshDryCoil();
    freshAdpSearch();
    CFMsa_ = supplyFlow(RSH_ + BF_ * OASH_ + REH_);
    if (CFMsa_ == CFMoa_) break;
    if (CFMsa_ > CFMoa_) {
      const FlowOutcome more = moreFreshAirThanGiven();
      if (more == FlowOutcome::DryCoil) return freshDryCoil();
      if (more == FlowOutcome::FreshAirEnough) return freshAirBeyondLoads();
      break;
    }
    if (occasion == 0) {
      occasion = 1;
      BF_ = kBFShallow;
      continue;
    }
    return freshAirBeyondLoads();
  }
  setAdpEnthalpy();
  dryCoilLimit();
  c_.DB = ADP_ + BF_ * (m_.DB - ADP_);
  c_.W = Wadp_ + BF_ * (m_.W - Wadp_);
  c_.GR = kGrains * c_.W;
  const float pwc = vapourFromW(c_.W);
  if (!wetBulb(c_.DB, pwc, wetBulbStart(), c_.WB)) refuse(kCodeSearchBound, Search::WetBulb);
  c_.RH = checked(100.0f * pwc / psy::SatPressure(c_.DB));
  if (c_.WB > c_.DB) c_.WB = c_.DB;  // saturated at most (see stateFromW)
  if (c_.RH > 100.0f) c_.RH = 100.0f;
  c_.H = Hadp_ + BF_ * (m_.H - Hadp_);
  // The bypassed outdoor air leaves the coil moister than the room: this
  // supply cannot carry the room's moisture away.
  if (c_.GR > r_.GR) refuse(kCodeFreshAirExcessive);
  settleReheat();
  freshCoilDuty();
}

// ESHF of the effective loads at the present bypass factor and outdoor-air
// loads, and its dew point; a line steeper than any dew point from 45 °F up
// leaves the deep coil at 48 °F with the reheat that turns the line there.
void SummerCalculation::freshAdpSearch() {
  ESHF_ = eshfOf(RSH_ + BF_ * OASH_, RLH_ + BF_ * OALH_);
  REH_ = 0;
  if (adpSearch(ESHF_) == AdpOutcome::Failed45) {
    BF_ = kAdpFallbackBF;
    adpFallback(RSH_ + BF_ * OASH_, RLH_ + BF_ * OALH_);
  }
}

// The loads need more air than the fresh air given, so the unit takes all its
// supply from outside at a larger flow (deep coil). With 100 % outdoor air
// the coil outlet DBc = ADP + BF·(DBo − ADP) takes from the room
//   1.08·CFMsa·(DBr − DBc) = CFMsa·((1 − BF)·1.08·(DBr − ADP) − BF·oas)
// with oas = 1.08·(DBo − DBr) the outdoor air's sensible load per CFM: the
// flow CFMsa = (RSH + BF·OASH + REH) / ((1 − BF)·1.08·(DBr − ADP)) holds the
// room only when OASH is that of CFMsa itself. The outdoor-air loads of the
// flow turn the effective line, which moves the dew point, which changes the
// flow. For the dew point of the last search the flow follows in closed form,
//   CFMsa = (RSH + REH) / ((1 − BF)·1.08·(DBr − ADP) − BF·oas),
// and the search is repeated with the outdoor-air loads of that flow until the
// flow changes by at most 1 %; the dew point moves little with the flow, so a
// few passes do, and kFreshFlowMaxPasses bounds them. The search snaps a line
// ratio within 0.01 of a whole degree's to that degree, so where the flow
// crosses such a point the dew point can jump between the whole degree and
// the interpolated one and the flow alternate between two values: a flow
// within 1 % of the one two passes back is as settled as the search allows.
// Either way the last flow takes exactly the room's sensible load with the
// last dew point, and the latent load within the search's whole-degree step.
// At 48 °F with a reheat (a line steeper than any dew point from 45 °F up)
// the reheat REH = k·(RLH + BF·oal·CFMsa) − (RSH + BF·oas·CFMsa), with
// k = R(48)/(1 − R(48)) and oal = 0.68·(GRo − GRr), grows with the flow
// itself; the flow that carries it is
//   CFMsa = k·RLH / ((1 − BF)·1.08·(DBr − 48) − k·BF·oal).
// A denominator that is not positive means that the bypassed outdoor air
// leaves the coil at 48 °F moister than the room: no flow of this air carries
// the room's moisture away (kCodeFreshAirExcessive). In the same way a dew
// point whose outlet is no colder than the room cannot cool it with any flow
// (kCodeNegativeCoilOutlet, as the coil-outlet check says).
// A flow that falls to the fresh air given means that the deep coil needs no
// more than that: the fresh air is then the supply (FreshAirEnough).
SummerCalculation::FlowOutcome SummerCalculation::moreFreshAirThanGiven() {
  const float oas = kSensible * (o_.DB - r_.DB);
  const float oal = kLatent * (o_.GR - r_.GR);
  float before = 0;  // the flow two passes back
  for (int pass = 1; pass <= kFreshFlowMaxPasses; ++pass) {
    BF_ = kBFDeep;
    outdoorAirLoads(CFMsa_);
    if (dryFreshAir(RLH_ + BF_ * OALH_)) return FlowOutcome::DryCoil;
    freshAdpSearch();
    const float perCfm = (1.0f - BF_) * kSensible * (r_.DB - ADP_);
    float flow = 0;
    if (REH_ > 0.0f) {
      const float k = divide(ESHFlast_, 1.0f - ESHFlast_);
      const float den = perCfm - k * BF_ * oal;
      if (!(den > 0.0f)) refuse(kCodeFreshAirExcessive);
      flow = divide(k * RLH_, den);
      REH_ = k * (RLH_ + BF_ * oal * flow) - (RSH_ + BF_ * oas * flow);
    } else {
      const float den = perCfm - BF_ * oas;
      if (!(den > 0.0f)) refuse(kCodeNegativeCoilOutlet);
      flow = divide(RSH_, den);
    }
    if (flow <= CFMoa_) return FlowOutcome::FreshAirEnough;
    const bool settled = std::fabs(flow - CFMsa_) <= kFreshFlowConvergence * flow ||
                         (pass > 1 && std::fabs(flow - before) <= kFreshFlowConvergence * flow);
    before = CFMsa_;
    CFMsa_ = flow;
    if (settled) return FlowOutcome::Settled;
  }
  refuse(kCodeSearchBound, Search::FreshAirFlow);
}

// "NA_PAF" with more fresh air than the loads need: all of it is supplied
// (CFMsa = CFMoa, deep coil) and its state must hold the room, as for the
// mixing unit whose loads need less air than its fresh air:
//   DBs = DBr − RSH / (1.08·CFMsa),  GRs = GRr − RLH / (0.68·CFMsa).
// The whole supply passes the coil, so the outdoor-air loads, the excess
// flow's included, are taken inside the coil process and add nothing to the
// supply state. The coil's dew point is the one that leaves the outlet at GRs
// (Wadp = (Ws − BF·Wo) / (1 − BF)); its outlet DBc = ADP + BF·(DBo − ADP) is
// colder than DBs, and the reheat REH = 1.08·CFMsa·(DBs − DBc) brings it to
// DBs. Where that dew point would leave the outlet warmer than DBs, the coil
// must go colder than the moisture asks for, to the dew point whose outlet is
// DBs: the sensible load decides, the supply is drier than needed (the room
// a little drier than designed) and there is no reheat, because a coil that
// cooled further only to have the heat given back would waste both
// (freshAirSupply). Outdoor air already drier than the supply must be
// (GRo <= GRs, i.e. RLH + 0.68·CFMoa·(GRo − GRr) <= 0) needs no drying: the
// dry coil.
void SummerCalculation::freshAirBeyondLoads() {
  CFMsa_ = CFMoa_;
  BF_ = kBFDeep;
  outdoorAirLoads(CFMoa_);
  if (dryFreshAir(RLH_ + OALH_)) return freshDryCoil();
  freshAirSupply();
  // The effective line of the design: the room loads, the reheat and the
  // bypassed share of the outdoor-air loads, which the dew point now lies on.
  // (Reported figures only: a ratio without a denominator keeps the last.)
  const float sens = RSH_ + REH_ + BF_ * OASH_, lat = RLH_ + BF_ * OALH_;
  if (sens + lat != 0.0f) ESHF_ = sens / (sens + lat);
  const float R = lineRatio(r_.DB, r_.GR, ADP_, kGrains * Wadp_);
  ESHFlast_ = finite(R) ? R : ESHF_;
  freshCoilDuty();
}

// The outdoor-air loads of a fresh-air unit are reported as the coil's own
// duty on the outdoor air, and the fresh-air flow is the supply flow.
void SummerCalculation::freshCoilDuty() {
  QC_ = kTotal * CFMsa_ * (m_.H - c_.H);
  OASH_ = kSensible * CFMsa_ * (m_.DB - c_.DB);
  OALH_ = kLatent * CFMsa_ * (m_.GR - c_.GR);
  CFMoa_ = CFMsa_;  // all the supply air is fresh air (rounded with it)
}

// Outdoor air drier than the room whose (negative) latent load outweighs the
// room's in the effective latent load of a fresh-air unit.
bool SummerCalculation::dryFreshAir(float effectiveLatent) const {
  return effectiveLatent <= 0.0f && o_.GR < r_.GR;
}

// "NA_PAF" whose outdoor air is so much drier than the room that its
// (negative) latent load outweighs the room's in the effective latent load
// (RLH + BF·OALH <= 0, an ESHF of 1 or more): no line from the room meets the
// saturation curve, and none needs to, because the fresh air takes up the
// room's latent load as it is. The coil only cools, at constant moisture (a
// dry coil, BF 0.05), as the dry-coil rules of the other kinds do:
//   - its surface stays no colder than the room's dew point ADP, so that it
//     stays dry for any air no moister than the room; the least flow that
//     takes the room's sensible load is then
//       CFMneed = RSH / (1.08·((1 − BF)·(DBr − ADP) − BF·(DBo − DBr)));
//   - the supply at the outdoor moisture carries the room latent load when
//       CFMsa >= CFMlat = RLH / (0.68·(GRr − GRo));
//   - CFMsa is the largest of the fresh air given, CFMneed and CFMlat;
//   - coil outlet: DBc = DBr − RSH / (1.08·CFMsa), Wc = Wo; no reheat (the
//     air is not dried, so it is never cooled below what the room needs);
//   - QC = 4.45·CFMsa·(Ho − Hc); the coil's duty is sensible only.
void SummerCalculation::freshDryCoil() {
  BF_ = kBFDeep;
  REH_ = 0;
  roomDewPoint();
  const float reach = (1.0f - BF_) * (r_.DB - ADP_) - BF_ * (o_.DB - r_.DB);
  // A room so humid, behind so hot an outdoor air, that a coil at the room's
  // dew point cannot bring the air below the room temperature.
  if (!(reach > 0.0f)) refuse(kCodeNegativeCoilOutlet);
  const float need = divide(RSH_, kSensible * reach);
  const float latentFlow = RLH_ > 0.0f ? divide(RLH_, kLatent * (r_.GR - o_.GR)) : 0.0f;
  CFMsa_ = std::max({CFMoa_, need, latentFlow});
  c_ = stateFromW(r_.DB - divide(RSH_, kSensible * CFMsa_), m_.W);
  // The coil surface that gives this outlet with the bypassed share, and its
  // moisture: that of the air, which the coil leaves as it is.
  Wadp_ = m_.W;
  ADP_ = (c_.DB - BF_ * m_.DB) / (1.0f - BF_);
  setAdpEnthalpy();
  ESHF_ = ESHFlast_ = 1.0f;
  settleReheat();
  QC_ = kTotal * CFMsa_ * (m_.H - c_.H);
  OASH_ = kSensible * CFMsa_ * (m_.DB - c_.DB);
  OALH_ = 0.0f;
  CFMoa_ = CFMsa_;
}

// Every kind leaves its coil through here. A reheater only heats: a reheat
// that is not positive is none (0, with the after-reheat markers), and the
// coil was already worked out without it.
void SummerCalculation::settleReheat() {
  if (REH_ > 0.0f) {
    reheatState();
  } else {
    REH_ = 0.0f;
    noReheat();
  }
}

// Air after the reheater: the coil outlet warmed by REH at constant moisture.
void SummerCalculation::reheatState() {
  h_ = stateFromW(c_.DB + divide(REH_, kSensible * CFMsa_), c_.W);
  reheat_ = true;
}

void SummerCalculation::noReheat() {
  h_ = AirState{};
  reheat_ = false;
}

// Results to the precision they are reported with (half up): temperatures and
// grains 0.1, enthalpies 0.01, relative humidities 0.01 %, flows and loads
// whole numbers.
void SummerCalculation::rounding() {
  auto r1 = [](float& x) { x = roundSingle(x, 1); };
  auto r2 = [](float& x) { x = roundSingle(x, 2); };
  auto r0 = [](float& x) { x = roundSingle(x, 0); };
  r2(o_.RH), r2(r_.RH);
  for (AirState* a : {&o_, &r_, &m_, &c_}) {
    r1(a->DB), r1(a->WB), r1(a->GR), r2(a->H), r2(a->RH);
  }
  r0(REH_);
  if (reheat_ && REH_ > 0.0f) {
    r1(h_.DB), r1(h_.WB), r1(h_.GR), r2(h_.H), r2(h_.RH);
  }
  r0(CFMsa_), r0(QC_), r0(OASH_), r0(OALH_);
  if (s_.FreshMode == QLatin1String("P") && kind() == Kind::Mixing) r0(CFMoa_);
  if (kind() == Kind::FreshLoads || kind() == Kind::FreshNoLoads) CFMoa_ = CFMsa_;
}

// Humid rooms (rounded RH 71 % or more), mixing and full recirculation: a
// second coil arrangement in which only a share of the supply flow passes the
// coil. The dew point Tt of the coil and the room-side moisture difference
// ΔGR follow from the balance of the latent load along the line through Tt:
//   S(ΔGR)  = RSH + 0.05·OASH − 0.68·CFMt·ΔGR
//   Tt(ΔGR) = DBr − S / ((1 − 0.05)·1.08·CFMt)
//   (1 − R(Tt))·S / R(Tt) − BF·OALH = 0.68·CFMt·ΔGR
// solved for ΔGR by bisection inside the first bracket found from 0 grains up
// (R(Tt) must stay a real ratio: 0 < R ≤ 1).
void SummerCalculation::humidRoom() {
  auto& b = s_.HighHumid;
  const float CFMt = std::floor(kHumidCoilShare * CFMsa_);
  if (CFMt <= 0.0f) refuse(kCodeDivisionByZero);
  const float base = RSH_ + kBFDeep * OASH_;
  auto S = [&](double d) { return base - kLatent * CFMt * static_cast<float>(d); };
  auto Tt = [&](double d) { return r_.DB - S(d) / ((1.0f - kBFDeep) * kSensible * CFMt); };
  // Balance residual; NaN where the line ratio is no ratio.
  auto f = [&](double d) -> double {
    const float T = Tt(d);
    if (!(T >= kSearchLowF && T < r_.DB)) return std::numeric_limits<double>::quiet_NaN();
    const float R = lineRatio(r_.DB, r_.GR, T, saturatedGrains(T));
    if (!finite(R) || R <= 0.0f || R > 1.0f) return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>((1.0f - R) * S(d) / R - BF_ * OALH_) -
           static_cast<double>(kLatent * CFMt) * d;
  };
  // Bracket: steps of 0.1 grain up to the room grains.
  constexpr double kStep = 0.1;
  const double dMax = r_.GR;
  double lo = -1, hi = -1, flo = 0;
  double prevD = 0, prevF = f(0);
  for (double d = kStep; d <= dMax + 1e-9; d += kStep) {
    const double fd = f(d);
    if (std::isfinite(prevF) && std::isfinite(fd) && ((prevF > 0) != (fd > 0) || fd == 0)) {
      lo = prevD, hi = d, flo = prevF;
      break;
    }
    prevD = d, prevF = fd;
  }
  if (lo < 0) refuse(kCodeSearchBound, Search::HumidRoom);
  for (int i = 0; i < 60 && hi - lo > 1e-6; ++i) {
    const double mid = 0.5 * (lo + hi);
    const double fm = f(mid);
    if (!std::isfinite(fm)) break;
    if ((fm > 0) == (flo > 0)) {
      lo = mid, flo = fm;
    } else {
      hi = mid;
    }
  }
  const float dGR = static_cast<float>(0.5 * (lo + hi));
  const float T = Tt(dGR);
  const float Wt = checked(psy::HumidityRatio(psy::SatPressure(T)));

  // Mixed air before the coil: the fresh air with the recirculated rest of the
  // coil flow (no more fresh air than the coil flow).
  const float fresh = kind() == Kind::Recirculation ? 0.0f : std::min(CFMoa_, CFMt);
  const float mixDB = (fresh * o_.DB + (CFMt - fresh) * r_.DB) / CFMt;
  const float mixGR = (fresh * o_.GR + (CFMt - fresh) * r_.GR) / CFMt;
  AirState mix = stateFromW(mixDB, mixGR / kGrains);
  mix.H = (fresh * o_.H + (CFMt - fresh) * r_.H) / CFMt;
  const AirState out = stateFromW(T + BF_ * (mix.DB - T), Wt + BF_ * (mix.W - Wt));

  // Room side: the room grains less ΔGR on the room's wet-bulb line.
  AirState room;
  room.GR = r_.GR - dGR;
  room.W = room.GR / kGrains;
  const float pw = vapourFromW(room.W);
  const float pwsWB = psy::SatPressure(r_.WB);
  room.DB =
      checked(r_.WB + (pwsWB - pw) * static_cast<float>(psy::kCarrierA - psy::kCarrierB * r_.WB) /
                          (kP - pwsWB));
  room.WB = r_.WB;
  room.RH = checked(100.0f * pw / psy::SatPressure(room.DB));
  room.H = r_.H;

  const float load = kTotal * CFMt * (mix.H - out.H);
  // Condensate: CFMt / 13.5 ft³/lb · 60 min/h lb of air per hour, ΔGR / 7000
  // lb of water per lb of air.
  const float kg = CFMt / 13.5f * dGR * 60.0f * 0.453592f / 7000.0f;

  auto r1 = [](float x) { return roundSingle(x, 1); };
  auto r2 = [](float x) { return roundSingle(x, 2); };
  b.fill(0.0f);
  b[humid::CoilFlow] = CFMt;
  b[humid::MoistureRemoved] = r1(dGR);
  b[humid::DewPoint] = r1(T);
  b[humid::DewPointGr] = r1(kGrains * Wt);
  b[humid::MixDB] = r1(mix.DB), b[humid::MixWB] = r1(mix.WB), b[humid::MixRH] = r2(mix.RH);
  b[humid::MixGr] = r1(mix.GR), b[humid::MixH] = r2(mix.H);
  b[humid::OutDB] = r1(out.DB), b[humid::OutWB] = r1(out.WB), b[humid::OutRH] = r2(out.RH);
  b[humid::OutGr] = r1(out.GR), b[humid::OutH] = r2(out.H);
  b[humid::RoomDB] = r1(room.DB), b[humid::RoomWB] = r1(room.WB), b[humid::RoomRH] = r2(room.RH);
  b[humid::RoomGr] = r1(room.GR), b[humid::RoomH] = r2(room.H);
  b[humid::CoilLoad] = roundSingle(load, 0);
  b[humid::CondensateKg] = r2(kg);
  b[humid::BypassFactor] = BF_;
  b[humid::EffectiveSensible] = roundSingle(S(dGR), 0);
  b[humid::DewPointH] = r2(enthalpy(T, Wt));
  b[humid::BypassFlow] = CFMsa_ - CFMt;
  b[humid::CondensateLb] = r2(kg / 0.453592f);
  for (float v : b) checked(v);
  s_.HighHumidity = 1;
}

// A coil outlet below freezing, or with a negative enthalpy, is no design:
// the room humidity asked for is too low for the loads.
void SummerCalculation::checkCoilOutlet() {
  if (c_.DB < 32.0f || c_.WB < 32.0f || c_.H < 0.0f) refuse(kCodeNegativeCoilOutlet);
  // A unit that takes up the room loads must leave its coil colder than the
  // room; otherwise the room is too dry for any dew point of the coil.
  if (kind() != Kind::FreshNoLoads && c_.DB >= r_.DB) refuse(kCodeNegativeCoilOutlet);
}

void SummerCalculation::storeResults() {
  StudyState& s = s_;
  s.EnvDB = o_.DB, s.EnvWB = o_.WB, s.EnvRH = o_.RH, s.EnvW = o_.W, s.EnvGr = o_.GR, s.Env_h = o_.H;
  s.SpaDB = r_.DB, s.SpaWB = r_.WB, s.SpaRH = r_.RH, s.SpaW = r_.W, s.SpaGr = r_.GR, s.Spa_h = r_.H;
  s.DB_M = m_.DB, s.WB_M = m_.WB, s.RH_M = m_.RH, s.W_M = m_.W, s.Gr_M = m_.GR, s.h_M = m_.H;
  s.DB_T = c_.DB, s.WB_T = c_.WB, s.RH_T = c_.RH, s.W_T = c_.W, s.Gr_T = c_.GR, s.h_T = c_.H;
  if (reheat_) {
    s.DB_S = h_.DB, s.WB_S = h_.WB, s.RH_S = h_.RH, s.W_S = h_.W, s.Gr_S = h_.GR, s.h_S = h_.H;
  } else {
    s.DB_S = s.WB_S = s.h_S = kNotComputed;
    s.RH_S = s.W_S = s.Gr_S = 0;
  }
  s.ADP = ADP_, s.W_ADP = Wadp_, s.Gr_ADP = GRadp_, s.h_ADP = Hadp_;
  s.ESHF = ESHF_, s.LineRatio = ESHFlast_, s.BF = BF_;
  s.SupplyFlow = CFMsa_;
  s.FreshFlow = CFMoa_;
  s.CoilLoad = QC_;
  s.Reheat = REH_;
  s.FreshSensLoad = OASH_, s.FreshLatLoad = OALH_;
}

// Outdoor air colder than the room: the winter calculation, fed as the
// summer screen feeds it. The fresh-air loads (room minus outdoor) and the
// room humidity rule come first, as for any heating case.
void SummerCalculation::heating(CalcResult& result) {
  result.heating = true;
  StudyState& s = s_;
  // A summer data file marks "no coil outlet temperature" with -100000.
  if (s.DB_S == kNotComputed) s.DB_S = kWinterUnset;
  if (s.SummerFlow == 0.0f && (s.DB_S == kWinterUnset || s.DB_S == 0.0f)) refuse(kCodeHeatingUnset);
  s.FreshFlow = s.FreshValue;
  s.EnvW = o_.W, s.EnvGr = o_.GR, s.Env_h = o_.H;
  s.SpaW = r_.W, s.SpaGr = r_.GR, s.Spa_h = r_.H;
  if (!isTrue(s.KindFresh)) {
    s.FreshSensLoad = kSensible * s.FreshFlow * (s.SpaDB - s.EnvDB);
    s.FreshLatLoad = kLatent * s.FreshFlow * (s.SpaGr - s.EnvGr);
    if (s.FreshSensLoad != 0.0f || s.FreshLatLoad != 0.0f) {
      if (s.FreshLatLoad <= 0.0f) {
        s.SpaW = s.EnvW;
        s.SpaGr = s.EnvGr;
      }
      if (s.FreshLatLoad < 0.0f) {
        s.FreshLatLoad = 0.0f;
        s.SpaRH = checked(100.0f * vapourFromW(s.SpaW) / psy::SatPressure(s.SpaDB));
      }
    }
  }
  const bool latentCleared = s.FreshLatLoad == 0.0f;
  const int code = winter::WinterCalc(s, winter::Copy::SummerScreen, ask_, &result.winterDetail);
  if (code != 0) refuse(code);
  // A per cent is no flow: once the heating calculation has found the supply
  // flow, the fresh-air loads are those of the per cent of it.
  if (s.FreshMode == QLatin1String("P") && isTrue(s.KindMix)) {
    s.FreshSensLoad = kSensible * s.FreshFlow * (s.SpaDB - s.EnvDB);
    s.FreshLatLoad = latentCleared ? 0.0f : kLatent * s.FreshFlow * (s.SpaGr - s.EnvGr);
  }
  s.FreshSensLoad = roundSingle(s.FreshSensLoad, 0);
  s.FreshLatLoad = roundSingle(s.FreshLatLoad, 0);
  s.EnvRH = roundSingle(s.EnvRH, 2);
  s.SpaRH = roundSingle(s.SpaRH, 2);
  for (float v : {s.DB_M, s.WB_M, s.h_M, s.DB_T, s.WB_T, s.h_T, s.DB_S, s.WB_S, s.h_S, s.SupplyFlow,
                  s.CoilLoad, s.FreshFlow, s.FreshSensLoad, s.FreshLatLoad})
    checked(v);
  s.Reheat = 0;
  s.HighHumidity = 0;
  s.HighHumid[kHighHumidityValues - 1] = s.HumidWaterKg;
}

CalcResult SummerCalculation::run() {
  CalcResult result;
  try {
    StudyState& s = s_;
    cooling_ = s.EnvDB > s.SpaDB;
    s.CoolingProcess = cooling_;
    s.HeatingProcess = s.EnvDB < s.SpaDB;
    outdoorAndRoom();
    if (s.HeatingProcess) {
      heating(result);
      return result;
    }
    s.HighHumidity = 0;
    s.HighHumid.fill(kNotComputed);
    switch (kind()) {
      case Kind::Mixing:
      case Kind::Recirculation:
        mainSequence();
        break;
      case Kind::FreshNoLoads:
      case Kind::FreshLoads:
        BF_ = kBFDeep;
        m_ = o_;
        CFMoa_ = s.FreshValue;
        if (!(CFMoa_ > 0.0f)) refuse(kCodeDivisionByZero);
        if (kind() == Kind::FreshNoLoads) {
          freshNoLoads();
        } else {
          freshWithLoads();
        }
        break;
    }
    // The room is reported as the engineer entered it (its design state),
    // whatever moisture the process behind dry fresh air settled at.
    r_ = r0_;
    for (float v : {m_.DB, m_.WB, m_.H, c_.DB, c_.WB, c_.H, h_.DB, h_.WB, h_.H, CFMsa_, QC_, OASH_,
                    OALH_, REH_, CFMoa_})
      checked(v);
    rounding();
    checkCoilOutlet();
    storeResults();
    const Kind k = kind();
    if ((k == Kind::Mixing || k == Kind::Recirculation) && r_.RH >= kHumidRoomRH) {
      // The humid-room variant is supplementary to the design just stored: a
      // balance without a solution (no bracket, or a state it cannot form)
      // leaves its flag at 0 and the block cleared, and the design stands.
      try {
        humidRoom();
      } catch (const Refusal&) {
        s.HighHumidity = 0;
        s.HighHumid.fill(kNotComputed);
      }
    }
  } catch (const Refusal& refusal) {
    result.code = refusal.code;
    result.search = refusal.search;
  }
  return result;
}

float toF(float c) {
  return roundSingle(c * 9.0f / 5.0f + 32.0f, 1);
}
float toC(float f) {
  return roundSingle((f - 32.0f) * 5.0f / 9.0f, 1);
}
bool isMarker(float v) {
  return v == kNotComputed || v == kWinterUnset;
}

constexpr float kBtuPerKcal = 3.970923f;
constexpr float kCfmToM3h = 1.7f;
const float kKcalKgPerBtuLb = static_cast<float>(0.2518301785 / 0.45359);

}  // namespace

float roundSingle(float x, int decimals) {
  float scale = 1.0f;
  for (int i = 0; i < decimals; ++i) scale *= 10.0f;
  const float scaled = x * scale;
  return std::floor(scaled + 0.5f) / scale;
}

CalcResult calculateEnglish(StudyState& s, const winter::ContinueQuestion& ask) {
  SummerCalculation calc(s, ask);
  return calc.run();
}

// Kind codes and their flags, as the data screen writes them.
static bool consistentKind(const StudyState& s, QString* why) {
  struct K {
    const char* code;
    int16_t mix, recirc, fresh, loads;
  };
  static const K kinds[] = {{"AAA_NA", 1, 0, 0, 0},
                            {"AA_100", 0, 1, 0, 0},
                            {"NA_PAF", 0, 0, 1, 2},
                            {"NA_DPF", 0, 0, 1, 1}};
  for (const K& k : kinds) {
    if (s.KindCode != QLatin1String(k.code)) continue;
    if (isTrue(s.KindMix) != isTrue(k.mix) || isTrue(s.KindRecirc) != isTrue(k.recirc) ||
        isTrue(s.KindFresh) != isTrue(k.fresh) || s.FreshLoads != k.loads) {
      *why = QStringLiteral("γραμμή 7: οι σημαίες του είδους δεν αντιστοιχούν στο \"%1\"")
                 .arg(s.KindCode);
      return false;
    }
    return true;
  }
  *why = QStringLiteral("γραμμή 1: άγνωστο είδος συστήματος \"%1\"").arg(s.KindCode);
  return false;
}

bool readData(const QByteArray& dataBytes, StudyState& s, QString* error) {
  const ReadResult read = readDataFile(dataBytes, s);
  QString why;
  if (!read.ok) {
    why = read.error;
  } else if (!consistentKind(s, &why)) {
  } else if (s.FreshMode != QLatin1String("C") && s.FreshMode != QLatin1String("P")) {
    why = QStringLiteral("γραμμή 7: ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\"");
  } else if (s.FreshMode == QLatin1String("P") && s.KindCode != QLatin1String("AAA_NA")) {
    why = QStringLiteral(
        "γραμμή 7: ποσοστό νωπού αέρα (\"P\") δίνεται μόνο για ανάμιξη (\"AAA_NA\")");
  } else if (!((s.MetricCode == 1 && s.EnglishCode == 0) ||
               (s.MetricCode == 0 && s.EnglishCode == 1) ||
               (s.MetricCode == 32 && s.EnglishCode == 32))) {
    why = QStringLiteral("γραμμές 1 και 6: άγνωστο σύστημα μονάδων (%1, %2)")
              .arg(s.MetricCode)
              .arg(s.EnglishCode);
  }
  if (why.isEmpty()) return true;
  if (error) *error = why;
  return false;
}

CalcResult calculateRead(StudyState& s, const winter::ContinueQuestion& ask) {
  if (s.MetricCode == 1 || s.MetricCode == 32) Convert_British(s);
  return calculateEnglish(s, ask);
}

CalcResult Calculate(const QByteArray& dataBytes, StudyState& s,
                     const winter::ContinueQuestion& ask, QString* error) {
  if (!readData(dataBytes, s, error)) {
    CalcResult bad;
    bad.code = kCodeBadData;
    return bad;
  }
  return calculateRead(s, ask);
}

void Convert_British(StudyState& s) {
  s.EnvDB = toF(s.EnvDB), s.EnvWB = toF(s.EnvWB);
  s.SpaDB = toF(s.SpaDB), s.SpaWB = toF(s.SpaWB);
  s.SensLoad *= kBtuPerKcal;
  s.LatLoad *= kBtuPerKcal;
  if (s.FreshMode == QLatin1String("C")) s.FreshValue = roundSingle(s.FreshValue / kCfmToM3h, 1);
  if (!isMarker(s.DB_S) && s.DB_S != 0.0f) s.DB_S = toF(s.DB_S);
  s.SummerFlow = roundSingle(s.SummerFlow / kCfmToM3h, 1);
}

void Convert_Metric(StudyState& s) {
  for (float* t : {&s.EnvDB, &s.EnvWB, &s.SpaDB, &s.SpaWB, &s.DB_M, &s.WB_M, &s.DB_T, &s.WB_T,
                   &s.DB_S, &s.WB_S})
    if (!isMarker(*t)) *t = toC(*t);
  for (float* h : {&s.h_M, &s.h_T, &s.h_S})
    if (!isMarker(*h)) *h *= kKcalKgPerBtuLb;
  if (s.FreshMode == QLatin1String("C")) s.FreshValue = roundSingle(s.FreshValue * kCfmToM3h, 1);
  s.FreshFlow = roundSingle(s.FreshFlow * kCfmToM3h, 1);
  s.SupplyFlow = roundSingle(s.SupplyFlow * kCfmToM3h, 1);
  for (float* q :
       {&s.SensLoad, &s.LatLoad, &s.CoilLoad, &s.FreshSensLoad, &s.FreshLatLoad, &s.Reheat})
    *q /= kBtuPerKcal;

  if (s.HighHumidity != 0) {
    auto& b = s.HighHumid;
    for (int i : {humid::DewPoint, humid::MixDB, humid::MixWB, humid::OutDB, humid::OutWB,
                  humid::RoomDB, humid::RoomWB})
      b[i] = toC(b[i]);
    for (int i :
         {humid::MoistureRemoved, humid::DewPointGr, humid::MixGr, humid::OutGr, humid::RoomGr})
      b[i] = roundSingle(b[i] * 1000.0f / 7000.0f, 2);
    for (int i : {humid::MixH, humid::OutH, humid::RoomH, humid::DewPointH})
      b[i] = roundSingle(b[i] * kKcalKgPerBtuLb, 2);
    for (int i : {humid::CoilFlow, humid::BypassFlow}) b[i] = roundSingle(b[i] * kCfmToM3h, 1);
    for (int i : {humid::CoilLoad, humid::EffectiveSensible})
      b[i] = roundSingle(b[i] / kBtuPerKcal, 0);
  }
}

}  // namespace aeriton::summer
