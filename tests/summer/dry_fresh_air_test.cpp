// Summer studies whose fresh air is drier than the room, and the reheat that
// must never come out negative, against hand computations (English units
// inside the calculation: Carrier's equation, W = 0.6223832·pw/(P − pw),
// H = 0.24·DB + W·(1060.5 + 0.45·DB), P = 29.921 inHg; metric studies are
// converted °C -> °F to one decimal and kcal/h × 3.970923 -> Btu/h).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "TestSupport.h"
#include "engine/Psychro.h"
#include "study/StudyState.h"
#include "summer/ResultsView.h"
#include "summer/SummerCalc.h"
#include "summer/results_study.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace dry_fresh_air_tests {
namespace {

// Athens: outdoor 36 °C / 25 % (wet bulb 20.9 °C), room 26 °C / 50 % (wet
// bulb 18.7 °C), 30 000 / 5 000 kcal/h.
test::SummerStudy athens(const char* kind, const char* mode, float fresh) {
  test::SummerStudy st;
  st.kind = QString::fromLatin1(kind);
  st.loadUnit = "KCAL";
  st.envDB = 36, st.envWB = 20.9f, st.spaDB = 26, st.spaWB = 18.7f;
  st.sens = 30000, st.lat = 5000;
  st.freshMode = QString::fromLatin1(mode);
  st.fresh = fresh;
  return st;
}

// An English study ("BTU": °F, Btu/h, CFM) straight into the calculation.
StudyState english(const char* kind, float DBo, float WBo, float DBr, float WBr, float RSH,
                   float RLH, float fresh) {
  StudyState s;
  s.KindCode = QString::fromLatin1(kind);
  s.KindMix = s.KindCode == "AAA_NA";
  s.KindRecirc = s.KindCode == "AA_100";
  s.KindFresh = s.KindCode == "NA_PAF" || s.KindCode == "NA_DPF";
  s.FreshLoads = s.KindCode == "NA_PAF" ? 2 : s.KindCode == "NA_DPF" ? 1 : 0;
  s.MetricCode = 0, s.EnglishCode = 1;
  s.EnvDB = DBo, s.EnvWB = WBo, s.EnvRH = 40;
  s.SpaDB = DBr, s.SpaWB = WBr, s.SpaRH = 50;
  s.SensLoad = RSH, s.LatLoad = RLH;
  s.FreshMode = "C", s.FreshValue = s.FreshAmount = fresh;
  s.DB_S = kNotComputed;
  return s;
}

double humidityRatio(double DB, double WB) {
  return psy::HumidityRatio(psy::CarrierPv(static_cast<float>(DB), static_cast<float>(WB)));
}

}  // namespace

