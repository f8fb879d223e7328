// Moist-air property engine: saturation table, Carrier's and Ferrel's wet-bulb
// equations, humidity ratio and enthalpy, and the wet-bulb search.
//
// Precision: the constants of the wet-bulb equations that are not exact in
// binary (Carrier's 1.3 and Ferrel's 0.000367) take part in double precision;
// every property handed back is rounded to single precision, the precision of
// the study values and of the files.

#include "engine/Psychro.h"

#include <array>
#include <cmath>
#include <limits>

#include "study/StudyState.h"

namespace aeriton::psy {
namespace {

constexpr int kEntries = kTableHighExtended - kTableLow + 1;  // 161

// Saturation vapour pressure over water/ice at every whole degree from -10 °F
// to 150 °F, as held: the entries -10..6 °F are 100 × inHg, from 7 °F on inHg.
constexpr std::array<float, kEntries> kHeld = {
    // -10 .. -1
    2.203f, 2.327f, 2.457f, 2.594f, 2.737f, 2.888f, 3.047f, 3.213f, 3.388f, 3.572f,
    // 0 .. 9
    3.764f, 3.966f, 4.178f, 4.4f, 4.633f, 4.878f, 5.134f, 0.05402f, 0.05683f, 0.05977f,
    // 10 .. 19
    0.06286f, 0.06608f, 0.06946f, 0.073f, 0.07669f, 0.08056f, 0.08461f, 0.08884f, 0.09326f,
    0.09789f,
    // 20 .. 29
    0.1027f, 0.1078f, 0.113f, 0.1186f, 0.1243f, 0.1303f, 0.1366f, 0.1431f, 0.15f, 0.1571f,
    // 30 .. 39
    0.16457f, 0.1723f, 0.1803f, 0.18778f, 0.19546f, 0.20342f, 0.21166f, 0.2202f, 0.22904f, 0.23819f,
    // 40 .. 49
    0.24767f, 0.25748f, 0.26763f, 0.27813f, 0.28899f, 0.30023f, 0.31185f, 0.32387f, 0.33629f,
    0.34913f,
    // 50 .. 59
    0.3624f, 0.37611f, 0.39028f, 0.40402f, 0.42003f, 0.43564f, 0.45176f, 0.4684f, 0.48558f, 0.5033f,
    // 60 .. 69
    0.5216f, 0.54047f, 0.55994f, 0.58002f, 0.60073f, 0.62209f, 0.64411f, 0.66681f, 0.69021f,
    0.71432f,
    // 70 .. 79
    0.73916f, 0.76476f, 0.79113f, 0.81829f, 0.84626f, 0.87506f, 0.90472f, 0.93524f, 0.96666f,
    0.999f,
    // 80 .. 89
    1.0323f, 1.0665f, 1.1017f, 1.138f, 1.1752f, 1.2136f, 1.253f, 1.2935f, 1.3351f, 1.3779f,
    // 90 .. 99
    1.4219f, 1.4671f, 1.5136f, 1.5613f, 1.6103f, 1.6607f, 1.7124f, 1.7655f, 1.82f, 1.8759f,
    // 100 .. 109
    1.9334f, 1.9923f, 2.0529f, 2.1149f, 2.1786f, 2.244f, 2.311f, 2.3798f, 2.4503f, 2.5226f,
    // 110 .. 119
    2.5968f, 2.6728f, 2.7507f, 2.8306f, 2.9125f, 2.9963f, 3.0823f, 3.1703f, 3.2606f, 3.353f,
    // 120 .. 129
    3.4477f, 3.5446f, 3.6439f, 3.7455f, 3.8496f, 3.9561f, 4.0651f, 4.1768f, 4.291f, 4.4078f,
    // 130 .. 139
    4.5274f, 4.6498f, 4.775f, 4.903f, 5.034f, 5.1679f, 5.3049f, 5.445f, 5.5881f, 5.7345f,
    // 140 .. 149
    5.8842f, 6.0371f, 6.1934f, 6.3532f, 6.5164f, 6.6832f, 6.8536f, 7.0277f, 7.2056f, 7.3872f,
    // 150
    7.5727f};

// Last degree held in hundredths of an inch of mercury.
constexpr int kLastHundredthsDegree = 6;

// The true pressures (inHg) of every degree, used by every lookup.
struct TrueTable {
  std::array<float, kEntries> p{};
  TrueTable() {
    for (int i = 0; i < kEntries; ++i) {
      const int degree = kTableLow + i;
      p[i] = degree <= kLastHundredthsDegree ? kHeld[i] / 100.0f : kHeld[i];
    }
  }
};

const TrueTable& trueTable() {
  static const TrueTable table;
  return table;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Saturation pressure of a whole degree known to be inside the table.
inline float pressureAt(int degree) {
  return trueTable().p[degree - kTableLow];
}

// Ratio of the gas constants of dry air and water vapour (≈ 0.6224), formed
// by the division each time as the relation is usually written.
inline float gasRatio() {
  return kRAir / kRVapour;
}

// Vapour pressure that a wet bulb of the whole degree t gives at dry bulb DB
// (inHg). Below 63 °F of dry bulb Ferrel's psychrometer equation,
//   pc = pws - 0.000367 P (DB - t) (1 + (t - 32) / 1571),
// from 63 °F on Carrier's equation,
//   pc = pws - (P - pws)(DB - t) / (2800 - 1.3 t),
// with pws the saturation pressure at t taken from the table without
// interpolation. Rounded to single precision, as the search compares it.
inline float searchPressure(float DB, int t) {
  const float pws = pressureAt(t);
  double pc;
  if (DB < kFerrelThreshold) {
    pc = pws - kFerrelA * kPressure * static_cast<double>(DB - static_cast<float>(t)) *
                   (1.0 + (t - static_cast<double>(kFerrelC)) / kFerrelB);
  } else {
    pc = pws - static_cast<double>((kPressure - pws) * (DB - static_cast<float>(t))) /
                   (kCarrierA - kCarrierB * t);
  }
  return static_cast<float>(pc);
}

// Step 6 of the search: a whole degree whose vapour pressure is within the
// tolerance of the target is the wet bulb itself.
inline bool matches(float pv, float pc) {
  return std::fabs(pv - pc) <= kMatchTolerance;
}

inline bool insideTable(float t, int top) {
  return !std::isnan(t) && t >= static_cast<float>(kTableLow) && t <= static_cast<float>(top);
}

}  // namespace

const float* saturationTableAsHeld() {
  return kHeld.data();
}

bool FindPressure(int T, float& Pws) {
  if (T < kTableLow || T > kTableHighExtended) return false;
  Pws = pressureAt(T);
  return true;
}

float SatPressure(float t) {
  if (!insideTable(t, kTableHighExtended)) return kNaN;
  const int n = static_cast<int>(std::floor(t));
  if (n == kTableHighExtended) return pressureAt(n);  // t is exactly 150 °F
  const float p1 = pressureAt(n);
  const float p2 = pressureAt(n + 1);
  return p1 + (t - static_cast<float>(n)) * (p2 - p1);
}

float CarrierPv(float DB, float WB) {
  const float pw = SatPressure(WB);
  if (std::isnan(pw) || std::isnan(DB)) return kNaN;
  const double pv =
      pw - static_cast<double>((kPressure - pw) * (DB - WB)) / (kCarrierA - kCarrierB * WB);
  return static_cast<float>(pv);
}

float HumidityRatio(float pv) {
  // Vapour pressure at or above the total pressure is no moist air at all.
  if (std::isnan(pv) || pv >= kPressure) return kNaN;
  return gasRatio() * pv / (kPressure - pv);
}

float Enthalpy(float DB, float W) {
  return kCpAir * DB + W * (kLatent0 + kCpVapour * DB);
}

void FindEnthalpy(float DB, float WB, float& h, float& W) {
  const float pv = CarrierPv(DB, WB);
  W = HumidityRatio(pv);
  h = std::isnan(W) ? kNaN : Enthalpy(DB, W);
}

bool FindRH(float DB, float WB, float& RH, float& Grains) {
  if (!insideTable(DB, kTableHighExtended) || !insideTable(WB, kTableHighExtended)) return false;
  const float pv = CarrierPv(DB, WB);
  const float W = HumidityRatio(pv);
  if (std::isnan(pv) || std::isnan(W)) return false;
  RH = pv / SatPressure(DB);
  Grains = kGrainsPerLb * W;
  return true;
}

bool FindWB(float DB, float RHpercent, bool cooling, float& WB, float& RHfraction, float& Grains,
            int top) {
  if (top > kTableHighExtended) top = kTableHighExtended;
  if (top < kTableLow) return false;
  // A negative humidity is no state of moist air.
  if (!insideTable(DB, top) || std::isnan(RHpercent) || RHpercent < 0.0f) return false;

  const float rh = RHpercent / 100.0f;
  const float pv = rh * SatPressure(DB);  // target vapour pressure
  const float W = HumidityRatio(pv);
  if (std::isnan(W)) return false;

  // Usual start of the search: a cooling state's wet bulb is rarely below
  // 30 °F; otherwise 7 °F, or the foot of the table for very cold air.
  int start = cooling ? 30 : (DB < 10.0f ? kTableLow : 7);
  if (start > top) start = top;
  // Very dry air can have its wet bulb below the usual start. The search
  // pressure rises with t, so step down until the target is reached or
  // passed; below the foot of the table there is no answer.
  while (!matches(pv, searchPressure(DB, start)) && pv < searchPressure(DB, start)) {
    if (start == kTableLow) return false;
    --start;
  }

  // Upward over whole degrees, at most to the last degree of the table.
  int tPrev = start;
  float pcPrev = 0.0f;
  float found = kNaN;
  for (int t = start; t <= top; ++t) {
    const float pc = searchPressure(DB, t);
    if (matches(pv, pc)) {  // a whole degree within the tolerance is taken as it is
      found = static_cast<float>(t);
      break;
    }
    if (pv < pc) {  // passed between the previous degree and this one
      // t > start here: at the start pv > pc (or it matched).
      found = static_cast<float>(tPrev) + (pv - pcPrev) / (pc - pcPrev);
      break;
    }
    tPrev = t;
    pcPrev = pc;
  }
  if (std::isnan(found)) return false;  // above the table (RH over 100 %)

  WB = found;
  RHfraction = rh;
  Grains = kGrainsPerLb * W;
  return true;
}

namespace {
bool isRoomMode(const QString& mode) {
  return mode.compare(QStringLiteral("x"), Qt::CaseInsensitive) == 0;
}
}  // namespace

bool FindRH_AH(const QString& mode, float DB, float WB, float& RH, float& Grains) {
  if (isRoomMode(mode)) {
    study().SpaWB = WB;
  } else {
    study().EnvWB = WB;
  }
  return FindRH(DB, WB, RH, Grains);
}

bool FindWB_AH(const QString& mode, float DB, float& WB, float& RH, float& Grains) {
  float wb = 0, rh = 0, grains = 0;
  if (!FindWB(DB, RH, study().CoolingProcess, wb, rh, grains, kTableHigh)) return false;
  WB = wb;
  RH = rh;
  Grains = grains;
  if (isRoomMode(mode)) {
    study().SpaWB = wb;
  } else {
    study().EnvWB = wb;
  }
  return true;
}

void FindEnthalpyEnv(float DB, float WB, float& h, float& W) {
  FindEnthalpy(DB, WB, h, W);
  study().EnvGr = kGrainsPerLb * W;
}

bool FindWB_AH_Calculator(float inletDB, float outletDB, float DB, float& WB, float& RH,
                          float& Grains) {
  // A calculator whose air leaves colder than it enters is cooling it.
  const bool cooling = inletDB > outletDB;
  study().CoolingProcess = cooling;
  study().HeatingProcess = !cooling;
  return FindWB_AH(QStringLiteral("n"), DB, WB, RH, Grains);
}

}  // namespace aeriton::psy
