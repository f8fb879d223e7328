// Mixing units whose fresh air exceeds the loads' flow: the supply is the fresh
// air and must hold the room (DBs = DBr − RSH/(1.08·CFM), GRs = GRr − RLH/(0.68·CFM)).
//   outdoor 95/75: W = 0.0140405 (98.283 gr), H = 38.2902
//   room    78/65: W = 0.0101864 (71.305 gr), H = 29.8803

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Psychro.h"
#include "study/StudyState.h"
#include "summer/SummerCalc.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace summer_fresh_supply_tests {
namespace {

// A mixing study in English units ("BTU": °F, Btu/h, CFM), amount mode.
StudyState mixing(float DBo, float WBo, float DBr, float WBr, float RHr, float RSH, float RLH,
                  float fresh) {
  StudyState s;
  s.KindCode = QStringLiteral("AAA_NA");
  s.KindMix = 1, s.KindRecirc = 0, s.KindFresh = 0, s.FreshLoads = 0;
  s.MetricCode = 0, s.EnglishCode = 1;
  s.EnvDB = DBo, s.EnvWB = WBo, s.EnvRH = 40;
  s.SpaDB = DBr, s.SpaWB = WBr, s.SpaRH = RHr;
  s.SensLoad = RSH, s.LatLoad = RLH;
  s.FreshMode = QStringLiteral("C");
  s.FreshValue = s.FreshAmount = fresh;
  s.DB_S = kNotComputed;
  return s;
}

double wsat(int t) {
  float p = 0;
  psy::FindPressure(t, p);
  return 0.622383 * p / (29.921 - p);
}

double enthalpy(double DB, double W) {
  return 0.24 * DB + W * (1060.5 + 0.45 * DB);
}

}  // namespace

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
  StudyState s = mixing(95, 75, 78, 65, 50, 20000, 4000, 3000);
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
// with a large room latent load: ESHF is fixed at 1 and the fresh air alone
// carries the sensible load, but it is not dry enough for the latent one:
//   GRs = 71.305 − 20000/(0.68·3000) = 61.501 (Ws = 0.0087859)
//   Wadp = (0.0087859 − 0.05·0.0099293)/0.95 = 0.0087257, Wsat(53) = 0.0085190,
//   Wsat(54) = 0.0088614 -> ADP = 53 + 0.0002067/0.0003424 = 53.604
//   DBc = 53.604 + 0.05·(95 − 53.604) = 55.674; Hc = 0.24·55.674 + 0.0087859·1085.553 = 22.899
//   REH = 1.08·3000·(71.8272 − 55.674) = 52338; QC = 4.45·3000·(33.7545 − 22.899) = 144919
// The room is held, and shown, as entered (RH 50 %, 71.3 gr).
TEST(SummerFreshSupply, DryFreshAirThatCannotTakeTheLatentLoadIsDried) {
  StudyState s = mixing(95, 70, 78, 65, 50, 20000, 20000, 3000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.ESHF, 1.0f);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
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

// A latent load the fresh-air flow cannot carry: 30000 Btu/h on 500 CFM would
// need a supply of GRs = 71.305 − 30000/(0.68·500) = −16.9 grains, for which
// no coil dew point exists: refused as a dew point outside the table.
TEST(SummerFreshSupply, LatentLoadBeyondTheFreshAirIsRefused) {
  StudyState s = mixing(95, 62, 78, 65, 50, 20000, 30000, 500);
  const CalcResult r = calculateEnglish(s);
  EXPECT_EQ(r.code, kCodeSearchBound);
  EXPECT_EQ(r.search, Search::ApparatusDewPoint);
}

// A humid room (78/76 °F, RH 90 % after the room takes the drier outdoor
// moisture) behind 95/80 °F fresh air, 1000 Btu/h sensible, no latent, 2000 CFM:
// the humid-room balance has no bracket. The variant is left out (flag 0,
// block of markers) and the design stands:
//   outdoor W = 0.622383·0.871569/29.049431 = 0.018673; dry coil (GRs above it)
//   DBc = DBs = 78 − 1000/2160 = 77.537 (77.5); QC = 4.45·2000·17.463·(0.24 + 0.45·0.018673) =
//   38606
TEST(SummerFreshSupply, HumidRoomWithoutSolutionKeepsTheDesign) {
  StudyState s = mixing(95, 80, 78, 76, 90, 1000, 0, 2000);
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

}  // namespace summer_fresh_supply_tests
