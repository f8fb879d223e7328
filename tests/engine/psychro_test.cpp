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

// Single-precision results: a few units in the last place of a value near 1.
constexpr double kTol = 2e-6;

struct PressureCase {
  const char* name;
  float t;
  double expected;  // inHg
};

class SatPressureCases : public ::testing::TestWithParam<PressureCase> {};

TEST_P(SatPressureCases, InterpolatesTheTrueTable) {
  const auto& c = GetParam();
  EXPECT_NEAR(SatPressure(c.t), c.expected, kTol * std::max(1.0, c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SatPressureCases,
    ::testing::Values(
        PressureCase{"whole_70", 70.0f, 0.73916},
        // 0.73916 + 0.5 (0.76476 - 0.73916) = 0.75196
        PressureCase{"half_70", 70.5f, 0.75196}, PressureCase{"whole_32", 32.0f, 0.1803},
        // 0.1803 + 0.25 (0.18778 - 0.1803) = 0.18217
        PressureCase{"quarter_32", 32.25f, 0.18217},
        // entries -10..6 °F are held as 100 × inHg: 2.203 -> 0.02203
        PressureCase{"foot_minus10", -10.0f, 0.02203}, PressureCase{"whole_minus4", -4.0f, 0.03047},
        // floor(-4.5) = -5: 0.02888 + 0.5 (0.03047 - 0.02888) = 0.029675
        PressureCase{"negative_fraction", -4.5f, 0.029675}, PressureCase{"whole_6", 6.0f, 0.05134},
        // across the seam: 0.05134 + 0.5 (0.05402 - 0.05134) = 0.05268
        PressureCase{"seam_6_7", 6.5f, 0.05268}, PressureCase{"whole_7", 7.0f, 0.05402},
        PressureCase{"whole_130", 130.0f, 4.5274},
        // the last degree of the base table interpolates into the extension:
        // 4.5274 + 0.5 (4.6498 - 4.5274) = 4.5886
        PressureCase{"past_130", 130.5f, 4.5886},
        // 7.3872 + 0.5 (7.5727 - 7.3872) = 7.47995
        PressureCase{"half_149", 149.5f, 7.47995}, PressureCase{"top_150", 150.0f, 7.5727}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SatPressure, OutsideTheTableIsNaN) {
  EXPECT_TRUE(std::isnan(SatPressure(-10.01f)));
  EXPECT_TRUE(std::isnan(SatPressure(150.01f)));
  EXPECT_TRUE(std::isnan(SatPressure(NAN)));
  EXPECT_TRUE(std::isnan(CarrierPv(70.0f, 151.0f)));
}

TEST(FindPressure, GivesTrueWholeDegreeAndLeavesOthersAlone) {
  float p = -1.0f;
  EXPECT_TRUE(FindPressure(-10, p));
  EXPECT_FLOAT_EQ(p, 0.02203f);
  EXPECT_TRUE(FindPressure(6, p));
  EXPECT_FLOAT_EQ(p, 0.05134f);
  EXPECT_TRUE(FindPressure(7, p));
  EXPECT_FLOAT_EQ(p, 0.05402f);
  EXPECT_TRUE(FindPressure(150, p));
  EXPECT_FLOAT_EQ(p, 7.5727f);
  p = -1.0f;
  EXPECT_FALSE(FindPressure(-11, p));
  EXPECT_FALSE(FindPressure(151, p));
  EXPECT_EQ(p, -1.0f);
}

TEST(SaturationTable, IsHeldAsGiven) {
  const float* held = saturationTableAsHeld();
  EXPECT_FLOAT_EQ(held[0], 2.203f);     // -10 °F, 100 × inHg
  EXPECT_FLOAT_EQ(held[16], 5.134f);    // 6 °F
  EXPECT_FLOAT_EQ(held[17], 0.05402f);  // 7 °F, inHg
  EXPECT_FLOAT_EQ(held[140], 4.5274f);  // 130 °F
  EXPECT_FLOAT_EQ(held[160], 7.5727f);  // 150 °F
}

TEST(SaturationTable, TruePressureRisesAtEveryDegree) {
  // A table that rises everywhere is what makes the wet-bulb search well
  // defined; the seam at 6/7 °F is where a mis-scaled entry would show.
  float prev = 0.0f;
  for (int t = kTableLow; t <= kTableHighExtended; ++t) {
    float p = 0.0f;
    ASSERT_TRUE(FindPressure(t, p));
    EXPECT_GT(p, prev) << "at " << t << " °F";
    prev = p;
  }
}

// FindEnthalpy of saturated air (WB = DB): pv = SatPressure(DB).
//   70 °F: W = 0.62238318 × 0.73916 / (29.921 - 0.73916) = 0.0157646
//          h = 0.24 × 70 + 0.0157646 × (1060.5 + 31.5) = 34.01497
//   40 °F: W = 0.62238318 × 0.24767 / 29.67333 = 0.00519475
//          h = 9.6 + 0.00519475 × 1078.5 = 15.20254
//  -10 °F: W = 0.62238318 × 0.02203 / 29.89897 = 0.000458581
//          h = -2.4 + 0.000458581 × 1056.0 = -1.915738
struct EnthalpyCase {
  const char* name;
  float t;
  double W, h;
};
class SaturatedEnthalpy : public ::testing::TestWithParam<EnthalpyCase> {};

TEST_P(SaturatedEnthalpy, MatchesHandValues) {
  const auto& c = GetParam();
  float h = 0, W = 0;
  FindEnthalpy(c.t, c.t, h, W);
  EXPECT_NEAR(W, c.W, 1e-8 + c.W * 1e-6);
  EXPECT_NEAR(h, c.h, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Saturated, SaturatedEnthalpy,
                         ::testing::Values(EnthalpyCase{"at70", 70.0f, 0.0157646245, 34.0149699},
                                           EnthalpyCase{"at40", 40.0f, 0.0051947537, 15.2025419},
                                           EnthalpyCase{"atMinus10", -10.0f, 0.000458581,
                                                        -1.9157384}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindEnthalpy, WritesEnvGrThroughTheStudyWrapper) {
  test::ProgramFolderFixture fx;
  float h = 0, W = 0;
  FindEnthalpyEnv(70.0f, 70.0f, h, W);
  // 7000 × 0.0157646245 = 110.35237
  EXPECT_NEAR(study().EnvGr, 110.35237, 1e-3);
}

TEST(FindRH, DryBulbEqualsWetBulbGivesSaturation) {
  for (int t = kTableLow; t <= kTableHighExtended; ++t) {
    float rh = -1, grains = -1;
    ASSERT_TRUE(FindRH(static_cast<float>(t), static_cast<float>(t), rh, grains)) << t;
    EXPECT_FLOAT_EQ(rh, 1.0f) << "at " << t << " °F";
  }
}

TEST(FindRH, UsesCarrierBelowSixtyThreeToo) {
  // 62 °F with a 52 °F wet bulb, Carrier:
  //   pv = 0.39028 - (29.921 - 0.39028)(10) / (2800 - 67.6) = 0.282204
  //   RH = 0.282204 / 0.55994 = 0.503991
  //   W = 0.62238318 × 0.282204 / 29.638796 = 0.00592604, grains 41.4823
  float rh = 0, grains = 0;
  ASSERT_TRUE(FindRH(62.0f, 52.0f, rh, grains));
  EXPECT_NEAR(rh, 0.503991, 2e-6);
  EXPECT_NEAR(grains, 41.4823, 2e-3);
}

TEST(FindRH, RefusesStatesOutsideTheTable) {
  float rh = 7, grains = 8;
  EXPECT_FALSE(FindRH(151.0f, 70.0f, rh, grains));
  EXPECT_FALSE(FindRH(70.0f, -11.0f, rh, grains));
  EXPECT_EQ(rh, 7);
  EXPECT_EQ(grains, 8);
}

TEST(FindWB, SaturatedWholeDegreeReturnsTheDryBulb) {
  for (bool cooling : {false, true}) {
    const int start = cooling ? 30 : 7;
    for (int t = start; t <= kTableHigh; ++t) {
      float wb = 0, rh = 0, grains = 0;
      ASSERT_TRUE(FindWB(static_cast<float>(t), 100.0f, cooling, wb, rh, grains)) << t;
      EXPECT_EQ(wb, static_cast<float>(t)) << "cooling " << cooling;
      EXPECT_EQ(rh, 1.0f);
    }
  }
}

TEST(FindWB, FerrelAtSixtyTwoCarrierAtSixtyThree) {
  // 62 °F, 50 %: pv = 0.5 × 0.55994 = 0.27997. Ferrel at 52 °F:
  //   pc = 0.39028 - 0.000367 × 29.921 × 10 × (1 + 20/1571) = 0.279072
  //   |0.27997 - 0.279072| = 0.0009 <= 0.005: the whole degree 52 is the wet bulb.
  float wb = 0, rh = 0, grains = 0;
  ASSERT_TRUE(FindWB(62.0f, 50.0f, true, wb, rh, grains));
  EXPECT_EQ(wb, 52.0f);
  EXPECT_FLOAT_EQ(rh, 0.5f);
  // grains = 7000 × 0.62238318 × 0.27997 / 29.64103 = 41.15040
  EXPECT_NEAR(grains, 41.15040, 2e-3);

  // 63 °F, 50 %: pv = 0.5 × 0.58002 = 0.29001. Carrier:
  //   pc(52) = 0.39028 - 29.53072 × 11 / 2732.4 = 0.271396 (0.0186 away)
  //   pc(53) = 0.40402 - 29.51698 × 10 / 2731.1 = 0.295943 (0.0059 away, above)
  //   WB = 52 + (0.29001 - 0.271396) / (0.295943 - 0.271396) = 52.75831
  ASSERT_TRUE(FindWB(63.0f, 50.0f, true, wb, rh, grains));
  EXPECT_NEAR(wb, 52.75831, 1e-4);

  // Carrier's FindRH does not give back the 50 % at 62 °F (0.503991, above).
  float back = 0;
  ASSERT_TRUE(FindRH(62.0f, 52.0f, back, grains));
  EXPECT_GT(std::fabs(back - 0.5f), 0.003f);
}

TEST(FindWB, VeryDryAirBelowTheCoolingStart) {
  // 35 °F, 10 %: pv = 0.1 × 0.20342 = 0.020342. Ferrel at 35 °F:
  //   pc(30) = 0.16457 - 0.010981 × 5 × (1 - 2/1571) = 0.109735 > pv, so the
  //   wet bulb lies below the cooling start of 30 °F; going down,
  //   pc(25) = 0.1303 - 0.010981 × 10 × (1 - 7/1571) = 0.020979, 0.00064 from pv:
  //   the wet bulb is 25 °F whichever start the search had.
  for (bool cooling : {true, false}) {
    float wb = 0, rh = 0, grains = 0;
    ASSERT_TRUE(FindWB(35.0f, 10.0f, cooling, wb, rh, grains));
    EXPECT_EQ(wb, 25.0f) << "cooling " << cooling;
  }
}

TEST(FindWB, NearTheTopOfTheTable) {
  // 129.5 °F saturated: pv = (4.4078 + 4.5274) / 2 = 4.4676, Carrier:
  //   pc(129) = 4.4078 - 25.5132 × 0.5 / 2632.3 = 4.402954
  //   pc(130) = 4.5274 + 25.3936 × 0.5 / 2631.0 = 4.532226
  //   WB = 129 + (4.4676 - 4.402954) / (4.532226 - 4.402954) = 129.50008
  float wb = 0, rh = 0, grains = 0;
  ASSERT_TRUE(FindWB(129.5f, 100.0f, true, wb, rh, grains));
  EXPECT_NEAR(wb, 129.50008, 2e-4);
  ASSERT_TRUE(FindWB(130.0f, 100.0f, true, wb, rh, grains));
  EXPECT_EQ(wb, 130.0f);
}

TEST(FindWB, StopsAtTheEndOfTheTableWithARecognisableResult) {
  float wb = -1, rh = -1, grains = -1;
  // A dry bulb above the data screens' table is refused...
  EXPECT_FALSE(FindWB(131.0f, 50.0f, true, wb, rh, grains));
  // ...and so is a wet bulb that would lie above 130 °F (129 °F at 120 %).
  EXPECT_FALSE(FindWB(129.0f, 120.0f, true, wb, rh, grains));
  EXPECT_EQ(wb, -1);
  EXPECT_EQ(rh, -1);
  EXPECT_EQ(grains, -1);
  // The winter calculation's table reaches 150 °F.
  ASSERT_TRUE(FindWB(140.0f, 100.0f, false, wb, rh, grains, kTableHighExtended));
  EXPECT_EQ(wb, 140.0f);
  EXPECT_FALSE(FindWB(-10.5f, 50.0f, false, wb, rh, grains));
  // A negative humidity is refused, not searched for.
  wb = -1;
  EXPECT_FALSE(FindWB(100.0f, -5.0f, true, wb, rh, grains));
  EXPECT_EQ(wb, -1);
  // Dry air (0 %) at 100 °F: Carrier at 57 °F gives
  //   0.4684 - (29.921 - 0.4684)(43) / (2800 - 74.1) = 0.00381, within 0.005 of 0.
  ASSERT_TRUE(FindWB(100.0f, 0.0f, true, wb, rh, grains));
  EXPECT_EQ(grains, 0.0f);
  EXPECT_EQ(wb, 57.0f);
}

TEST(FindWB, ColdStatesUseTheTruePressures) {
  // -5 °F, 50 %: pv = 0.5 × 0.02888 = 0.01444. Ferrel at -5 °F:
  //   pc(-6) = 0.02737 - 0.010981 × 1 × (1 - 38/1571) = 0.0166546, 0.0022 from pv
  //   pc(-7) = 0.02594 - 0.010981 × 2 × (1 - 39/1571) = 0.0045232 (start -10 climbs past it)
  // so the whole degree -6 °F is the wet bulb.
  float wb = 0, rh = 0, grains = 0;
  ASSERT_TRUE(FindWB(-5.0f, 50.0f, false, wb, rh, grains));
  EXPECT_EQ(wb, -6.0f);
  // grains = 7000 × 0.62238318 × 0.01444 / 29.90656 = 2.10356
  EXPECT_NEAR(grains, 2.10356, 1e-4);
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
  EXPECT_NEAR(study().EnvWB, 52.75831, 1e-4);
}

TEST(FindRH_AH, CopiesTheWetBulbOnEntry) {
  test::ProgramFolderFixture fx;
  float rh = 0, grains = 0;
  ASSERT_TRUE(FindRH_AH("n", 62.0f, 52.0f, rh, grains));
  EXPECT_EQ(study().EnvWB, 52.0f);
  ASSERT_TRUE(FindRH_AH("x", 75.0f, 75.0f, rh, grains));
  EXPECT_EQ(study().SpaWB, 75.0f);
  EXPECT_FLOAT_EQ(rh, 1.0f);
}

TEST(FindWB_AH_Calculator, SetsTheProcessFlagsFromInletAndOutlet) {
  test::ProgramFolderFixture fx;
  float wb = 0, rh = 50.0f, grains = 0;
  ASSERT_TRUE(FindWB_AH_Calculator(80.0f, 55.0f, 63.0f, wb, rh, grains));
  EXPECT_TRUE(study().CoolingProcess);
  EXPECT_FALSE(study().HeatingProcess);
  EXPECT_NEAR(study().EnvWB, 52.75831, 1e-4);

  rh = 50.0f;
  ASSERT_TRUE(FindWB_AH_Calculator(55.0f, 55.0f, 63.0f, wb, rh, grains));
  EXPECT_FALSE(study().CoolingProcess);
  EXPECT_TRUE(study().HeatingProcess);
  // Same state from the heating start (7 °F): the same wet bulb.
  EXPECT_NEAR(wb, 52.75831, 1e-4);
}

}  // namespace

namespace {

// Every state of the screens' range is found, its wet bulb lies between the
// foot of the table and the dry bulb, and Carrier's relative humidity of the
// found wet bulb gives back the RH that was asked for. The search stops at a
// whole degree when its vapour pressure is within 0.005 inHg of the target,
// so the RH can differ by up to 0.005 / SatPressure(DB); the interpolation
// between whole degrees adds well under 0.001.
TEST(FindWBSweep, EveryDesignStateConvergesAndRoundTrips) {
  int checked = 0;
  for (bool cooling : {false, true}) {
    for (float db = -4.0f; db <= 130.0f; db += 0.5f) {
      for (float rh = 1.0f; rh <= 100.0f; rh += 3.0f) {
        float wb = 0, frac = 0, grains = 0;
        ASSERT_TRUE(FindWB(db, rh, cooling, wb, frac, grains)) << db << " °F " << rh << " %";
        EXPECT_GE(wb, static_cast<float>(kTableLow));
        EXPECT_LE(wb, db + 1e-3f) << db << " °F " << rh << " %";
        EXPECT_GT(grains, 0.0f);
        if (db >= kFerrelThreshold) {
          float back = 0, backGrains = 0;
          ASSERT_TRUE(FindRH(db, wb, back, backGrains));
          EXPECT_NEAR(back, rh / 100.0f, 0.005 / SatPressure(db) + 1e-3)
              << db << " °F " << rh << " %";
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 17000);
}

TEST(FindWBSweep, ResultDoesNotDependOnTheSearchStart) {
  // Starting at 30 °F (cooling) or at 7 °F / -10 °F gives the same wet bulb
  // wherever the wet bulb lies above 30 °F; below it the lowered start finds
  // what the low start finds.
  for (float db = 0.0f; db <= 130.0f; db += 1.0f) {
    for (float rh = 2.0f; rh <= 100.0f; rh += 7.0f) {
      float a = 0, b = 0, f = 0, g = 0;
      ASSERT_TRUE(FindWB(db, rh, true, a, f, g));
      ASSERT_TRUE(FindWB(db, rh, false, b, f, g));
      EXPECT_FLOAT_EQ(a, b) << db << " °F " << rh << " %";
    }
  }
}

TEST(FindWB, WetBulbBelowTheFootOfTheTableIsRefused) {
  // -10 °F at 50 %: pv = 0.011015, but a -10 °F wet bulb already gives
  // 0.02203 (0.011 above, more than the tolerance): the wet bulb is below the table.
  float wb = 0, rh = 0, grains = 0;
  EXPECT_FALSE(FindWB(-10.0f, 50.0f, false, wb, rh, grains));
  ASSERT_TRUE(FindWB(-10.0f, 100.0f, false, wb, rh, grains));
  EXPECT_EQ(wb, -10.0f);
}

}  // namespace
