// The summer calculation on English studies against hand computations (Carrier's
// equation, W = 0.6224·pw/(P − pw), H = 0.24·DB + W·(1060.5 + 0.45·DB), P = 29.921 inHg):
//   outdoor 95 °F / 75 °F: pws(75) = 0.87506, pw = 0.87506 − 29.04594·20/2702.5
//            = 0.66010, W = 0.622383·0.66010/29.2609 = 0.014040, GR = 98.28, H = 38.29
//   room    78 °F / 65 °F: pws(65) = 0.62209, pw = 0.62209 − 29.29891·13/2715.5
//            = 0.48183, W = 0.010186, GR = 71.31, H = 29.88

#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "engine/Psychro.h"
#include "study/StudyState.h"
#include "summer/CalcMessages.h"
#include "summer/CalcTexts.h"
#include "summer/SummerCalc.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace summer_calc_tests {
namespace {

struct Kind {
  const char* code;
  int16_t mix, recirc, fresh, loads;
};
const Kind kMix{"AAA_NA", 1, 0, 0, 0}, kRecirc{"AA_100", 0, 1, 0, 0}, kPaf{"NA_PAF", 0, 0, 1, 2},
    kDpf{"NA_DPF", 0, 0, 1, 1};

// An English study ("BTU": °F, Btu/h, CFM) as the data file hands it over.
StudyState english(const Kind& k, float DBo, float WBo, float RHo, float DBr, float WBr, float RHr,
                   float RSH, float RLH, float fresh, const char* mode = "C") {
  StudyState s;
  s.KindCode = QString::fromLatin1(k.code);
  s.KindMix = k.mix, s.KindRecirc = k.recirc, s.KindFresh = k.fresh, s.FreshLoads = k.loads;
  s.MetricCode = 0, s.EnglishCode = 1;
  s.EnvDB = DBo, s.EnvWB = WBo, s.EnvRH = RHo;
  s.SpaDB = DBr, s.SpaWB = WBr, s.SpaRH = RHr;
  s.SensLoad = RSH, s.LatLoad = RLH;
  s.FreshMode = QString::fromLatin1(mode);
  s.FreshValue = fresh;
  if (s.FreshMode == QLatin1String("P"))
    s.FreshPerCent = fresh;
  else
    s.FreshAmount = fresh;
  s.DB_S = kNotComputed;
  return s;
}

// Saturated humidity ratio of a whole degree, from the engine's table.
double wsat(int t) {
  float p = 0;
  psy::FindPressure(t, p);
  return 0.6223832 * p / (29.921 - p);
}

double enthalpy(double DB, double W) {
  return 0.24 * DB + W * (1060.5 + 0.45 * DB);
}

}  // namespace

// Mixing, 1000 CFM of fresh air, room at 50 %:
//   OASH = 1.08·1000·17 = 18360; OALH = 0.68·1000·(98.283 − 71.305) = 18345
//   RH 50 % < 65 % -> BF 0.15; ESHF = (100000 + 2754)/(102754 + 20000 + 2751.8) = 0.81872
//   R(54) = 0.8042 < ESHF <= R(55) = 0.8403 -> ADP = 54 + (0.81872 − 0.80420)/(0.03615) = 54.40
//   CFMsa = 102754 / (0.85·1.08·(78 − 54.40)) = 4743
//   DBm = (1000·95 + 3743·78)/4743 = 81.58, GRm = 76.99, Hm = 31.65
//   DBc = 54.40 + 0.15·(81.58 − 54.40) = 58.48, Wc = 0.0091956 + 0.15·(0.010999 − 0.0091956), Hc
//   = 24.32 QC = 4.45·4743·(31.648 − 24.323) = 154623 (unrounded CFMsa and enthalpies)
TEST(SummerMixing, AmountModeMatchesHandComputation) {
  StudyState s = english(kMix, 95, 75, 40, 78, 65, 50, 100000, 20000, 1000);
  const CalcResult r = calculateEnglish(s);
  ASSERT_TRUE(r.ok()) << r.code;
  EXPECT_FLOAT_EQ(s.FreshSensLoad, 18360);
  EXPECT_NEAR(s.FreshLatLoad, 18345, 1);
  EXPECT_FLOAT_EQ(s.BF, 0.15f);
  EXPECT_NEAR(s.ESHF, 0.81872, 1e-4);
  EXPECT_NEAR(s.ADP, 54.40, 0.01);
  EXPECT_NEAR(s.W_ADP, wsat(55), 1e-7);  // the whole degree that closed the interval
  EXPECT_FLOAT_EQ(s.SupplyFlow, 4743);
  EXPECT_FLOAT_EQ(s.DB_M, 81.6f);
  EXPECT_FLOAT_EQ(s.Gr_M, 77.0f);
  EXPECT_FLOAT_EQ(s.h_M, 31.65f);
  EXPECT_FLOAT_EQ(s.DB_T, 58.5f);
  EXPECT_FLOAT_EQ(s.h_T, 24.32f);
  EXPECT_NEAR(s.CoilLoad, 154623, 2);
  EXPECT_FLOAT_EQ(s.FreshFlow, 1000);
  // No reheat: the markers.
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_EQ(s.DB_S, kNotComputed);
  EXPECT_EQ(s.WB_S, kNotComputed);
  EXPECT_EQ(s.h_S, kNotComputed);
  EXPECT_EQ(s.Gr_S, 0);
  // The wet bulbs of the mixed air and the coil outlet lie between the dew
  // point and the dry bulb, and give back the state's vapour pressure.
  EXPECT_GT(s.WB_M, 60);
  EXPECT_LT(s.WB_M, s.DB_M);
  EXPECT_NEAR(psy::CarrierPv(s.DB_T, s.WB_T), 29.921 * s.W_T / (0.6223832 + s.W_T), 0.006);
  EXPECT_EQ(s.HighHumidity, 0);
  EXPECT_TRUE(s.CoolingProcess);
  EXPECT_FALSE(s.HeatingProcess);
}