// Athens with 20 % fresh air, mixing: the fresh air (64.45 grains) is drier than
// the room (73.47 grains) but takes up only part of the room latent load, so the
// coil dries the mixed air.
//   outdoor 96.8/69.6 °F: pws(69.6) = 0.72922, pw = 0.72922 − 29.19178·27.2/2709.52
//            = 0.43618, Wo = 0.0092071 (64.450 grains), Ho = 33.397 Btu/lb
//   room 78.8/65.7 °F: pws(65.7) = 0.63750, pw = 0.49619, Wr = 0.0104952 (73.466 grains)
//   RSH = 30000·3.970923 = 119127.7, RLH = 19854.6 Btu/h; room 50 % -> BF 0.15
//   pass 1 (the per cent itself as the flow, 20 CFM): OASH = 388.8, OALH = −122.6,
//     ESHF = 119186.0/(119186.0 + 19836.2) = 0.85732; R(56) = 0.84421, R(57) = 0.89223
//     -> ADP = 56.273, CFMsa = 119186.0/(0.85·1.08·22.527) = 5763.4
//   pass 2, CFMoa = 0.2·5763.4 = 1152.68:
//     OASH = 1.08·1152.68·18 = 22408.1, OALH = 0.68·1152.68·(64.450 − 73.466) = −7067.6
//     RLH + OALH = 12787 > 0: the fresh air leaves the coil part of the latent load
//     ERSH = 119127.7 + 0.15·22408.1 = 122488.9, ERLH = 19854.6 − 0.15·7067.6 = 18794.5
//     ESHF = 0.86697 -> ADP = 56 + (0.86697 − 0.84421)/0.04802 = 56.474, Wadp = Wsat(57)
//     = 0.0098981; CFMsa = 122488.9/(0.85·1.08·22.326) = 5976.5 (3.6 % from pass 1: done)
//   CFMoa = 0.2·5976.5 = 1195.3 CFM (1195 -> 2031.5 m³/h); CFMsa 5976 CFM = 10159.2 m³/h
//   mixed air: DBm = 82.400 °F (28.0 °C), GRm = 71.663, Wm = 0.0102376, Hm = 31.013
//     Btu/lb (17.22 kcal/kg), wet bulb 66.51 °F = 19.2 °C, between the room's 18.7 °C
//     and the outdoor air's 20.9 °C
//   coil outlet: DBc = 56.474 + 0.15·25.926 = 60.363 °F (15.8 °C),
//     Wc = 0.0098981 + 0.15·(0.0102376 − 0.0098981) = 0.0099490 (69.64 grains: the coil
//     removes 2.02 grains), Hc = 25.308 Btu/lb (14.05 kcal/kg)
//   QC = 4.45·5976.5·(31.013 − 25.308) = 151707 Btu/h = 38204.5 kcal/h
//   outdoor-air loads 22408 Btu/h = 5643.0 kcal/h and −7068 Btu/h = −1779.9 kcal/h
TEST(DryFreshAir, AthensMixingDriesTheRemainingLatentLoad) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(athens("AAA_NA", "P", 20)), 0);
  const StudyState& s = study();
  // The room as entered, dry bulb, wet bulb and humidity together.
  EXPECT_FLOAT_EQ(s.SpaDB, 26);
  EXPECT_FLOAT_EQ(s.SpaWB, 18.7f);
  EXPECT_NEAR(s.SpaRH, 50, 0.3);
  EXPECT_NEAR(s.SpaRH, test::studyRH(26, 18.7f, true), 0.01);
  EXPECT_NEAR(s.SpaW, 0.0104952, 2e-7);
  EXPECT_NEAR(s.EnvW, 0.0092071, 2e-7);
  EXPECT_FLOAT_EQ(s.BF, 0.15f);
  EXPECT_NEAR(s.ESHF, 0.86697, 1e-4);
  EXPECT_NEAR(s.ADP, 56.474, 0.002);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 10159.2f);
  EXPECT_FLOAT_EQ(s.FreshFlow, 2031.5f);
  EXPECT_NEAR(s.FreshSensLoad, 5643.0, 0.2);
  EXPECT_NEAR(s.FreshLatLoad, -1779.9, 0.2);
  EXPECT_FLOAT_EQ(s.DB_M, 28.0f);
  EXPECT_FLOAT_EQ(s.WB_M, 19.2f);
  EXPECT_NEAR(s.h_M, 17.22, 0.01);
  EXPECT_NEAR(s.W_M, 0.0102376, 2e-7);
  EXPECT_GT(s.WB_M, s.SpaWB);
  EXPECT_LT(s.WB_M, s.EnvWB);
  EXPECT_FLOAT_EQ(s.DB_T, 15.8f);
  EXPECT_NEAR(s.W_T, 0.0099490, 2e-7);
  EXPECT_LT(s.W_T, s.W_M);  // the coil removes water
  EXPECT_NEAR(s.h_T, 14.05, 0.01);
  EXPECT_NEAR(s.CoilLoad, 38204.5, 1.0);
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_EQ(s.DB_S, kNotComputed);

  // The results file carries the room as entered; the screen derives the notice.
  StudyState file;
  ASSERT_TRUE(readResultsFile(test::readAll(fx.path("PSY_RES.TMP")), file).ok);
  EXPECT_FLOAT_EQ(file.SpaWB, 18.7f);
  EXPECT_FLOAT_EQ(file.SpaRH, s.SpaRH);
  EXPECT_TRUE(ResultsView(file, "KCAL", 20).freshAirDrier());
}

