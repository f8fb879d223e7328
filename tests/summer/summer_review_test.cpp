// A cooling coil never adds water to the air. The apparatus dew point's
// humidity ratio is that of a whole degree of the saturation table (or of the
// room dew point when the coil only cools), so with dry outdoor air, or a line
// that crosses just below the room dew point, it can exceed the moisture of
// the air entering the coil. The coil is then a dry coil: the air leaves with
// the moisture it brought, the coil's latent duty is 0 and its load is the
// sensible cooling alone. These tests pin the figures, worked by hand with
// Carrier's equation, W = 0.6223832·pw/(P − pw), H = 0.24·DB + W·(1060.5 + 0.45·DB),
// P = 29.921 inHg and the 1.08 / 0.68 / 4.45 factors.

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

double enthalpy(double DB, double W) {
  return 0.24 * DB + W * (1060.5 + 0.45 * DB);
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
//   (Taken literally, Wc = 0.0095411 + 0.05·(0.0087751 − 0.0095411) = 66.52 gr: the
//   coil would add 5.1 grains, report a latent duty of −17419 Btu/h and a coil
//   load of 212133, 7.7 % short.)
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

// The same study entered in metric units (37.8 °C / 21.1 °C outdoors, 23.9 / 17.8
// °C room, 25183.08 kcal/h and 5036.6 kcal/h, 1700 m³/h) gives the same design:
// 100.0/70.0 °F and 75.0/64.0 °F after conversion, QC = 229810 / 3.970923 = 57874 kcal/h.
TEST(SummerDryCoil, MetricStudyGivesSameDesign) {
  StudyState s = study(kPaf, 37.8f, 21.1f, 21.52f, 23.9f, 17.8f, 55.08f, 100000 / 3.970923f,
                       20000 / 3.970923f, 1700, true);
  ASSERT_TRUE(calculateRead(s).ok());
  EXPECT_FLOAT_EQ(s.W_T, s.W_M);
  Convert_Metric(s);
  EXPECT_NEAR(s.CoilLoad, 57874, 1);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 8549.3f);  // 5029 CFM · 1.7
  EXPECT_FLOAT_EQ(s.DB_T, 14.4f);          // (57.9 − 32)·5/9 = 14.39
}

// Mixing with outdoor air drier than the room (ESHF exactly 1): the room takes
// the outdoor W = 0.0042650 (29.85 gr), the room dew point lies between 35 and
// 36 °F: ADP = 35.027, and Wsat(36) = 0.0044341 is above the air's moisture.
//   CFMsa = (100000 + 0.05·18360)/(0.95·1.08·(78 − 35.027)) = 2288.9
//   DBm = (1000·95 + 1288.9·78)/2288.9 = 85.43, Wm = 0.0042650,
//   Hm = 0.24·85.43 + 0.004265·(1060.5 + 38.44) = 25.190
//   DBc = 35.027 + 0.05·(85.43 − 35.027) = 37.547, Wc = Wm,
//   Hc = 0.24·37.547 + 0.004265·(1060.5 + 16.896) = 13.606
//   QC = 4.45·2288.9·(25.190 − 13.606) = 117981 (literal Wadp: 30.98 gr, 116218)
TEST(SummerDryCoil, MixingWithDryOutdoorAirLeavesMoistureUnchanged) {
  StudyState s = study(kMix, 95, 62, 10, 78, 65, 50, 100000, 20000, 1000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.ESHF, 1.0f);
  EXPECT_NEAR(s.ADP, 35.027, 0.002);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2289);
  EXPECT_FLOAT_EQ(s.W_T, s.EnvW);
  EXPECT_FLOAT_EQ(s.W_T, s.W_M);
  EXPECT_FLOAT_EQ(s.Gr_T, 29.9f);
  EXPECT_FLOAT_EQ(s.DB_T, 37.5f);
  EXPECT_FLOAT_EQ(s.h_T, 13.61f);
  EXPECT_NEAR(s.CoilLoad, 117981, 3);
  EXPECT_NEAR(s.CoilLoad, 4.45 * s.SupplyFlow * (s.h_M - enthalpy(37.547, s.EnvW)), 30);
}

// Full recirculation of a sensible-only room (ESHF exactly 1): room 78/65, W =
// 0.0101864 (71.31 gr), dew point 57.78 °F; Wadp = Wsat(58) = 0.0102671 > W.
// The outlet keeps the room moisture: DBc = 58.79, pw = 0.48183; Carrier at 58 °F
// gives 0.48558 − 29.43542·0.7923/2724.6 = 0.47702, within 0.005 -> WB = 58.0
// (the literal Wadp gave 71.84 gr and WB 58.3). The coil load stays RSH = 60000.
TEST(SummerDryCoil, RecirculationSensibleOnlyKeepsRoomMoisture) {
  StudyState s = study(kRecirc, 95, 75, 40, 78, 65, 50, 60000, 0, 0.1f);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.W_T, s.SpaW);
  EXPECT_FLOAT_EQ(s.Gr_T, 71.3f);
  EXPECT_FLOAT_EQ(s.DB_T, 58.8f);
  EXPECT_FLOAT_EQ(s.WB_T, 58.0f);
  EXPECT_FLOAT_EQ(s.CoilLoad, 60000);
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