// The room humidity picks the bypass factor: 65 % deep coil, 64.9 % shallow.
struct BypassCase {
  const char* name;
  float roomRH;
  float bf;
};
class SummerBypass : public ::testing::TestWithParam<BypassCase> {};
TEST_P(SummerBypass, RoomHumidityChoosesBypassFactor) {
  StudyState s = english(kMix, 95, 75, 40, 78, 65, GetParam().roomRH, 100000, 20000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.BF, GetParam().bf);
  // ESHF = (RSH + BF·OASH)/(RSH + BF·OASH + RLH + BF·OALH), OALH = 18345.3
  const double e = (100000 + GetParam().bf * 18360.0) /
                   (100000 + GetParam().bf * 18360.0 + 20000 + GetParam().bf * 18345.28);
  EXPECT_NEAR(s.ESHF, e, 1e-4);
}
INSTANTIATE_TEST_SUITE_P(Rooms, SummerBypass,
                         ::testing::Values(BypassCase{"rh65", 65.0f, 0.05f},
                                           BypassCase{"rh64_9", 64.9f, 0.15f}),
                         [](const auto& info) { return std::string(info.param.name); });

// ESHF below R(45 °F): RSH = RLH = 50000 -> ESHF = 52754/(52754 + 52751.8) = 0.50001,
// R(45) = 0.244·33/(8.052 + 0.15371·(71.305 − 44.71)) = 0.663 > ESHF -> fails at 45 °F.
//   ADP 48, Wadp = Wsat(48) = 0.0070746, GRsat = 49.52, R(48) = 7.32/(7.32 + 3.3486) = 0.68614
//   REH = 0.68614/0.31386·(50000 + 0.05·18345.3) − (50000 + 0.05·18360) = 60396
//   CFMsa = (50000 + 918 + 60396)/(0.95·1.08·30) = 3616
//   DBc = 48 + 0.05·(82.70 − 48) = 49.7; DBh = 49.735 + 60396/(1.08·3616.45) = 65.2
TEST(SummerMixing, SteepLineFallsBackTo48WithReheat) {
  StudyState s = english(kMix, 95, 75, 40, 78, 65, 50, 50000, 50000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.ADP, 48);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_NEAR(s.W_ADP, wsat(48), 1e-7);
  EXPECT_NEAR(s.LineRatio, 0.68614, 1e-4);
  EXPECT_NEAR(s.Reheat, 60396, 1);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 3616);
  EXPECT_FLOAT_EQ(s.DB_T, 49.7f);
  EXPECT_FLOAT_EQ(s.DB_S, 65.2f);
  EXPECT_FLOAT_EQ(s.h_S, 23.59f);
  EXPECT_GT(s.WB_S, 50);
  EXPECT_LT(s.WB_S, s.DB_S);
  EXPECT_FLOAT_EQ(s.Gr_S, s.Gr_T);
  // The reheated supply still takes the room's sensible load: 1.08·3616·(78 − 65.2) ≈ 50000.
  EXPECT_NEAR(1.08 * s.SupplyFlow * (s.SpaDB - s.DB_S), 50000, 1.08 * 3616 * 0.06);
  EXPECT_NEAR(s.CoilLoad, 199173, 3);
}

// A room without latent load: ESHF is exactly 1, the coil only cools (deep
// coil, BF 0.05) down to the room's own dew point, and the coil takes RSH.
//   room W = 0.010186 -> pw = 0.48183 between pws(57) = 0.4684 and pws(58) = 0.48558:
//   ADP = 57 + (0.010186 − Wsat57)/(Wsat58 − Wsat57) = 57.79
TEST(SummerRecirculationFigures, SensibleOnlyCoolsToRoomDewPoint) {
  StudyState s = english(kRecirc, 95, 75, 40, 78, 65, 50, 60000, 0, 0.1f);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.ESHF, 1.0f);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_NEAR(s.ADP, 57 + (s.SpaW - wsat(57)) / (wsat(58) - wsat(57)), 1e-3);
  EXPECT_NEAR(s.ADP, 57.79, 0.01);
  EXPECT_FLOAT_EQ(s.CoilLoad, 60000);
  // CFMsa = 60000/(0.95·1.08·(78 − 57.79))
  EXPECT_NEAR(s.SupplyFlow, 60000 / (0.95 * 1.08 * (78 - s.ADP)), 1);
}

// 100000 / 20000 with 100 % recirculation: ESHF = 0.83333, |R(55) − ESHF| =
// |0.84035 − 0.83333| <= 0.01 -> ADP = 55 exactly; CFMsa = 100000/(0.85·1.08·23) = 4736.
TEST(SummerRecirculationFigures, WholeDegreeMatch) {
  StudyState s = english(kRecirc, 95, 75, 40, 78, 65, 50, 100000, 20000, 0.1f);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.ADP, 55);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 4736);
  EXPECT_FLOAT_EQ(s.DB_T, 58.5f);  // 55 + 0.15·23 = 58.45, half up
  EXPECT_FLOAT_EQ(s.h_T, 24.19f);  // 29.8803 − 120000/(4.45·4736.19)
}

// Per cent of the supply air: passes until the flow changes by <= 4 %.
TEST(SummerPerCent, ConvergesAndSetsFreshFlow) {
  StudyState s = english(kMix, 95, 75, 40, 78, 65, 50, 100000, 20000, 30, "P");
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.FreshFlow, std::floor(0.30f * s.SupplyFlow + 0.5f));
  // The same fresh air as an amount needs a supply flow within 4 %.
  StudyState a = english(kMix, 95, 75, 40, 78, 65, 50, 100000, 20000, s.FreshFlow);
  ASSERT_TRUE(calculateEnglish(a).ok());
  EXPECT_LE(std::fabs(a.SupplyFlow - s.SupplyFlow) / s.SupplyFlow, 0.04);
  EXPECT_FLOAT_EQ(s.FreshValue, 30);  // the per cent itself is kept
}