// The other kinds with the Athens climate: the room is always the room entered.
//   "AA_100" has no fresh air: no outdoor-air loads, mixed air = room air, the
//     coil takes exactly the room loads (35 000 kcal/h), and no notice.
//   "NA_DPF" (2000 m³/h = 1176.5 CFM, rounded to 1177): the dry outdoor air is
//     cooled sensibly to the room temperature, keeping its moisture, no reheat:
//     QC = 4.45·1176.5·(33.397 − (0.24·78.8 + 0.0092071·(1060.5 + 35.46))) = 5793.9
//     kcal/h after ÷ 3.970923.
//   "NA_PAF" (2000 m³/h): the coil never adds water, the room is held as entered.
TEST(DryFreshAir, AthensOtherKindsKeepTheRoomAsEntered) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(athens("AA_100", "C", 0)), 0);
  {
    const StudyState& s = study();
    EXPECT_FLOAT_EQ(s.SpaWB, 18.7f);
    EXPECT_NEAR(s.SpaRH, 50, 0.3);
    EXPECT_FLOAT_EQ(s.FreshSensLoad, 0);
    EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
    EXPECT_FLOAT_EQ(s.DB_M, s.SpaDB);
    EXPECT_NEAR(s.CoilLoad, 35000, 0.5);
    EXPECT_FALSE(ResultsView(s, "KCAL", 0).freshAirDrier());
  }
  ASSERT_EQ(test::runSummerStudy(athens("NA_DPF", "C", 2000)), 0);
  {
    const StudyState& s = study();
    EXPECT_FLOAT_EQ(s.SpaWB, 18.7f);
    EXPECT_FLOAT_EQ(s.DB_T, 26);
    EXPECT_FLOAT_EQ(s.W_T, s.EnvW);
    EXPECT_FLOAT_EQ(s.Reheat, 0);
    EXPECT_EQ(s.DB_S, kNotComputed);
    EXPECT_NEAR(s.CoilLoad, 5793.9, 1.0);
    EXPECT_TRUE(ResultsView(s, "KCAL", 0).freshAirDrier());
  }
  ASSERT_EQ(test::runSummerStudy(athens("NA_PAF", "C", 2000)), 0);
  {
    const StudyState& s = study();
    EXPECT_FLOAT_EQ(s.SpaWB, 18.7f);
    EXPECT_NEAR(s.SpaRH, 50, 0.3);
    EXPECT_LE(s.W_T, s.W_M);
    EXPECT_LT(s.DB_T, s.SpaDB);
    EXPECT_GT(s.CoilLoad, 0);
    EXPECT_TRUE(ResultsView(s, "KCAL", 0).freshAirDrier());
  }
}

