// Moist-air property engine checked against hand-computed values.
// P = 29.921 inHg, gas ratio 53.276 / 85.6 = 0.62238318.

#include "engine/Psychro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestSupport.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::psy;

namespace {

struct PressureCase {
  const char* name;
  float t;
  double expected;  // inHg
};

class SatPressureCases : public ::testing::TestWithParam<PressureCase> {};

TEST_P(SatPressureCases, InterpolatesTheTrueTable) {
  const auto& c = GetParam();
  EXPECT_NEAR(SatPressure(c.t), c.expected, 2e-6 * std::max(1.0, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, SatPressureCases,
                         ::testing::Values(
                             // 0.73916 + 0.5 (0.76476 - 0.73916)
                             PressureCase{"half_70", 70.5f, 0.75196},
                             // entries -10..6 °F are held as 100 × inHg
                             PressureCase{"foot_minus10", -10.0f, 0.02203},
                             // floor(-4.5) = -5: 0.02888 + 0.5 (0.03047 - 0.02888)
                             PressureCase{"negative_fraction", -4.5f, 0.029675},
                             // across the seam: 0.05134 + 0.5 (0.05402 - 0.05134)
                             PressureCase{"seam_6_7", 6.5f, 0.05268},
                             // into the extension: 4.5274 + 0.5 (4.6498 - 4.5274)
                             PressureCase{"past_130", 130.5f, 4.5886},
                             PressureCase{"top_150", 150.0f, 7.5727}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SatPressure, OutsideTheTableIsNaN) {
  EXPECT_TRUE(std::isnan(SatPressure(-10.01f)));
  EXPECT_TRUE(std::isnan(SatPressure(150.01f)));
  EXPECT_TRUE(std::isnan(SatPressure(NAN)));
  EXPECT_TRUE(std::isnan(CarrierPv(70.0f, 151.0f)));
  float p = -1.0f;
  EXPECT_FALSE(FindPressure(-11, p));
  EXPECT_FALSE(FindPressure(151, p));
  EXPECT_EQ(p, -1.0f);
}

TEST(FindEnthalpy, SaturatedAirMatchesHandValues) {
  // 70 °F: W = 0.62238318 × 0.73916 / (29.921 - 0.73916) = 0.0157646
  //        h = 0.24 × 70 + 0.0157646 × (1060.5 + 31.5) = 34.01497
  // -10 °F: W = 0.62238318 × 0.02203 / 29.89897 = 0.000458581, h = -1.915738
  float h = 0, W = 0;
  FindEnthalpy(70.0f, 70.0f, h, W);
  EXPECT_NEAR(W, 0.0157646245, 1e-8 + 0.0157646245 * 1e-6);
  EXPECT_NEAR(h, 34.0149699, 1e-4);
  FindEnthalpy(-10.0f, -10.0f, h, W);
  EXPECT_NEAR(W, 0.000458581, 1e-8 + 0.000458581 * 1e-6);
  EXPECT_NEAR(h, -1.9157384, 1e-4);
  test::ProgramFolderFixture fx;
  FindEnthalpyEnv(70.0f, 70.0f, h, W);
  EXPECT_NEAR(study().EnvGr, 110.35237, 1e-3);  // 7000 × W
}

TEST(FindRH, UsesCarrierBelowSixtyThreeAndRefusesOutsideTheTable) {
  // 62 °F / 52 °F: pv = 0.39028 - (29.921 - 0.39028)(10) / (2800 - 67.6) = 0.282204
  //   RH = 0.282204 / 0.55994 = 0.503991; grains = 7000 × 0.62238318 × 0.282204 / 29.638796
  float rh = 0, grains = 0;
  ASSERT_TRUE(FindRH(62.0f, 52.0f, rh, grains));
  EXPECT_NEAR(rh, 0.503991, 2e-6);
  EXPECT_NEAR(grains, 41.4823, 2e-3);
  rh = 7, grains = 8;
  EXPECT_FALSE(FindRH(151.0f, 70.0f, rh, grains));
  EXPECT_FALSE(FindRH(70.0f, -11.0f, rh, grains));
  EXPECT_EQ(rh, 7);
  EXPECT_EQ(grains, 8);
}

TEST(FindWB, FerrelAtSixtyTwoCarrierAtSixtyThree) {
  // 62 °F, 50 %: pv = 0.27997. Ferrel at 52 °F:
  //   pc = 0.39028 - 0.000367 × 29.921 × 10 × (1 + 20/1571) = 0.279072, within 0.005
  float wb = 0, rh = 0, grains = 0;
  ASSERT_TRUE(FindWB(62.0f, 50.0f, true, wb, rh, grains));
  EXPECT_EQ(wb, 52.0f);
  EXPECT_FLOAT_EQ(rh, 0.5f);
  EXPECT_NEAR(grains, 41.15040, 2e-3);  // 7000 × 0.62238318 × 0.27997 / 29.64103
  // 63 °F, 50 %: pv = 0.29001. Carrier: pc(52) = 0.271396, pc(53) = 0.295943
  //   WB = 52 + (0.29001 - 0.271396) / (0.295943 - 0.271396) = 52.75831
  ASSERT_TRUE(FindWB(63.0f, 50.0f, true, wb, rh, grains));
  EXPECT_NEAR(wb, 52.75831, 1e-4);
}

TEST(FindWB, ColdAndVeryDryStates) {
  // 35 °F, 10 %: pv = 0.020342; Ferrel pc(25) = 0.020979 is within 0.005, below
  // the cooling start of 30 °F: 25 °F whichever start the search had.
  for (bool cooling : {true, false}) {
    float wb = 0, rh = 0, grains = 0;
    ASSERT_TRUE(FindWB(35.0f, 10.0f, cooling, wb, rh, grains));
    EXPECT_EQ(wb, 25.0f) << "cooling " << cooling;
  }
  // -5 °F, 50 %: pv = 0.01444; Ferrel pc(-6) = 0.0166546 -> -6 °F;
  //   grains = 7000 × 0.62238318 × 0.01444 / 29.90656 = 2.10356
  float wb = 0, rh = 0, grains = 0;
  ASSERT_TRUE(FindWB(-5.0f, 50.0f, false, wb, rh, grains));
  EXPECT_EQ(wb, -6.0f);
  EXPECT_NEAR(grains, 2.10356, 1e-4);
  // -10 °F at 50 %: the wet bulb lies below the foot of the table.
  EXPECT_FALSE(FindWB(-10.0f, 50.0f, false, wb, rh, grains));
}

TEST(FindWB, RefusesStatesBeyondTheTableAndBadHumidity) {
  float wb = -1, rh = -1, grains = -1;
  EXPECT_FALSE(FindWB(131.0f, 50.0f, true, wb, rh, grains));
  EXPECT_FALSE(FindWB(129.0f, 120.0f, true, wb, rh, grains));  // WB above 130 °F
  EXPECT_FALSE(FindWB(-10.5f, 50.0f, false, wb, rh, grains));
  EXPECT_FALSE(FindWB(100.0f, -5.0f, true, wb, rh, grains));
  EXPECT_EQ(wb, -1);
  EXPECT_EQ(rh, -1);
  EXPECT_EQ(grains, -1);
  // The winter calculation's table reaches 150 °F.
  ASSERT_TRUE(FindWB(140.0f, 100.0f, false, wb, rh, grains, kTableHighExtended));
  EXPECT_EQ(wb, 140.0f);
  // Dry air at 100 °F: Carrier at 57 °F gives 0.00381, within 0.005 of 0.
  ASSERT_TRUE(FindWB(100.0f, 0.0f, true, wb, rh, grains));
  EXPECT_EQ(grains, 0.0f);
  EXPECT_EQ(wb, 57.0f);
}

TEST(FindWB_AH, ModesWriteOutdoorOrRoomWetBulb) {
  test::ProgramFolderFixture fx;
  study().CoolingProcess = true;
  float wb = 0, rh = 50.0f, grains = 0;
  ASSERT_TRUE(FindWB_AH("n", 63.0f, wb, rh, grains));
  EXPECT_NEAR(study().EnvWB, 52.75831, 1e-4);
  EXPECT_FLOAT_EQ(rh, 0.5f);  // per cent in, fraction out
  EXPECT_EQ(study().SpaWB, 0.0f);
  rh = 50.0f;
  ASSERT_TRUE(FindWB_AH("x", 62.0f, wb, rh, grains));
  EXPECT_EQ(study().SpaWB, 52.0f);
  ASSERT_TRUE(FindRH_AH("n", 62.0f, 52.0f, rh, grains));
  EXPECT_EQ(study().EnvWB, 52.0f);
}

// Every state of the screens' range converges, the wet bulb lies at or below
// the dry bulb, and Carrier's RH of it gives back the asked RH within the
// search tolerance 0.005 / SatPressure(DB) (plus interpolation, under 0.001).
TEST(FindWBSweep, EveryDesignStateConvergesAndRoundTrips) {
  for (bool cooling : {false, true}) {
    for (float db = -4.0f; db <= 130.0f; db += 2.0f) {
      for (float rh = 1.0f; rh <= 100.0f; rh += 9.0f) {
        float wb = 0, frac = 0, grains = 0;
        ASSERT_TRUE(FindWB(db, rh, cooling, wb, frac, grains)) << db << " °F " << rh << " %";
        EXPECT_LE(wb, db + 1e-3f) << db << " °F " << rh << " %";
        if (db >= kFerrelThreshold) {
          float back = 0, backGrains = 0;
          ASSERT_TRUE(FindRH(db, wb, back, backGrains));
          EXPECT_NEAR(back, rh / 100.0f, 0.005 / SatPressure(db) + 1e-3) << db << " " << rh;
        }
      }
    }
  }
}

}  // namespace