// More fresh air than the loads need (8000 CFM against ~4743): the supply is
// the fresh air, all of it outdoor air through a deep coil (BF 0.05), and the
// supply must hold the room: DBs = 78 − 100000/(1.08·8000) = 66.426,
// GRs = 71.305 − 20000/(0.68·8000) = 67.629 (Ws = 0.0096612).
//   Wadp = (0.0096612 − 0.05·0.0140405)/0.95 = 0.0094307 (66.02 gr)
//   Wsat(55) = 0.0091956, Wsat(56) = 0.0095411 -> ADP = 55 + 0.0002351/0.0003455 = 55.681
//   (below the sensible dew point 78 − (100000 + 0.05·146880)/(0.95·1.08·8000) = 64.92)
//   DBc = 55.681 + 0.05·(95 − 55.681) = 57.647; Hc = 0.24·57.647 + 0.0096612·1086.441 = 24.332
//   REH = 1.08·8000·(66.426 − 57.647) = 75853; QC = 4.45·8000·(38.2902 − 24.332) = 496927
TEST(SummerMixing, SupplyBelowFreshAirRecomputesDewPoint) {
  StudyState s = english(kMix, 95, 75, 40, 78, 65, 50, 100000, 20000, 8000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.SupplyFlow, 8000);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_NEAR(s.ADP, 55.681, 0.002);
  EXPECT_NEAR(s.ADP, 55 + (s.W_ADP - wsat(55)) / (wsat(56) - wsat(55)), 1e-3);
  EXPECT_FLOAT_EQ(s.DB_M, 95);  // all the supply is outdoor air
  EXPECT_FLOAT_EQ(s.DB_T, 57.6f);
  EXPECT_FLOAT_EQ(s.Gr_T, 67.6f);
  EXPECT_NEAR(s.Reheat, 75853, 2);
  EXPECT_FLOAT_EQ(s.DB_S, 66.4f);
  EXPECT_FLOAT_EQ(s.h_S, 26.48f);
  EXPECT_NEAR(s.CoilLoad, 496927, 5);
}

// Outdoor air so dry that it takes up the whole room latent load on its own:
// the coil only cools (ESHF exactly 1, BF 0.05), and the room reported is the
// room as entered.
//   outdoor 95/62: pws(62) = 0.55994, pw = 0.55994 − 29.36106·33/2719.4 = 0.20364,
//            W = 0.622383·0.20364/29.71736 = 0.0042650 (29.855 grains)
//   OASH = 1.08·1000·17 = 18360; OALH = 0.68·1000·(29.855 − 71.305) = −28186
//   RLH + OALH = 20000 − 28186 = −8186 <= 0: the fresh air takes up the latent load
//   the room settles where the fresh air carries its moisture out:
//     GRroom = 29.855 + 20000/(0.68·1000) = 59.267 grains (W = 0.0084667)
//   its dew point: Wsat(52) = 0.0082255 < W <= Wsat(53) = 0.0085190
//     ADP = 52 + (0.0084667 − 0.0082255)/(0.0085190 − 0.0082255) = 52.822
//   CFMsa = (100000 + 0.05·18360)/(0.95·1.08·(78 − 52.822)) = 3906.6
//   DBm = (1000·95 + 2906.6·78)/3906.6 = 82.352
//   GRm = (1000·29.855 + 2906.6·59.267)/3906.6 = 51.738 (W = 0.0073911),
//   Hm = 0.24·82.352 + 0.0073911·(1060.5 + 37.058) = 27.877
//   dry coil (the mixed air's dew point, 49.2 °F, lies below the coil's 52.8 °F):
//     Wc = Wm; DBc = 52.822 + 0.05·(82.352 − 52.822) = 54.298,
//     Hc = 0.24·54.298 + 0.0073911·(1060.5 + 24.434) = 21.050
//   QC = 4.45·3906.6·(27.877 − 21.050) = 118667
//   the supply takes up exactly the room loads:
//     1.08·3906.6·(78 − 54.298) = 100000, 0.68·3906.6·(59.267 − 51.738) = 20000
TEST(SummerMixing, DryOutdoorAirTakingTheLatentLoadLeavesTheCoilDry) {
  StudyState s = english(kMix, 95, 62, 10, 78, 65, 50, 100000, 20000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
  EXPECT_FLOAT_EQ(s.FreshSensLoad, 18360);
  EXPECT_FLOAT_EQ(s.ESHF, 1.0f);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_NEAR(s.EnvW, 0.0042650, 2e-6);
  // The room as entered: 78 °F / 65 °F, 50 %, 71.3 grains.
  EXPECT_FLOAT_EQ(s.SpaWB, 65);
  EXPECT_FLOAT_EQ(s.SpaRH, 50);
  EXPECT_FLOAT_EQ(s.SpaGr, 71.3f);
  EXPECT_NEAR(s.SpaW, 0.0101864, 2e-7);
  EXPECT_NEAR(s.ADP, 52.822, 0.002);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 3907);
  EXPECT_FLOAT_EQ(s.DB_M, 82.4f);
  EXPECT_NEAR(s.W_M, 0.0073911, 2e-7);
  EXPECT_FLOAT_EQ(s.Gr_M, 51.7f);
  EXPECT_FLOAT_EQ(s.h_M, 27.88f);
  // A dry coil: the outlet keeps the moisture it was given (Wadp taken as Wm).
  EXPECT_FLOAT_EQ(s.W_ADP, s.W_M);
  EXPECT_FLOAT_EQ(s.W_T, s.W_M);
  EXPECT_FLOAT_EQ(s.DB_T, 54.3f);
  EXPECT_FLOAT_EQ(s.h_T, 21.05f);
  EXPECT_NEAR(s.CoilLoad, 118667, 3);
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_EQ(s.DB_S, kNotComputed);
}