// 100 % fresh air taking the loads, outdoor air much drier than the room:
// outdoor 38 °C / 20 % (wet bulb 20.8 °C), room 26 °C / 55 % (wet bulb 19.5 °C),
// 20 000 / 500 kcal/h, 1000 m³/h of fresh air (less than the loads need).
//   outdoor 100.4/69.4 °F: pws(69.4) = 0.72426, pw = 0.39024, Wo = 0.0082247 (57.573
//            grains), Ho = 33.190 Btu/lb
//   room 78.8/67.1 °F: pws(67.1) = 0.66915, pw = 0.54299, Wr = 0.0115034 (80.524 grains)
//   RSH = 79418.5, RLH = 1985.5 Btu/h, CFMoa = 1000/1.7 = 588.2 CFM
//   at 588.2 CFM: OASH = 13721.5, OALH = −9179.8, ESHF = 80104.5/(80104.5 + 1526.5)
//     = 0.98130 -> ADP 61 (R(61) = 0.98672), CFMsa = 80104.5/(0.95·1.08·17.8) = 4386.2
//   more air than given: at 4386.2 CFM OALH = −68454, RLH + 0.05·OALH = −1437 < 0:
//     the dry outdoor air outweighs the room latent load (an ESHF above 1, for which
//     no dew point exists). A dry coil:
//   room dew point: Wsat(61) = 0.0114491 < Wr <= Wsat(62) = 0.0118694 -> 61.129 °F
//   reach per CFM: 0.95·(78.8 − 61.129) − 0.05·(100.4 − 78.8) = 15.7072 °F
//   CFMneed = 79418.5/(1.08·15.7072) = 4681.7; CFMlat = 1985.5/(0.68·22.951) = 127.2
//   CFMsa = 4681.7 (4682 CFM = 7959.4 m³/h)
//   coil outlet DBc = 78.8 − 79418.5/(1.08·4681.7) = 63.093 °F (17.3 °C), Wc = Wo,
//     wet bulb 56.55 °F (56.6 -> 13.7 °C), Hc = 24.098 Btu/lb (13.38 kcal/kg)
//   QC = 4.45·4681.7·(33.190 − 24.098) = 189413 Btu/h = 47700.0 kcal/h; the coil's
//   duty is sensible only: 1.08·4681.7·(100.4 − 63.093) = 188632 Btu/h = 47503.3 kcal/h
TEST(DryFreshAir, FreshAirUnitWithVeryDryOutdoorAirGetsADryCoil) {
  test::ProgramFolderFixture fx;
  test::SummerStudy st;
  st.kind = "NA_PAF", st.loadUnit = "KCAL";
  st.envDB = 38, st.envWB = 20.8f, st.spaDB = 26, st.spaWB = 19.5f;
  st.sens = 20000, st.lat = 500, st.fresh = 1000;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  const StudyState& s = study();
  EXPECT_NEAR(s.EnvRH, 20, 0.3);
  EXPECT_NEAR(s.SpaRH, 55, 0.3);
  EXPECT_NEAR(s.EnvW, 0.0082247, 2e-7);
  EXPECT_NEAR(s.SpaW, 0.0115034, 2e-7);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_FLOAT_EQ(s.ESHF, 1.0f);
  EXPECT_NEAR(s.ADP, 61.129, 0.002);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 7959.4f);
  EXPECT_FLOAT_EQ(s.FreshFlow, 7959.4f);
  // Dry coil: the outlet keeps the outdoor moisture.
  EXPECT_FLOAT_EQ(s.W_T, s.EnvW);
  EXPECT_FLOAT_EQ(s.W_M, s.EnvW);
  EXPECT_FLOAT_EQ(s.DB_T, 17.3f);
  EXPECT_FLOAT_EQ(s.WB_T, 13.7f);
  EXPECT_NEAR(s.h_T, 13.38, 0.01);
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_EQ(s.DB_S, kNotComputed);
  EXPECT_NEAR(s.CoilLoad, 47700.0, 1.0);
  EXPECT_GT(s.CoilLoad, 0);
  EXPECT_NEAR(s.FreshSensLoad, 47503.3, 1.0);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0);
  // The supply takes the room's sensible load and carries its latent load.
  const double cfm = s.SupplyFlow / 1.7, DBcF = 63.093;
  EXPECT_NEAR(1.08 * cfm * (78.8 - DBcF), 79418.5, 60);
  EXPECT_GT(0.68 * cfm * 7000 * (s.SpaW - s.W_T), 1985.5);
  EXPECT_TRUE(ResultsView(s, "KCAL", 0).freshAirDrier());
}

// The same kind of unit with far more fresh air than any need: the flow is the
// fresh air and the coil cools it only as far as the room's sensible load asks.
//   95/62 °F outdoor (29.855 grains), room 78/65 °F (71.305 grains), 20000 / 1000 Btu/h,
//   6000 CFM: OALH = 0.68·6000·(29.855 − 71.305) = −169116, RLH + 0.05·OALH < 0: dry
//   room dew point 57.78 °F; CFMneed = 20000/(1.08·(0.95·20.22 − 0.05·17)) = 1009
//   CFMsa = 6000; DBc = 78 − 20000/(1.08·6000) = 74.914 °F; QC = 4.45·6000·(Ho − Hc)
//   = 4.45·6000·20.086·(0.24 + 0.45·0.0042650) = 129743 Btu/h
TEST(DryFreshAir, DryCoilWithMoreFreshAirThanNeededCoolsOnlyAsFarAsTheRoomNeeds) {
  StudyState s = english("NA_PAF", 95, 62, 78, 65, 20000, 1000, 6000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.SupplyFlow, 6000);
  EXPECT_FLOAT_EQ(s.DB_T, 74.9f);
  EXPECT_FLOAT_EQ(s.W_T, s.EnvW);
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_NEAR(s.CoilLoad, 129743, 3);
}

