// Heating runs recomputed by hand, field by field: every metric load unit,
// fresh air as a per cent of the supply (whole results file), 100 % fresh air
// with the flow of the summer operation, and 100 % recirculation when the
// outdoor air is more humid than the room design.
#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "winter/WinterCalc.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

namespace aeriton::winter {
namespace {

constexpr double kBtuPerKcal = 3.970923;
constexpr double kKcalKgPerBtuLb = 0.2518301785 / 0.45359;

ContinueQuestion no() {
  return [](float) { return false; };
}

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray out;
  for (const char* l : ls) out += QByteArray(l) + "\r\n";
  return out;
}

// Lines 13 and 14 of a heating results file: the summer records cleared to
// -10000, the flag 0, and the humidifier water (kg/h) as the last value.
QByteArray clearedTail(const char* water) {
  QByteArray l13 = "-10000";
  for (int i = 1; i < 13; ++i) l13 += ",-10000";
  QByteArray l14 = "0";
  for (int i = 0; i < 25; ++i) l14 += ",-10000";
  return l13 + "\r\n" + l14 + "," + water + "\r\n";
}

RunOutcome run(const WinterEntries& e) {
  ZeroVariables(study());
  CollectInputs(e, study());
  return runWinterStudy(study(), no());
}

// Metric study: outdoor 0 °C / −2 °C, room 20 °C / 12 °C, mixing with
// 300 m³/h of fresh air, coil outlet 45 °C, a heat loss of 10 kW.
WinterEntries metricStudy() {
  WinterEntries e;
  e.unitIndex = kUnitWatt;
  e.envDB = 0;
  e.envWB = -2;
  e.envRH = 80;
  e.spaDB = 20;
  e.spaWB = 12;
  e.spaRH = 40;
  e.load.set(kUnitWatt, 10000);
  e.kindIndex = kKindMixing;
  e.kindyIndex = kSummerOtherUnit;
  e.coilOut = 45;
  e.optAmount = true;
  e.amount = 300;
  e.title = "Αίθουσα";
  return e;
}

// ---- the same heat loss in each metric load unit ------------------------------

struct LoadUnitCase {
  const char* name;
  int unit;
  float value;  // 10 kW in that unit
};

class MetricLoadUnits : public ::testing::TestWithParam<LoadUnitCase> {};

TEST_P(MetricLoadUnits, GiveOneDesign) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricStudy();
  e.unitIndex = GetParam().unit;
  e.load.set(GetParam().unit, GetParam().value);
  ASSERT_EQ(run(e).code, 0);
  const StudyState& s = study();
  // The data file carries kcal/h for every metric set: 10 kW = 8598.555 kcal/h.
  StudyState dat;
  ASSERT_TRUE(readDataFile(test::readAll(folder.path("PSY_DAT.TMP")), dat));
  EXPECT_NEAR(dat.SensLoad, 8598.555, 0.01);
  // By hand, English units: 8598.555 × 3.970923 = 34144.2 Btu/h; 45 °C = 113 °F,
  // 20 °C = 68 °F; Q = 34144.2 / (1.08 × 45) = 702.56 CFM -> 703 -> 1195.1 m³/h.
  EXPECT_FLOAT_EQ(s.SupplyFlow, 1195.1f);
  // Outdoor 32 / 28.4 °F: 16.67 grains, h 10.240; room 68 / 53.6 °F: 37.89 grains,
  // h 22.226; fresh 300 / 1.7 = 176.5 CFM.
  // M: 68 − 176.5 × 36 / 702.56 = 58.96 °F; h = 22.226 − 0.25122 × 11.986 = 19.215.
  // S: 113 °F at 37.89 grains, h = 27.12 + 0.005413 × 1111.35 = 33.14.
  // Coil 4.45 × 702.56 × (33.136 − 19.215) = 43522 Btu/h = 10960.17 kcal/h.
  EXPECT_NEAR(s.CoilLoad, 43522 / kBtuPerKcal, 0.01);
  // Fresh air: 1.08 × 176.5 × 36 = 6862; 0.68 × 176.5 × (37.9 − 16.7) = 2544 Btu/h.
  EXPECT_NEAR(s.FreshSensLoad, 6862 / kBtuPerKcal, 0.01);
  EXPECT_NEAR(s.FreshLatLoad, 2544 / kBtuPerKcal, 0.01);
  // Water 1.7 × 702.56 × 1.2 × (37.893 − 32.562) / 7000 = 1.09 kg/h.
  EXPECT_FLOAT_EQ(s.HumidWaterKg, 1.09f);
  EXPECT_FLOAT_EQ(s.HighHumid[kHighHumidityValues - 1], 1.09f);
  // The load comes back in kcal/h, the unit of the metric files.
  EXPECT_NEAR(s.SensLoad, 8598.555, 0.01);
}