// 100 % fresh air without the room loads: dried to the room moisture and
// reheated to the room temperature.
//   Wadp = (0.010186 − 0.05·0.014040)/0.95 = 0.0099835 -> pw = 0.47236 -> ADP = 57
//   (pws(57) = 0.4684 <= pw < pws(58) = 0.48558); DBc = 57 + 0.05·38 = 58.9
//   REH = 1.08·2000·(78 − 58.9) = 41256; QC = 4.45·2000·(38.29 − Hc)
TEST(SummerFreshNoLoads, EndsAtRoomStateWithReheatToRoom) {
  StudyState s = english(kDpf, 95, 75, 40, 78, 65, 50, 0, 0, 2000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.ADP, 57);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2000);
  EXPECT_FLOAT_EQ(s.FreshFlow, 2000);
  EXPECT_FLOAT_EQ(s.DB_T, 58.9f);
  EXPECT_FLOAT_EQ(s.Reheat, 41256);
  EXPECT_FLOAT_EQ(s.DB_S, s.SpaDB);
  EXPECT_FLOAT_EQ(s.WB_S, s.SpaWB);
  EXPECT_FLOAT_EQ(s.h_S, s.Spa_h);
  EXPECT_FLOAT_EQ(s.Gr_T, s.SpaGr);
  EXPECT_FLOAT_EQ(s.DB_M, 95);
  EXPECT_FLOAT_EQ(s.h_M, s.Env_h);
  // Hc = Hadp + 0.05·(Ho − Hadp), Hadp = 0.24·57 + 0.0099835·(1060.5 + 25.65)
  const double hadp = 0.24 * 57 + 0.0099835 * (1060.5 + 0.45 * 57);
  EXPECT_NEAR(s.h_T, hadp + 0.05 * (38.290 - hadp), 0.01);
  EXPECT_NEAR(s.CoilLoad, 4.45 * 2000 * (38.290 - (hadp + 0.05 * (38.290 - hadp))), 60);
  // The outdoor-air loads become the coil's own duty.
  EXPECT_NEAR(s.FreshSensLoad, 1.08 * 2000 * (95 - 58.9), 2);
}

// 100 % fresh air that takes no loads, outdoor air drier than the room
// (95 °F / 68 °F against 78 °F / 65 °F): a cooling coil cannot add the missing
// water, so the air is cooled sensibly to the room temperature and delivered
// with its own moisture, without reheat.
//   pws(68) = 0.69021, pw = 0.69021 − (29.921 − 0.69021)·27/(2800 − 1.3·68) = 0.39915
//   Wo = 0.622383·0.39915/29.52185 = 0.0084150 (58.9 grains) < Wr = 0.010186 (71.3 grains)
//   Ho = 0.24·95 + 0.008415·(1060.5 + 42.75) = 32.08; Hc = 0.24·78 + 0.008415·(1060.5 + 35.1)
//   = 27.94 QC = 4.45·2000·(32.084 − 27.939) = 36885; coil sensible 1.08·2000·17 = 36720, latent 0
//   coil outlet 78 °F, RH = pw / pws(78) = 0.39915/0.96666 = 41.29 %, wet bulb 62.4 °F
TEST(SummerFreshNoLoads, DrierOutdoorAirIsCooledSensiblyWithoutReheat) {
  StudyState s = english(kDpf, 95, 68, 25, 78, 65, 50, 0, 0, 2000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.DB_T, 78);
  EXPECT_NEAR(s.Gr_T, 58.9, 0.05);
  EXPECT_FLOAT_EQ(s.Gr_T, s.EnvGr);  // no water added or removed
  EXPECT_NEAR(s.h_T, 27.94, 0.005);
  EXPECT_NEAR(s.WB_T, 62.4, 0.05);
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_FLOAT_EQ(s.DB_S, kNotComputed);
  EXPECT_FLOAT_EQ(s.WB_S, kNotComputed);
  EXPECT_FLOAT_EQ(s.h_S, kNotComputed);
  EXPECT_NEAR(s.CoilLoad, 36885, 2);
  EXPECT_FLOAT_EQ(s.FreshSensLoad, 36720);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2000);
}

// 100 % fresh air, very humid outdoor air and a sensible-only room: the line
// runs close to the room dew point and the bypassed outdoor air leaves the
// coil moister than the room -> code -15 with its message.
TEST(SummerFreshLoads, MoistCoilOutletRefusedWithMinus15) {
  StudyState s = english(kPaf, 95, 82, 58, 78, 65, 50, 100000, 0, 4000);
  const CalcResult r = calculateEnglish(s);
  ASSERT_EQ(r.code, -15);
  const Message m = messageForResult(r);
  EXPECT_EQ(m.code, -15);
  EXPECT_EQ(m.title, QString::fromUtf8(u8"*** Π Ρ Ο Σ Ο Χ Η *** "));
  EXPECT_EQ(m.text,
            QString::fromUtf8(
                u8"... Η Ποσότητα του Νωπού Αέρα, είναι μάλλον υπερβολική : ΕΛΕΓΞΤΕ ΤΗΝ !..."));
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
  EXPECT_EQ(m.beeps, 2);
}