// "NA_PAF" with more fresh air than the loads need: outdoor 105/80 °F, room
// 75/64 °F, 20000 / 10000 Btu/h, 2000 CFM. The supply is the whole fresh air,
// and its state must hold the room; the coil's dew point follows from the
// moisture the supply may carry and a reheat brings it to the temperature.
//   outdoor: pws(80) = 1.03230, pw = 0.76442, Wo = 0.0163174 (114.222 grains), Ho = 43.2756
//   room: pws(64) = 0.60073, pw = 0.48202, Wr = 0.0101905 (71.334 grains)
//   OASH = 1.08·2000·30 = 64800, OALH = 0.68·2000·42.888 = 58327.8
//   BF 0.05: ESHF = 23240/(23240 + 12916.4) = 0.64276, |R(45) − ESHF| = |0.63668 −
//     0.64276| <= 0.01 -> ADP 45, CFMsa = 23240/(0.95·1.08·30) = 755.0 < 2000
//   BF 0.15: ESHF = 0.61317 < R(45): 48 °F with reheat, CFMsa = 916.2 < 2000
//   the supply that holds the room at 2000 CFM:
//     DBs = 75 − 20000/(1.08·2000) = 65.741, GRs = 71.334 − 10000/(0.68·2000) = 63.981
//     (Ws = 0.0091401)
//   the coil dew point for that moisture: Wadp = (0.0091401 − 0.05·0.0163174)/0.95
//     = 0.0087623 (61.34 grains); Wsat(53) = 0.0085190, Wsat(54) = 0.0088614
//     -> ADP = 53 + 0.0002433/0.0003424 = 53.711
//     (the dew point whose outlet is DBs, (65.741 − 0.05·105)/0.95 = 63.67, lies above)
//   coil outlet DBc = 53.711 + 0.05·(105 − 53.711) = 56.275 °F, Wc = Ws (63.98 grains),
//     Hc = 0.24·56.275 + 0.0091401·1085.824 = 23.431
//   REH = 1.08·2000·(65.741 − 56.275) = 20446; after reheat 65.7 °F,
//     Hh = 0.24·65.741 + 0.0091401·1090.083 = 25.741
//   QC = 4.45·2000·(43.2756 − 23.4306) = 176621 (176620.5 by hand, 176620 in single
//     precision)
//   coil duty: 1.08·2000·(105 − 56.275) = 105246, 0.68·2000·(114.222 − 63.981) = 68328
//   the supply takes 1.08·2000·(75 − 56.275) − 20446 = 20000 Btu/h sensible and
//   0.68·2000·(71.334 − 63.981) = 10000 Btu/h latent from the room. (Without the
//   reheat, the coil at 48 °F that the excess-air rule gave took 1.08·2000·(75 −
//   50.85) = 52164 Btu/h from the 20000 Btu/h room and needed 32164 Btu/h of reheat
//   to hold it; the dew point that the moisture asks for needs less coil and less
//   reheat.)
//   effective line of the design: ESHF = (20000 + 20446 + 3240)/(43686 + 10000 +
//     2916.4) = 0.77180, and R(53.711) = 0.77171 from the room: the dew point lies on it.
TEST(NoNegativeReheat, FreshAirUnitWithExcessAirIsReheatedToHoldTheRoom) {
  StudyState s = english("NA_PAF", 105, 80, 75, 64, 20000, 10000, 2000);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2000);
  EXPECT_FLOAT_EQ(s.FreshFlow, 2000);
  EXPECT_NEAR(s.W_ADP, 0.0087623, 2e-7);
  EXPECT_NEAR(s.ADP, 53.711, 0.002);
  EXPECT_FLOAT_EQ(s.DB_M, 105);
  EXPECT_FLOAT_EQ(s.DB_T, 56.3f);
  EXPECT_NEAR(s.W_T, 0.0091401, 2e-7);
  EXPECT_FLOAT_EQ(s.Gr_T, 64.0f);
  EXPECT_FLOAT_EQ(s.h_T, 23.43f);
  EXPECT_NEAR(s.Reheat, 20446, 1);
  EXPECT_FLOAT_EQ(s.DB_S, 65.7f);
  EXPECT_FLOAT_EQ(s.Gr_S, 64.0f);
  EXPECT_FLOAT_EQ(s.W_S, s.W_T);
  EXPECT_FLOAT_EQ(s.h_S, 25.74f);
  EXPECT_GT(s.WB_S, s.WB_T);
  EXPECT_LT(s.WB_S, s.DB_S);
  EXPECT_NEAR(psy::CarrierPv(s.DB_T, s.WB_T), 29.921 * s.W_T / (0.6223832 + s.W_T), 0.006);
  EXPECT_NEAR(s.CoilLoad, 176620.5, 1);
  EXPECT_NEAR(s.FreshSensLoad, 105246, 1);
  EXPECT_NEAR(s.FreshLatLoad, 68328, 1);
  EXPECT_NEAR(s.ESHF, 0.77180, 1e-4);
  EXPECT_NEAR(s.LineRatio, 0.77171, 1e-4);
  // The supply after the reheat holds the room: sensible within 1 % (the
  // unrounded outlet from the dew point), latent within 1 %.
  const double DBc = s.ADP + 0.05 * (105 - s.ADP);
  EXPECT_NEAR(1.08 * 2000 * (75 - DBc) - s.Reheat, 20000, 200);
  EXPECT_NEAR(1.08 * 2000 * (75 - s.DB_S), 20000, 1.08 * 2000 * 0.05);
  EXPECT_NEAR(0.68 * 2000 * 7000 * (s.SpaW - s.W_S), 10000, 100);
}