INSTANTIATE_TEST_SUITE_P(WinterReview, MetricLoadUnits,
                         ::testing::Values(LoadUnitCase{"Watt", kUnitWatt, 10000.0f},
                                           LoadUnitCase{"Kcal", kUnitKcal, 8598.555f},
                                           LoadUnitCase{"KW", kUnitKW, 10.0f},
                                           // 34144.2 Btu/h / 12000 = 2.84535 RT
                                           LoadUnitCase{"RT", kUnitRT, 2.84535f},
                                           LoadUnitCase{"BtuCelsius", kUnitBtuC, 34144.2f}),
                         [](const ::testing::TestParamInfo<LoadUnitCase>& info) {
                           return info.param.name;
                         });

// ---- fresh air as a per cent of the supply air ---------------------------------

TEST(WinterReview, EnglishPerCentMixingWholeResultsFile) {
  test::ProgramFolderFixture folder;
  WinterEntries e;
  e.unitIndex = kUnitBtuF;
  e.envDB = 23;
  e.envWB = 21;
  e.envRH = 72.8;
  e.spaDB = 70;
  e.spaWB = 56;
  e.spaRH = 40.7;
  e.load.set(kUnitBtuF, 60000);
  e.coilOut = 111;
  e.optAmount = false;
  e.amount = 500;  // still in the amount box: the per cent is in force
  e.perCent = 25;
  e.title = "Γραφεία";
  ASSERT_EQ(run(e).code, 0);
  // By hand (P = 29.921 inHg):
  //   outdoor 23/21 °F: pv 0.086295, 12.601 grains, h 7.4478
  //   room 70/56 °F:    pv 0.300481, 44.196 grains, h 23.6945
  //   Q = 60000 / (1.08 × 41) = 1355.014 CFM -> 1355; fresh 25 % = 338.7534 CFM
  //   M: 0.25 × 23 + 0.75 × 70 = 58.25 -> 58.3 °F; 36.297 grains;
  //      h 0.25 × 7.4478 + 0.75 × 23.6945 = 19.633 -> 19.63; pv 0.24722: at 58.25 °F
  //      the wet bulb of 49 °F gives pc 0.24916, within 0.005 -> 49
  //   S: 111 °F, 44.196 grains: h = 26.64 + 0.0063137 × 1110.45 = 33.651 -> 33.65;
  //      pv 0.30048 against pc(70) = 0.29750 -> within 0.005 -> 70
  //   T: (33.651 − 1060.5 × 0.0051853) / (0.24 + 0.45 × 0.0051853) = 116.17 -> 116.2
  //   coil 4.45 × 1355.014 × (33.651 − 19.633) = 84527 Btu/h
  //   fresh air 1.08 × 338.7534 × 47 = 17195; 0.68 × 338.7534 × (44.2 − 12.6) = 7279
  //   water 1.7 × 1355.014 × 1.2 × (44.196 − 36.297) / 7000 = 3.12 kg/h
  const QByteArray expected =
      lines({"\"AAA_NA\",1", "23,21,72.8", "70,56,40.7", "58.3,49,19.63", "116.2,70,33.65",
             "111,70,33.65", "60000,0", "0,25", "1355,84527,17195,7279,0", "1,0,0,0,\"P\"",
             "0,0,1,111,0", "338.7534"}) +
      clearedTail("3.12");
  EXPECT_EQ(test::readAll(folder.path("PSY_RES.TMP")), expected);
}

TEST(WinterReview, MetricPerCentFreshFlowIsAShareOfTheSupplyInCubicMetres) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricStudy();
  e.coilOut = 40;
  e.optAmount = false;
  e.perCent = 20;
  ASSERT_EQ(run(e).code, 0);
  const StudyState& s = study();
  // 40 °C = 104 °F: Q = 34144.2 / (1.08 × 36) = 878.19 CFM -> 878 -> 1492.6 m³/h;
  // fresh 0.2 × 878.19 = 175.64 CFM -> 298.6 m³/h.
  EXPECT_FLOAT_EQ(s.SupplyFlow, 1492.6f);
  EXPECT_FLOAT_EQ(s.FreshFlow, 298.6f);
  // M: 68 − 0.2 × 36 = 60.8 °F = 16.0 °C. The fresh loads with 175.64 CFM:
  // 1.08 × 175.64 × 36 = 6829; 0.68 × 175.64 × (37.9 − 16.7) = 2532.
  EXPECT_FLOAT_EQ(s.DB_M, 16.0f);
  EXPECT_NEAR(s.FreshSensLoad, 6829 / kBtuPerKcal, 0.01);
  EXPECT_NEAR(s.FreshLatLoad, 2532 / kBtuPerKcal, 0.01);
  EXPECT_FLOAT_EQ(s.SupplyTempShown, 40.0f);
}

// ---- 100 % fresh air and the summer flow ---------------------------------------