// Humid rooms: the rounded room RH decides (70.9 % no, 71 % yes).
TEST(SummerHumidRoom, BelowSeventyOneLeavesBlockEmpty) {
  StudyState s = english(kMix, 95, 80, 55, 78, 71, 70.9f, 60000, 15000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_EQ(s.HighHumidity, 0);
  for (float v : s.HighHumid) EXPECT_EQ(v, kNotComputed);
}

TEST(SummerHumidRoom, SeventyOneFillsBalancedBlock) {
  StudyState s = english(kMix, 95, 80, 55, 78, 71, 71.0f, 60000, 15000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  ASSERT_EQ(s.HighHumidity, 1);
  const auto& b = s.HighHumid;
  // Coil flow = whole(0.6729475·CFMsa).
  EXPECT_FLOAT_EQ(b[humid::CoilFlow], std::floor(0.6729475f * s.SupplyFlow));
  EXPECT_FLOAT_EQ(b[humid::BypassFlow], s.SupplyFlow - b[humid::CoilFlow]);
  const double cfmt = b[humid::CoilFlow];
  const double dgr = b[humid::MoistureRemoved];
  ASSERT_GT(dgr, 0);
  // The balance, worked again from the block's own figures:
  //   S = RSH + 0.05·OASH − 0.68·CFMt·ΔGR, Tt = DBr − S/(0.95·1.08·CFMt),
  //   (1 − R(Tt))·S/R(Tt) − BF·OALH = 0.68·CFMt·ΔGR   (ΔGR shown to 0.1 grain)
  const double S = 60000 + 0.05 * s.FreshSensLoad - 0.68 * cfmt * dgr;
  const double Tt = 78 - S / (0.95 * 1.08 * cfmt);
  EXPECT_NEAR(b[humid::DewPoint], Tt, 0.15);
  const double p = psy::SatPressure(static_cast<float>(Tt));
  const double grsat = 7000 * 0.6223832 * p / (29.921 - p);
  const double R = 0.244 * (78 - Tt) / (0.244 * (78 - Tt) + 1076.0 / 7000 * (s.SpaGr - grsat));
  const double lhs = (1 - R) * S / R - s.BF * s.FreshLatLoad;
  EXPECT_NEAR(lhs, 0.68 * cfmt * dgr, 0.68 * cfmt * 0.1 + 150);
  // Room side on the room's wet-bulb line, with the room enthalpy.
  EXPECT_FLOAT_EQ(b[humid::RoomWB], s.SpaWB);
  EXPECT_FLOAT_EQ(b[humid::RoomH], s.Spa_h);
  EXPECT_NEAR(b[humid::RoomGr], s.SpaGr - dgr, 0.11);
  // Drier air on the same wet-bulb line is warmer:
  //   DB = WBr + (pws(WBr) − pw)·(2800 − 1.3·WBr)/(P − pws(WBr)).
  const double pwRoom = 29.921 * (b[humid::RoomGr] / 7000) / (0.6223832 + b[humid::RoomGr] / 7000);
  const double pwsWB = psy::SatPressure(s.SpaWB);
  EXPECT_NEAR(b[humid::RoomDB],
              s.SpaWB + (pwsWB - pwRoom) * (2800 - 1.3 * s.SpaWB) / (29.921 - pwsWB), 0.2);
  EXPECT_GT(b[humid::RoomDB], s.SpaDB);
  // Condensate: CFMt/13.5·ΔGR·60·0.453592/7000 kg/h, and in lb/h.
  // (ΔGR is shown to 0.1 grain; the condensate uses the solved value.)
  const double perGrain = cfmt / 13.5 * 60 * 0.453592 / 7000;
  EXPECT_NEAR(b[humid::CondensateKg], perGrain * dgr, perGrain * 0.05 + 0.01);
  EXPECT_NEAR(b[humid::CondensateLb], b[humid::CondensateKg] / 0.453592, 0.02);
  // Coil load = 4.45·CFMt·(Hmix − Hout).
  EXPECT_NEAR(b[humid::CoilLoad], 4.45 * cfmt * (b[humid::MixH] - b[humid::OutH]),
              4.45 * cfmt * 0.01);
  EXPECT_FLOAT_EQ(b[humid::BypassFactor], s.BF);
}

// A very dry room behind very humid fresh air: the coil would have to leave
// below freezing -> refused, with the message on three lines. (Its wet bulb
// lies far below the 30 °F start of the search, which steps down to find it:
// a search that gave up would refuse with its own code instead.)
TEST(SummerRefusals, CoilOutletBelowFreezing) {
  StudyState s = english(kDpf, 95, 85, 68, 75, 52, 20, 0, 0, 2000);
  const CalcResult r = calculateEnglish(s);
  ASSERT_EQ(r.code, kCodeNegativeCoilOutlet);
  const Message m = messageForResult(r);
  EXPECT_EQ(m.title, QString::fromUtf8(u8"...!! ΠΡΟΣΟΧΗ !!..."));
  EXPECT_EQ(m.text,
            QString::fromUtf8(u8"... ΔΕΝ είναι δυνατόν να γίνει επεξεργασία των Δεδομένων σας ...\n"
                              u8"... Μάλλον έχετε επιλέξει πολύ χαμηλή επιθυμητή Σχετική Υγρασία "
                              u8"Κλιματιζόμενων Χώρων ...\n"
                              u8"... Δοκιμάστε να την αυξήσετε λίγο ..."));
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.beeps, 2);
}

// Zero fresh air for a 100 % fresh-air unit divides by nothing: refused.
TEST(SummerRefusals, ZeroFreshAirFlowForFreshAirUnit) {
  StudyState s = english(kPaf, 95, 75, 40, 78, 65, 50, 100000, 20000, 0);
  const CalcResult r = calculateEnglish(s);
  EXPECT_EQ(r.code, kCodeDivisionByZero);
  EXPECT_EQ(messageForResult(r).code, kCodeDivisionByZero);
  EXPECT_FALSE(messageForResult(r).text.isEmpty());
}

// Loads that cancel out (RSH = −RLH) leave ESHF without a denominator.
TEST(SummerRefusals, LoadsSummingToZero) {
  StudyState s = english(kRecirc, 95, 75, 40, 78, 65, 50, 20000, -20000, 0.1f);
  EXPECT_EQ(calculateEnglish(s).code, kCodeDivisionByZero);
}

// A negative latent load puts ESHF above 1: no dew point up to the room dry
// bulb matches -> the bounded search refuses instead of running on.
TEST(SummerRefusals, DewPointSearchStopsAtRoomTemperature) {
  StudyState s = english(kRecirc, 95, 75, 40, 78, 65, 50, 100000, -30000, 0.1f);
  const CalcResult r = calculateEnglish(s);
  ASSERT_EQ(r.code, kCodeSearchBound);
  EXPECT_EQ(r.search, Search::ApparatusDewPoint);
  const Message m = messageForResult(r);
  EXPECT_EQ(m.code, kCodeSearchBound);
  EXPECT_TRUE(m.text.contains(QString::fromUtf8(u8"Σημείο Δρόσου της Μονάδας")));
}

// A humid climate, a dry room and a large per cent of fresh air: the dew point
// falls to the 48 °F fallback, whose reheat grows with the fresh air's own
// moisture, so each pass asks for several times the flow of the one before.
// There is no balanced flow; the passes are stopped and the per cent named,
// before the flow overflows into a "division by zero".
TEST(SummerRefusals, PerCentWithoutBalancedFlowIsRefusedAsSuch) {
  StudyState s = english(kMix, 108.6f, 94.7f, 60.1f, 77.4f, 60.2f, 35.9f, 43924.9f, 46903, 48, "P");
  const CalcResult r = calculateEnglish(s);
  ASSERT_EQ(r.code, kCodeSearchBound);
  EXPECT_EQ(r.search, Search::PerCentPasses);
  const Message m = messageForResult(r);
  EXPECT_EQ(m.code, kCodeSearchBound);
  EXPECT_TRUE(m.text.contains(QString::fromUtf8(u8"ποσοστό Νωπού Αέρα"))) << m.text.toStdString();
  // The same room and climate with a small per cent balance.
  StudyState few =
      english(kMix, 108.6f, 94.7f, 60.1f, 77.4f, 60.2f, 35.9f, 43924.9f, 46903, 5, "P");
  const CalcResult ok = calculateEnglish(few);
  ASSERT_TRUE(ok.ok()) << ok.code;
  EXPECT_GT(few.SupplyFlow, 0);
  EXPECT_LT(few.SupplyFlow, kPerCentFlowLimit);
}

// Rounding: half up in single precision, the reported decimals.
struct RoundCase {
  const char* name;
  float x;
  int n;
  float expected;
};
class SummerRounding : public ::testing::TestWithParam<RoundCase> {};
TEST_P(SummerRounding, HalfUp) {
  EXPECT_FLOAT_EQ(roundSingle(GetParam().x, GetParam().n), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Values, SummerRounding,
                         ::testing::Values(RoundCase{"tenth_half", 58.45f, 1, 58.5f},
                                           RoundCase{"hundredth", 24.186f, 2, 24.19f},
                                           RoundCase{"whole_half", 4735.5f, 0, 4736.0f},
                                           RoundCase{"negative_half", -2.5f, 0, -2.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

// Mixing units whose fresh air exceeds the loads' flow: the supply is the fresh
// air and must hold the room (DBs = DBr − RSH/(1.08·CFM), GRs = GRr − RLH/(0.68·CFM)).
// outdoor 95/75: W = 0.0140405 (98.283 gr), H = 38.2902; room 78/65: W = 0.0101864.
// 95/75 °F outdoor, 78/65 °F room, 20000/4000 Btu/h, 3000 CFM of fresh air
// (the loads alone would need ~1000 CFM).
//   supply that holds the room: DBs = 78 − 20000/(1.08·3000) = 71.8272
//                               GRs = 71.305 − 4000/(0.68·3000) = 69.344 (Ws = 0.0099063)
//   dew point for that moisture: Wadp = (0.0099063 − 0.05·0.0140405)/0.95 = 0.0096887
//     Wsat(56) = 0.0095411, Wsat(57) = 0.0098981
//     ADP = 56 + (0.0096887 − 0.0095411)/(0.0098981 − 0.0095411) = 56.414
//   (the sensible dew point 78 − (20000 + 0.05·55080)/(0.95·1.08·3000) = 70.61 lies above)
//   DBc = 56.414 + 0.05·(95 − 56.414) = 58.343; Hc = 0.24·58.343 + 0.0099063·1086.754 = 24.768
//   REH = 1.08·3000·(71.8272 − 58.343) = 43689 (rounded)
//   after reheat 71.8 °F, Hh = 0.24·71.8272 + 0.0099063·1092.822 = 28.064
//   QC = 4.45·3000·(38.2902 − 24.768) = 180520
TEST(SummerFreshSupply, ReviewExampleHoldsTheRoomWithReheat) {
  StudyState s = english(kMix, 95, 75, 40, 78, 65, 50, 20000, 4000, 3000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.SupplyFlow, 3000);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_FLOAT_EQ(s.DB_M, 95);
  EXPECT_NEAR(s.W_ADP, 0.0096887, 2e-7);
  EXPECT_NEAR(s.ADP, 56 + (s.W_ADP - wsat(56)) / (wsat(57) - wsat(56)), 1e-3);
  EXPECT_NEAR(s.ADP, 56.414, 0.002);
  EXPECT_FLOAT_EQ(s.DB_T, 58.3f);
  EXPECT_NEAR(s.W_T, 0.0099063, 2e-7);
  EXPECT_FLOAT_EQ(s.Gr_T, 69.3f);
  EXPECT_FLOAT_EQ(s.h_T, 24.77f);
  EXPECT_NEAR(s.Reheat, 43689, 2);
  EXPECT_FLOAT_EQ(s.DB_S, 71.8f);
  EXPECT_FLOAT_EQ(s.Gr_S, 69.3f);
  EXPECT_FLOAT_EQ(s.h_S, 28.06f);
  EXPECT_NEAR(s.CoilLoad, 180520, 3);
  // The supply air carries exactly the room loads.
  EXPECT_NEAR(1.08 * 3000 * (78 - (58.343 + s.Reheat / (1.08 * 3000))), 20000, 5);
  EXPECT_NEAR(0.68 * 3000 * (s.SpaW - s.W_T) * 7000, 4000, 3);
  // The coil outlet is no drier than its own dew point allows.
  EXPECT_GE(s.W_T, s.W_ADP);
  // The outdoor-air loads are still reported as those of the fresh air.
  EXPECT_FLOAT_EQ(s.FreshSensLoad, 55080);
}

// Outdoor air drier than the room (95/70: W = 0.0099293, 69.505 gr, H = 33.7545)
// with a large room latent load, which the dry fresh air only partly takes up:
//   OASH = 1.08·3000·17 = 55080, OALH = 0.68·3000·(69.505 − 71.305) = −3672
//   RLH + OALH = 16328 > 0: the coil must dry; room 50 % -> BF 0.15
//   ESHF = (20000 + 8262)/(28262 + 20000 − 550.8) = 0.59235 < R(45): 48 °F and reheat,
//   whose supply flow is below the fresh air: the unit runs on the fresh air,
//   and the supply must hold the room:
//   GRs = 71.305 − 20000/(0.68·3000) = 61.501 (Ws = 0.0087859)
//   Wadp = (0.0087859 − 0.05·0.0099293)/0.95 = 0.0087257, Wsat(53) = 0.0085190,
//   Wsat(54) = 0.0088614 -> ADP = 53 + 0.0002067/0.0003424 = 53.604
//   DBc = 53.604 + 0.05·(95 − 53.604) = 55.674; Hc = 0.24·55.674 + 0.0087859·1085.553 = 22.899
//   REH = 1.08·3000·(71.8272 − 55.674) = 52338; QC = 4.45·3000·(33.7545 − 22.899) = 144919
// The room is held, and shown, as entered (RH 50 %, 71.3 gr).
TEST(SummerFreshSupply, DryFreshAirThatCannotTakeTheLatentLoadIsDried) {
  StudyState s = english(kMix, 95, 70, 40, 78, 65, 50, 20000, 20000, 3000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_NEAR(s.ESHF, 0.59235, 1e-4);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, -3672);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 3000);
  EXPECT_FLOAT_EQ(s.SpaRH, 50);
  EXPECT_FLOAT_EQ(s.SpaGr, 71.3f);
  EXPECT_NEAR(s.ADP, 53.604, 0.002);
  EXPECT_FLOAT_EQ(s.DB_T, 55.7f);
  EXPECT_FLOAT_EQ(s.Gr_T, 61.5f);
  EXPECT_FLOAT_EQ(s.h_T, 22.90f);
  EXPECT_NEAR(s.Reheat, 52338, 2);
  EXPECT_FLOAT_EQ(s.DB_S, 71.8f);
  EXPECT_NEAR(s.CoilLoad, 144919, 3);
}

// A latent load larger than the dry fresh air takes up (95/62 °F outdoor, 29.855
// grains; 20000 / 30000 Btu/h; 500 CFM): the coil dries the mixed air.
//   OASH = 1.08·500·17 = 9180, OALH = 0.68·500·(29.855 − 71.305) = −14093
//   RLH + OALH = 15907 > 0; BF 0.15 (room 50 %)
//   ESHF = (20000 + 1377)/(21377 + 30000 − 2114) = 0.43394 < R(45) = 0.663
//   -> 48 °F with BF 0.05: sens = 20000 + 459 = 20459, lat = 30000 − 704.7 = 29295.3
//   R(48) = 0.686145: REH = 0.686145/0.313855·29295.3 − 20459 = 43586
//   CFMsa = (20459 + 43586)/(0.95·1.08·30) = 2080.7 -> 2081 (more than the fresh air)
//   the reheated supply takes the room's sensible load, the coil outlet its latent load
TEST(SummerFreshSupply, LatentLoadBeyondTheDryFreshAirIsDriedByTheCoil) {
  StudyState s = english(kMix, 95, 62, 40, 78, 65, 50, 20000, 30000, 500);
  const CalcResult r = calculateEnglish(s);
  ASSERT_TRUE(r.ok()) << r.code;
  EXPECT_FLOAT_EQ(s.FreshLatLoad, -14093);
  EXPECT_FLOAT_EQ(s.ADP, 48);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_NEAR(s.Reheat, 43586, 2);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2081);
  EXPECT_FLOAT_EQ(s.SpaRH, 50);
  EXPECT_NEAR(1.08 * 2080.7 * (78 - s.DB_S), 20000, 1.08 * 2081 * 0.06);
  EXPECT_NEAR(0.68 * 2080.7 * (s.SpaGr - s.Gr_T), 30000, 0.68 * 2081 * 0.06);
  // The mixed air lies between the room and the outdoor air.
  EXPECT_GT(s.W_M, s.EnvW);
  EXPECT_LT(s.W_M, s.SpaW);
  EXPECT_LT(s.W_T, s.W_M);
}

// A humid room (78/76 °F, RH 90 %, shown as entered) behind the drier 95/80 °F
// fresh air, 1000 Btu/h sensible, no latent, 2000 CFM:
// the humid-room balance has no bracket. The variant is left out (flag 0,
// block of markers) and the design stands:
//   outdoor W = 0.622383·0.871569/29.049431 = 0.018673; dry coil (GRs above it)
//   DBc = DBs = 78 − 1000/2160 = 77.537 (77.5); QC = 4.45·2000·17.463·(0.24 + 0.45·0.018673) =
//   38606
TEST(SummerFreshSupply, HumidRoomWithoutSolutionKeepsTheDesign) {
  StudyState s = english(kMix, 95, 80, 40, 78, 76, 90, 1000, 0, 2000);
  const CalcResult r = calculateEnglish(s);
  ASSERT_TRUE(r.ok()) << r.code;
  EXPECT_GE(s.SpaRH, 71.0f);
  EXPECT_EQ(s.HighHumidity, 0);
  for (float v : s.HighHumid) EXPECT_EQ(v, kNotComputed);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2000);
  EXPECT_FLOAT_EQ(s.DB_T, 77.5f);
  EXPECT_NEAR(s.CoilLoad, 38606, 3);
  EXPECT_NEAR(enthalpy(95, s.EnvW) - enthalpy(77.537, s.EnvW), 38606 / (4.45 * 2000), 1e-3);
}

// A cooling coil never adds water: when the dew point's whole-degree moisture
// exceeds the entering air's, the coil is dry (latent duty 0, sensible load only).
// 100 % fresh air taking up the loads, outdoor air drier than the room.
//   outdoor 100/70: pws(70) = 0.73916, pw = 0.73916 − 29.18184·30/2709 = 0.41599,
//            W = 0.6223832·0.41599/29.50501 = 0.0087751 (61.43 gr), H = 33.701
//   room 75/64: pws(64) = 0.60073, pw = 0.60073 − 29.32027·11/2716.8 = 0.48202,
//            W = 0.0101905 (71.33 gr)
//   OASH = 1.08·1000·25 = 27000, OALH = 0.68·1000·(61.43 − 71.33) = −6738
//   ESHF = 101350/(101350 + 20000 − 336.9) = 0.83751; R(55) = 0.82009, R(56) = 0.86901
//   -> ADP = 55.356; CFMsa = 101350/(0.95·1.08·19.644) = 5028.6 > 1000, so the unit
//   takes it all from outside, and the flow is searched again with the outdoor-air
//   loads of each flow; for a dew point ADP the flow that takes RSH from the room is
//   CFMsa = 100000/(0.95·1.08·(75 − ADP) − 0.05·1.08·25):
//   at 5028.6: OASH = 135772, OALH = −33881,
//     ESHF = 106788.6/(106788.6 + 20000 − 1694.0) = 0.85366 -> ADP = 55.686,
//     CFMsa = 100000/18.4659 = 5415.4 (7.1 % more)
//   at 5415.4: OASH = 146216, OALH = −36487,
//     ESHF = 107310.8/(107310.8 + 20000 − 1824.3) = 0.85516 -> ADP = 55.717,
//     CFMsa = 100000/18.4345 = 5424.6 (0.17 %: settled)
//   Wadp = Wsat(56) = 0.0095411 (66.79 gr), moister than the outdoor air.
//   Dry coil: Wc = Wo = 0.0087751; DBc = 55.717 + 0.05·44.283 = 57.931;
//   Hc = 0.24·57.931 + 0.0087751·(1060.5 + 26.069) = 23.438;
//   QC = 4.45·5424.6·(33.701 − 23.438) = 247736; coil sensible 1.08·5424.6·42.069
//   = 246465, coil latent 0. The supply takes 1.08·5424.6·(75 − 57.931) = 100000
//   from the room (the first flow, 5028.6 CFM, took only 92855).
TEST(SummerDryCoil, FreshAirUnitWithDryOutdoorAirCoolsWithoutAddingWater) {
  StudyState s = english(kPaf, 100, 70, 21.52f, 75, 64, 55.08f, 100000, 20000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_NEAR(s.ADP, 55.717, 0.002);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 5425);
  EXPECT_NEAR(s.EnvW, 0.0087751, 2e-7);
  EXPECT_FLOAT_EQ(s.W_T, s.W_M);
  EXPECT_FLOAT_EQ(s.W_ADP, s.W_M);
  EXPECT_FLOAT_EQ(s.Gr_T, 61.4f);
  EXPECT_FLOAT_EQ(s.DB_T, 57.9f);
  EXPECT_FLOAT_EQ(s.h_T, 23.44f);
  EXPECT_NEAR(s.CoilLoad, 247736, 3);
  EXPECT_NEAR(s.FreshSensLoad, 246465, 1);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
  // The supply takes the room's sensible load (with the unrounded outlet).
  const double DBc = s.ADP + 0.05 * (100 - s.ADP);
  EXPECT_NEAR(1.08 * s.SupplyFlow * (75 - DBc), 100000, 1000);
  // The outlet's wet bulb gives back its vapour pressure (that of the outdoor air).
  EXPECT_NEAR(psy::CarrierPv(s.DB_T, s.WB_T), 0.41599, 0.006);
  EXPECT_LT(s.WB_T, s.DB_T);
}

// Over a grid of climates, rooms, loads and fresh air: each study ends in a design
// or a defined refusal; a design's coil outlet is a real state, no moister than the
// coil inlet, and keeps Wc = Wadp + BF·(Wm − Wadp), which the raise relies on.
TEST(SummerDryCoil, CoilNeverAddsWater) {
  struct Room {
    float DB, WB, RH;
  };
  const Room rooms[] = {{75, 62, 49.5f}, {78, 65, 50}, {76, 68, 66.8f}, {75, 64, 55.1f}};
  int designs = 0, dry = 0;
  for (const Kind* k : {&kMix, &kRecirc, &kPaf})
    for (float DBo : {90.0f, 100.0f})
      for (float WBo : {60.0f, 65.0f, 70.0f, 75.0f, 80.0f})
        for (const Room& r : rooms)
          for (float latentShare : {0.0f, 0.1f, 0.3f})
            for (float fresh : {500.0f, 2000.0f, 6000.0f}) {
              const float RSH = 100000;
              StudyState s = english(*k, DBo, WBo, 40, r.DB, r.WB, r.RH, RSH, RSH * latentShare,
                                     k == &kRecirc ? 0.1f : fresh);
              SCOPED_TRACE(testing::Message()
                           << s.KindCode.toStdString() << " " << DBo << "/" << WBo << " room "
                           << r.DB << "/" << r.WB << " lat " << latentShare << " fresh " << fresh);
              const CalcResult res = calculateEnglish(s);
              if (!res.ok()) {
                EXPECT_TRUE(res.code == kCodeFreshAirExcessive ||
                            res.code == kCodeNegativeCoilOutlet || res.code == kCodeSearchBound ||
                            res.code == kCodeDivisionByZero)
                    << res.code;
                continue;
              }
              ++designs;
              EXPECT_LE(s.WB_T, s.DB_T);
              EXPECT_LE(s.RH_T, 100.0f);
              EXPECT_TRUE(std::isfinite(s.CoilLoad));
              EXPECT_LE(s.W_T, s.W_M * (1 + 1e-6f));
              EXPECT_LE(s.Gr_T, s.Gr_M + 0.05f);
              EXPECT_NEAR(s.W_T, s.W_ADP + s.BF * (s.W_M - s.W_ADP), 1e-7);
              if (s.W_T == s.W_M) ++dry;
            }
  EXPECT_GT(designs, 300);
  EXPECT_GT(dry, 20);  // the grid does reach dry coils
}

}  // namespace summer_calc_tests