// A mixing unit whose shallow-coil line is steeper than R(45) while the deep
// coil's is not steeper than R(48): outdoor 95/85 °F (167.357 grains), room
// 75/62 °F (61.962 grains, 47.95 % -> BF 0.15), 20000 / 4000 Btu/h, 500 CFM.
//   OASH = 10800, OALH = 0.68·500·105.395 = 35834.1
//   ESHF(0.15) = 21620/(21620 + 4000 + 5375.1) = 0.69753 < R(45) = 0.72787
//   48 °F with BF 0.05: sens = 20540, lat = 5791.7, R(48) = 0.77504,
//     REH = 0.77504/0.22496·5791.7 − 20540 = −586.0: no reheat is needed;
//   the deep coil's own line, ESHF = 20540/26331.7 = 0.78005, meets R(48) within 0.01:
//     ADP = 48, Wadp = Wsat(48) = 0.0070746
//   CFMsa = 20540/(0.95·1.08·27) = 741.5 (a negative reheat would have given 720.2, too
//     little air for the room: 1.08·720.2·(75 − 50.02) = 19430 < 20000)
//   DBm = 88.487, GRm = 133.034, Hm = 42.148; DBc = 48 + 0.05·40.487 = 50.024,
//   Wc = 0.0076712, Hc = 20.314; QC = 4.45·741.5·(42.148 − 20.314) = 72043
TEST(NoNegativeReheat, MixingUnitRepeatsTheSearchWithTheDeepCoilInstead) {
  StudyState s = english("AAA_NA", 95, 85, 75, 62, 20000, 4000, 500);
  ASSERT_TRUE(calculateEnglish(s).ok());
  EXPECT_FLOAT_EQ(s.Reheat, 0);
  EXPECT_EQ(s.DB_S, kNotComputed);
  EXPECT_FLOAT_EQ(s.ADP, 48);
  EXPECT_FLOAT_EQ(s.BF, 0.05f);
  EXPECT_NEAR(s.ESHF, 0.78005, 1e-4);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 741);
  EXPECT_FLOAT_EQ(s.DB_T, 50.0f);
  EXPECT_FLOAT_EQ(s.h_T, 20.31f);
  EXPECT_NEAR(s.CoilLoad, 72043, 2);
  // The supply takes the room's sensible load.
  EXPECT_NEAR(1.08 * 741.46 * (75 - 50.024), 20000, 2);
}