TEST(WinterReview, FullFreshAirWithTheSummerFlow) {
  struct Case {
    double amount;
    const char* line9;   // supply flow, coil, fresh-air loads, reheat
    const char* supply;  // line 12: all of it is fresh air
    const char* water;
  };
  // Outdoor 23/21 °F, room 70/56 °F, 60000 Btu/h, the unit keeps 1500 CFM:
  //   t_s = 70 + 60000 / (1.08 × 1500) = 107.04 -> 107.0 °F
  //   S: h = 25.689 + 0.0063137 × 1108.67 = 32.689 -> 32.69; pv 0.30048 and
  //      pc(69) = 0.30443 at 107.04 °F differ by 0.0039 <= 0.005 -> 69 °F
  //   T: outdoor 12.601 grains heated to h 32.689:
  //      (32.689 − 1060.5 × 0.0018002) / (0.24 + 0.45 × 0.0018002) = 127.8 °F
  //   1000 CFM of fresh air is less than the summer flow: 1500 CFM, all outdoor air
  //     coil 4.45 × 1500 × (32.689 − 7.4478) = 168483; fresh 1.08 × 1500 × 47 = 76140,
  //     0.68 × 1500 × (44.2 − 12.6) = 32232; water 1.7 × 1500 × 1.2 × 31.594 / 7000 = 13.81
  //   2000 CFM is more: 2000 CFM at the same 107.0 °F
  //     coil 4.45 × 2000 × 25.241 = 224644; 101520; 42976; water 18.41
  for (Case c : {Case{1000, "1500,168483,76140,32232,0", "1500", "13.81"},
                 Case{2000, "2000,224644,101520,42976,0", "2000", "18.41"}}) {
    test::ProgramFolderFixture folder;
    WinterEntries e;
    e.unitIndex = kUnitBtuF;
    e.envDB = 23;
    e.envWB = 21;
    e.envRH = 72.8;
    e.spaDB = 70;
    e.spaWB = 56;
    e.spaRH = 40.7;
    e.load.set(kUnitBtuF, 60000);
    e.kindIndex = kKindFreshLoads;
    e.kindyIndex = kSummerSameUnit;
    e.summerFlow = 1500;
    e.amount = c.amount;
    e.title = "Γραφεία";
    ASSERT_EQ(run(e).code, 0) << c.amount;
    const QByteArray amount = QByteArray::number(static_cast<int>(c.amount));
    const QByteArray expected = lines({"\"NA_PAF\",1", "23,21,72.8", "70,56,40.7", "23,21,7.45",
                                       "127.8,69,32.69", "107,69,32.69", "60000,0"}) +
                                amount + ",0\r\n" + c.line9 + "\r\n" +
                                "0,0,1,2,\"C\"\r\n0,0,1,107,1500\r\n" + c.supply + "\r\n" +
                                clearedTail(c.water);
    EXPECT_EQ(test::readAll(folder.path("PSY_RES.TMP")), expected) << c.amount;
  }
}

// ---- outdoor air more humid than the room, 100 % recirculation ------------------

TEST(WinterReview, RecirculationWithHumidOutdoorAirRaisesTheRoom) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricStudy();
  e.envDB = 10;
  e.envWB = 10;
  e.envRH = 100;
  e.spaDB = 20;
  e.spaWB = 10;
  e.spaRH = 30;
  e.load.set(kUnitKcal, 8000);
  e.kindIndex = kKindRecirc;
  e.coilOut = 40;
  ASSERT_EQ(run(e).code, 0);
  const StudyState& s = study();
  // Outdoor 50 °F saturated: pv 0.3624, W = 0.62238 × 0.3624 / 29.5586 = 0.0076307
  // (53.41 grains); the room (68 °F, wet bulb 50 °F, about 28 grains) takes it:
  // RH = 0.3624 / pws(68) 0.69021 = 52.51 %, the wet bulb stays 10 °C.
  EXPECT_FLOAT_EQ(s.SpaRH, 52.51f);
  EXPECT_FLOAT_EQ(s.SpaWB, 10.0f);
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0.0f);
  EXPECT_FLOAT_EQ(s.HumidWaterKg, 0.0f);
  // 8000 kcal/h = 31767.4 Btu/h; Q = 31767.4 / (1.08 × 36) = 817.06 CFM -> 817
  // -> 1388.9 m³/h. M is the room with 0.1 CFM of outdoor air: h_M = 0.24 × 68 +
  // 0.0076307 × 1091.1 = 24.645 -> 24.65 Btu/lb; S at 104 °F: 24.96 + 0.0076307 ×
  // 1107.3 = 33.409 -> 33.41. Coil 4.45 × 817.06 × (33.409 − 24.645) = 31866 Btu/h.
  EXPECT_FLOAT_EQ(s.SupplyFlow, 1388.9f);
  EXPECT_NEAR(s.h_M, 24.65 * kKcalKgPerBtuLb, 1e-4);
  EXPECT_NEAR(s.h_S, 33.41 * kKcalKgPerBtuLb, 1e-4);
  EXPECT_NEAR(s.CoilLoad, 31866 / kBtuPerKcal, 0.01);
  EXPECT_FLOAT_EQ(s.FreshAmount, 0.0f);
  EXPECT_FLOAT_EQ(s.FreshPerCent, 0.1f);
}

}  // namespace
}  // namespace aeriton::winter
