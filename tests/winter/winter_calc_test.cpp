// The heating calculation on English-unit states.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Psychro.h"
#include "study/StudyState.h"
#include "winter/WinterCalc.h"

namespace aeriton::winter {
namespace {

// Outdoor 32 °F / 30 °F wet bulb, room 68 °F / 55 °F, with derived W, grains, h.
StudyState englishStudy() {
  StudyState s;
  s.EnvDB = 32, s.EnvWB = 30, s.EnvRH = 78;
  s.SpaDB = 68, s.SpaWB = 55, s.SpaRH = 42;
  s.EnvW = psy::HumidityRatio(psy::CarrierPv(s.EnvDB, s.EnvWB));
  s.EnvGr = 7000 * s.EnvW;
  s.Env_h = psy::Enthalpy(s.EnvDB, s.EnvW);
  s.SpaW = psy::HumidityRatio(psy::CarrierPv(s.SpaDB, s.SpaWB));
  s.SpaGr = 7000 * s.SpaW;
  s.Spa_h = psy::Enthalpy(s.SpaDB, s.SpaW);
  s.KindCode = "AAA_NA";
  s.KindMix = 1;
  s.FreshMode = "C";
  s.FreshAmount = s.FreshValue = s.FreshFlow = 100;
  s.SensLoad = 34144;
  s.DB_S = 113;  // coil outlet 45 °C
  s.SummerFlow = 0;
  return s;
}

float round1(double v) {
  return static_cast<float>(std::floor(v * 10 + 0.5) / 10);
}
float round0(double v) {
  return static_cast<float>(std::floor(v + 0.5));
}

ContinueQuestion answer(bool yes, int* asked = nullptr) {
  return [yes, asked](float) {
    if (asked) ++*asked;
    return yes;
  };
}

TEST(WinterCalc, ChosenCoilOutletGivesTheFlowAndKeepsTheSupplyTemperature) {
  StudyState s = englishStudy();
  // Hand: Q = 34144 / (1.08 × (113 − 68)) = 34144 / 48.6 = 702.55 CFM -> 703.
  const double q = 34144.0 / (1.08 * 45.0);
  ASSERT_EQ(WinterCalc(s, Copy::WinterScreen, answer(false)), 0);
  EXPECT_FLOAT_EQ(s.DB_S, 113.0f);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 703.0f);
  EXPECT_FLOAT_EQ(s.SummerFlow, 703.0f);
  // Mixed air: 100 CFM at 32 °F with 602.55 CFM at 68 °F,
  // 68 − 100 × 36 / 702.55 = 62.876 -> 62.9 °F.
  EXPECT_FLOAT_EQ(s.DB_M, round1(68.0 - 100.0 * 36.0 / q));
  // Supply carries the room's moisture; the coil outlet T the mixture's.
  EXPECT_FLOAT_EQ(s.Gr_S, s.SpaGr);
  EXPECT_LT(s.Gr_T, s.Gr_S);
  EXPECT_GT(s.DB_T, s.DB_S);
  EXPECT_FLOAT_EQ(s.h_T, s.h_S);
  EXPECT_FLOAT_EQ(s.WB_T, s.WB_S);
  // Fresh-air sensible load with the fresh-air flow: 1.08 × 100 × 36 = 3888.
  EXPECT_FLOAT_EQ(s.FreshSensLoad, 3888.0f);
  // Latent: 0.68 × 100 × (room grains − outdoor grains), both rounded.
  EXPECT_FLOAT_EQ(s.FreshLatLoad, round0(0.68 * 100.0 * (s.SpaGr - s.EnvGr)));
  // Water: that of the 100 CFM of fresh air, 1.7 × 100 × 1.2 × ΔGr / 7000 kg/h.
  const double dGr = englishStudy().SpaGr - englishStudy().EnvGr;
  EXPECT_NEAR(s.HumidWaterKg, 1.7 * 100 * 1.2 * dGr / 7000.0, 0.006);
  // Pounds from the unrounded kilograms: within the two roundings.
  EXPECT_NEAR(s.HumidWaterLb, s.HumidWaterKg * 2.2046, 0.005 * 2.2046 + 0.005);
  EXPECT_FLOAT_EQ(s.HighHumid[kHighHumidityValues - 1], s.HumidWaterKg);
  // Coil 4.45 Q (h_T − h_M), h_T = 0.24 × 113 + W_r (1060.5 + 0.45 × 113).
  const double hS = 0.24 * 113 + (englishStudy().SpaGr / 7000.0) * (1060.5 + 0.45 * 113);
  EXPECT_NEAR(s.h_S, hS, 0.006);
  EXPECT_NEAR(
      s.CoilLoad,
      4.45 * q *
          (hS - englishStudy().Spa_h + 100.0 / q * (englishStudy().Spa_h - englishStudy().Env_h)),
      2.0);
}

TEST(WinterCalc, CoilOutletNotAboveTheRoomIsRefused) {
  for (float coilOut : {68.0f, 60.0f, 0.0f, kWinterUnset}) {
    StudyState s = englishStudy();
    s.DB_S = coilOut;
    EXPECT_EQ(WinterCalc(s, Copy::WinterScreen, answer(true)), kCodeCoilOutNotAboveRoom)
        << "coil outlet " << coilOut;
  }
}

struct SupplyLimitCase {
  const char* name;
  float sensLoad;  // summer flow 1000 CFM, room 68 °F
  int code, questions;
};

class SupplyLimits : public ::testing::TestWithParam<SupplyLimitCase> {};

// A unit keeping its summer flow of 1000 CFM: t_s = 68 + q / (1.08 × 1000).
// 1.08 × 1000 × 82 = 88560 Btu/h gives exactly 150 °F, 1080 × 63 = 68040
// exactly 131 °F; one Btu/h more lies just above.
TEST_P(SupplyLimits, StrictComparisons) {
  const SupplyLimitCase& c = GetParam();
  StudyState s = englishStudy();
  s.DB_S = kWinterUnset;
  s.SummerFlow = 1000;
  s.SensLoad = c.sensLoad;
  int asked = 0;
  WinterCalcDetail detail;
  EXPECT_EQ(WinterCalc(s, Copy::WinterScreen, answer(true, &asked), &detail), c.code);
  EXPECT_EQ(asked, c.questions);
  EXPECT_FALSE(detail.declined);
  if (c.code == 0) {
    EXPECT_FLOAT_EQ(s.SupplyFlow, 1000.0f);
    EXPECT_FLOAT_EQ(s.DB_S, round1(68.0 + c.sensLoad / 1080.0));
  }
}

INSTANTIATE_TEST_SUITE_P(WinterCalc, SupplyLimits,
                         ::testing::Values(SupplyLimitCase{"exactly131", 68040, 0, 0},
                                           SupplyLimitCase{"above131", 68041, 0, 1},
                                           SupplyLimitCase{"exactly150", 88560, 0, 1},
                                           SupplyLimitCase{"above150", 88561, kCodeSupplyTooHot,
                                                           0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WinterCalc, DecliningTheHotSupplyEndsAsRefusalWithoutResults) {
  StudyState s = englishStudy();
  s.DB_S = kWinterUnset;
  s.SummerFlow = 1000;
  s.SensLoad = 70000;  // 68 + 64.8 = 132.8 °F
  s.CoilLoad = 0;
  WinterCalcDetail detail;
  float askedAt = 0;
  const int code = WinterCalc(
      s, Copy::WinterScreen,
      [&](float t) {
        askedAt = t;
        return false;
      },
      &detail);
  EXPECT_EQ(code, kCodeSupplyTooHot);
  EXPECT_TRUE(detail.asked);
  EXPECT_TRUE(detail.declined);
  EXPECT_NEAR(askedAt, 68.0 + 70000.0 / 1080.0, 1e-3);
  EXPECT_FLOAT_EQ(s.CoilLoad, 0.0f);
}

TEST(WinterCalc, FullFreshAirMoreHumidThanTheRoomGivesNegativeWater) {
  StudyState s = englishStudy();
  s.KindCode = "NA_DPF";
  s.KindMix = 0;
  s.KindFresh = 1;
  s.FreshLoads = 1;
  s.SensLoad = 0;
  s.DB_S = 68;  // neutral supply: no loads taken
  // Room 20 grains, drier than 32 °F saturated outdoor air (26.4 grains).
  s.EnvWB = 32;
  s.EnvW = psy::HumidityRatio(psy::CarrierPv(32, 32));
  s.EnvGr = 7000 * s.EnvW;
  s.Env_h = psy::Enthalpy(32, s.EnvW);
  s.SpaW = 20.0f / 7000.0f;
  s.SpaGr = 20;
  s.Spa_h = psy::Enthalpy(68, s.SpaW);
  s.FreshAmount = s.FreshValue = s.FreshFlow = 1000;
  ASSERT_EQ(WinterCalc(s, Copy::WinterScreen, answer(false)), 0);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 1000.0f);
  // 1.7 × 1000 × 1.2 × (20 − 26.4) / 7000 = −1.87 kg/h, reported negative.
  const double expected = 1.7 * 1000 * 1.2 * (20.0 - 7000.0 * s.EnvW) / 7000.0;
  EXPECT_LT(s.HumidWaterKg, 0.0f);
  EXPECT_NEAR(s.HumidWaterKg, expected, 0.006);
  EXPECT_LT(s.FreshLatLoad, 0.0f);
}

TEST(WinterCalc, ZeroFlowIsRefused) {
  StudyState s = englishStudy();
  s.KindCode = "NA_DPF";
  s.KindMix = 0;
  s.KindFresh = 1;
  s.FreshLoads = 1;
  s.SensLoad = 0;
  s.FreshAmount = s.FreshValue = s.FreshFlow = 0;
  EXPECT_EQ(WinterCalc(s, Copy::WinterScreen, answer(false)), kCodeNoFlow);
  StudyState m = englishStudy();
  m.SensLoad = 0;  // mixing with no heat loss: no flow either
  EXPECT_EQ(WinterCalc(m, Copy::WinterScreen, answer(false)), kCodeNoFlow);
}

// ---- the wet-bulb search ------------------------------------------------------

TEST(WinterSearchWB, InterpolatesBetweenTheBracketingDegrees) {
  // DB 100 °F, pv 0.5 inHg; pc(t) = pws(t) − (29.921 − pws(t))(100 − t)/(2800 − 1.3 t):
  //   t = 72: 0.79113 − 29.12987 × 28 / 2706.4 = 0.48976
  //   t = 73: 0.81829 − 29.10271 × 27 / 2705.1 = 0.52781
  // |0.5 − 0.48976| = 0.0102 > 0.005, and 0.5 < 0.52781 at 73:
  //   WB = 72 + (0.5 − 0.48976) / (0.52781 − 0.48976) = 72.269 °F.
  float wb = 0;
  ASSERT_TRUE(WinterSearchWB(100, 0.5f, wb));
  EXPECT_NEAR(wb, 72.269, 0.001);
}

TEST(WinterSearchWB, FindsWetBulbsBelowSevenDegrees) {
  // DB 0 °F, pv 0.0300 inHg (about 80 %): pc(7) = 0.1289 > pv, so the search
  // steps below 7 °F; the result lies below the dry bulb and gives back pv.
  float wb = 99;
  ASSERT_TRUE(WinterSearchWB(0, 0.0300f, wb));
  EXPECT_LT(wb, 0.0f);
  EXPECT_GE(wb, -10.0f);
  EXPECT_NEAR(psy::CarrierPv(0, wb), 0.0300, 0.005);
}

TEST(WinterSearchWB, OutsideTheTableFails) {
  float wb = 0;
  EXPECT_FALSE(WinterSearchWB(160, 9.0f, wb));  // above 150 °F
  EXPECT_FALSE(WinterSearchWB(-20, 0.0001f, wb));
  EXPECT_FALSE(WinterSearchWB(70, 0.0f, wb));
}

}  // namespace
}  // namespace aeriton::winter