// Random valid studies (fixed seed) over all four kinds, amount and per-cent
// fresh air, metric and English load units, through the calculate button's
// path. Each ends in a design or a defined refusal; no design writes a negative
// reheat or flow, a coil that adds water or heat, a reheat that does not warm,
// a mixed air outside the room–outdoor range, or a room other than the one
// entered.
TEST(SummerSweep, RandomStudiesGiveSoundDesigns) {
  test::ProgramFolderFixture fx;
  const char* kinds[] = {"AAA_NA", "AA_100", "NA_PAF", "NA_DPF"};
  const char* units[] = {"KCAL", "WATT", "KW", "BTU", "BTUh"};
  test::Lcg rng(20240611u);
  int designs = 0, dryOutdoor = 0, dryCoilFreshUnits = 0, reheats = 0;
  for (int n = 0; n < 240; ++n) {
    const int k = n % 4;
    test::SummerStudy st = test::drawSweepStudy(rng, kinds[k], units[(n / 4) % 5]);
    const bool F = st.loadUnit == "BTU";
    const bool perCent = k == 0 && (n / 20) % 2 == 1;
    if (perCent) {
      st.freshMode = "P";
      st.fresh = static_cast<float>(std::round(rng.uniform(10, 60)));
    }
    resetStudy();
    const int code = test::runSummerStudy(st);
    SCOPED_TRACE(testing::Message()
                 << n << " " << kinds[k] << " " << st.loadUnit.toStdString() << " " << st.envDB
                 << "/" << st.envWB << " room " << st.spaDB << "/" << st.spaWB << " " << st.sens
                 << "/" << st.lat << " " << st.freshMode.toStdString() << st.fresh);
    if (code != 0) {
      EXPECT_TRUE(code == kCodeFreshAirExcessive || code == kCodeNegativeCoilOutlet ||
                  code == kCodeSearchBound || code == kCodeDivisionByZero)
          << code;
      continue;
    }
    ++designs;
    const StudyState& s = study();
    StudyState e = s;  // the checks in English units
    if (studySystemOf(s) == UnitSystem::Metric) Convert_To_British(e);
    EXPECT_GE(s.Reheat, 0.0f);
    if (s.Reheat > 0) {
      ++reheats;
      EXPECT_GE(s.DB_S, s.DB_T);
      EXPECT_FLOAT_EQ(s.W_S, s.W_T);
    } else {
      EXPECT_EQ(s.DB_S, kNotComputed);
    }
    EXPECT_GT(s.SupplyFlow, 0.0f);
    EXPECT_GE(s.FreshFlow, 0.0f);
    EXPECT_GE(s.CoilLoad, 0.0f);
    EXPECT_LE(s.W_T, s.W_M * (1 + 1e-5f));  // no water added
    EXPECT_LE(e.h_T, e.h_M + 0.02f);        // no heat added
    EXPECT_LE(e.DB_T, e.DB_M + 0.2f);
    EXPECT_GE(e.DB_M, std::min(e.SpaDB, e.EnvDB) - 0.2f);
    EXPECT_LE(e.DB_M, std::max(e.SpaDB, e.EnvDB) + 0.2f);
    EXPECT_GE(s.W_M, std::min(s.SpaW, s.EnvW) * (1 - 1e-4f));
    EXPECT_LE(s.W_M, std::max(s.SpaW, s.EnvW) * (1 + 1e-4f));
    // The room as entered.
    EXPECT_FLOAT_EQ(s.SpaWB, st.spaWB);
    EXPECT_NEAR(s.SpaW, humidityRatio(e.SpaDB, e.SpaWB), 1e-6);
    EXPECT_NEAR(s.SpaRH, test::studyRH(st.spaDB, st.spaWB, !F), 0.011);
    if (s.EnvW < s.SpaW) {
      ++dryOutdoor;
      if (st.kind == "NA_PAF" && s.ESHF == 1.0f) ++dryCoilFreshUnits;
    }
  }
  // The sweep does reach the cases it is about (230 designs, 56 of them with
  // drier fresh air, 87 with reheat for this seed).
  EXPECT_GT(designs, 200);
  EXPECT_GT(dryOutdoor, 40);
  EXPECT_GT(dryCoilFreshUnits, 0);
  EXPECT_GT(reheats, 40);
}

}  // namespace dry_fresh_air_tests
