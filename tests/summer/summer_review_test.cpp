// A cooling coil never adds water: when the dew point's whole-degree moisture
// exceeds the entering air's, the coil is dry (latent duty 0, sensible load only).

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Psychro.h"
#include "study/StudyState.h"
#include "summer/SummerCalc.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace summer_review_tests {
namespace {

struct Kind {
  const char* code;
  int16_t mix, recirc, fresh, loads;
};
const Kind kMix{"AAA_NA", 1, 0, 0, 0}, kRecirc{"AA_100", 0, 1, 0, 0}, kPaf{"NA_PAF", 0, 0, 1, 2};

StudyState study(const Kind& k, float DBo, float WBo, float RHo, float DBr, float WBr, float RHr,
                 float RSH, float RLH, float fresh, bool metric = false) {
  StudyState s;
  s.KindCode = QString::fromLatin1(k.code);
  s.KindMix = k.mix, s.KindRecirc = k.recirc, s.KindFresh = k.fresh, s.FreshLoads = k.loads;
  s.MetricCode = metric ? 1 : 0, s.EnglishCode = metric ? 0 : 1;
  s.EnvDB = DBo, s.EnvWB = WBo, s.EnvRH = RHo;
  s.SpaDB = DBr, s.SpaWB = WBr, s.SpaRH = RHr;
  s.SensLoad = RSH, s.LatLoad = RLH;
  s.FreshMode = QStringLiteral("C");
  s.FreshValue = s.FreshAmount = fresh;
  s.DB_S = kNotComputed;
  return s;
}

}  // namespace

// 100 % fresh air taking up the loads, outdoor air drier than the room.
//   outdoor 100/70: pws(70) = 0.73916, pw = 0.73916 − 29.18184·30/2709 = 0.41599,
//            W = 0.6223832·0.41599/29.50501 = 0.0087751 (61.43 gr), H = 33.701
//   room 75/64: pws(64) = 0.60073, pw = 0.60073 − 29.32027·11/2716.8 = 0.48202,
//            W = 0.0101905 (71.33 gr)
//   OASH = 1.08·1000·25 = 27000, OALH = 0.68·1000·(61.43 − 71.33) = −6738
//   ESHF = 101350/(101350 + 20000 − 336.9) = 0.83751; R(55) = 0.82009, R(56) = 0.86901
//   -> ADP = 55.356; CFMsa = 101350/(0.95·1.08·19.644) = 5028.6 > 1000, so the unit
//   takes it all from outside: OASH = 135773, OALH = −33881,
//   ESHF = 106788.6/(106788.6 + 20000 − 1694.0) = 0.85366 -> ADP = 55.686 with
//   Wadp = Wsat(56) = 0.0095411 (66.79 gr), moister than the outdoor air.
//   Dry coil: Wc = Wo = 0.0087751; DBc = 55.686 + 0.05·44.314 = 57.902;
//   Hc = 0.24·57.902 + 0.0087751·(1060.5 + 26.056) = 23.431;
//   QC = 4.45·5028.6·(33.701 − 23.431) = 229810; coil sensible 1.08·5028.6·42.098
//   = 228631, coil latent 0.
TEST(SummerDryCoil, FreshAirUnitWithDryOutdoorAirCoolsWithoutAddingWater) {
  StudyState s = study(kPaf, 100, 70, 21.52f, 75, 64, 55.08f, 100000, 20000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_NEAR(s.ADP, 55.686, 0.002);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 5029);
  EXPECT_NEAR(s.EnvW, 0.0087751, 2e-7);
  EXPECT_FLOAT_EQ(s.W_T, s.W_M);
  EXPECT_FLOAT_EQ(s.W_ADP, s.W_M);
  EXPECT_FLOAT_EQ(s.Gr_T, 61.4f);
  EXPECT_FLOAT_EQ(s.DB_T, 57.9f);
  EXPECT_FLOAT_EQ(s.h_T, 23.43f);
  EXPECT_NEAR(s.CoilLoad, 229810, 3);
  EXPECT_NEAR(s.FreshSensLoad, 228631, 1);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
  // The outlet's wet bulb gives back its vapour pressure (that of the outdoor air).
  EXPECT_NEAR(psy::CarrierPv(s.DB_T, s.WB_T), 0.41599, 0.006);
  EXPECT_LT(s.WB_T, s.DB_T);
}

// Over a grid of climates, rooms, loads and fresh air: whenever a design comes
// out, the coil outlet is no moister than the coil inlet, and the outlet keeps
// the bypass relation Wc = Wadp + BF·(Wm − Wadp) that the raise of the supply
// temperature relies on.
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
              StudyState s = study(*k, DBo, WBo, 40, r.DB, r.WB, r.RH, RSH, RSH * latentShare,
                                   k == &kRecirc ? 0.1f : fresh);
              if (!calculateEnglish(s).ok()) continue;
              ++designs;
              SCOPED_TRACE(testing::Message()
                           << s.KindCode.toStdString() << " " << DBo << "/" << WBo << " room "
                           << r.DB << "/" << r.WB << " lat " << latentShare << " fresh " << fresh);
              EXPECT_LE(s.W_T, s.W_M * (1 + 1e-6f));
              EXPECT_LE(s.Gr_T, s.Gr_M + 0.05f);
              EXPECT_NEAR(s.W_T, s.W_ADP + s.BF * (s.W_M - s.W_ADP), 1e-7);
              if (s.W_T == s.W_M) ++dry;
            }
  EXPECT_GT(designs, 300);
  EXPECT_GT(dry, 20);  // the grid does reach dry coils
}

}  // namespace summer_review_tests
