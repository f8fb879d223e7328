// The calculate button's run after its checks, recomputed by hand: data file,
// conversions, calculation, results file byte for byte, refusals and messages.
#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "winter/WinterCalc.h"
#include "winter/WinterChecks.h"
#include "winter/WinterMessages.h"
#include "winter/WinterRun.h"

namespace aeriton::winter {
namespace {

ContinueQuestion yes() {
  return [](float) { return true; };
}
ContinueQuestion no() {
  return [](float) { return false; };
}
constexpr double kBtuPerKcal = 3.970923;

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray out;
  for (const char* l : ls) out += QByteArray(l) + "\r\n";
  return out;
}

// Line 13 (13 markers) and line 14 (flag, 25 markers, humidifier water) of a
// winter results file.
QByteArray tail(const char* water) {
  QByteArray l13 = "-10000";
  for (int i = 1; i < 13; ++i) l13 += ",-10000";
  QByteArray l14 = "0";
  for (int i = 0; i < 25; ++i) l14 += ",-10000";
  return l13 + "\r\n" + l14 + "," + water + "\r\n";
}

// English study: outdoor 23 °F / 21 °F, room 70 °F / 56 °F, 60000 Btu/h,
// mixing with 500 CFM of fresh air, coil outlet 111 °F, another unit in summer.
WinterEntries englishEntries() {
  WinterEntries e;
  e.unitIndex = kUnitBtuF;
  e.envDB = 23, e.envWB = 21, e.envRH = 72.8;
  e.spaDB = 70, e.spaWB = 56, e.spaRH = 40.7;
  e.load.set(kUnitBtuF, 60000);
  e.kindIndex = kKindMixing;
  e.kindyIndex = kSummerOtherUnit;
  e.coilOut = 111;
  e.optAmount = true;
  e.amount = 500;
  e.title = "Γραφεία";
  return e;
}

// Metric study: outdoor 0 °C / −2 °C, room 20 °C / 12 °C, 10000 W, mixing with
// 300 m³/h, coil outlet 45 °C.
WinterEntries metricEntries() {
  WinterEntries e;
  e.unitIndex = kUnitWatt;
  e.envDB = 0, e.envWB = -2, e.envRH = 80;
  e.spaDB = 20, e.spaWB = 12, e.spaRH = 40;
  e.load.set(kUnitWatt, 10000);
  e.coilOut = 45;
  e.amount = 300;
  e.title = "Κατοικία";
  return e;
}

RunOutcome run(const WinterEntries& e, const ContinueQuestion& ask) {
  ZeroVariables(study());
  CollectInputs(e, study());
  return runWinterStudy(study(), ask);
}

TEST(WinterRun, EnglishStudyWritesBothFilesExactly) {
  test::ProgramFolderFixture folder;
  const RunOutcome out = run(englishEntries(), no());
  ASSERT_EQ(out.code, 0);
  EXPECT_FALSE(out.showMessage);
  EXPECT_EQ(test::readAll(folder.path("PSY_DAT.TMP")),
            lines({"\"AAA_NA\",1", "23,21,72.8", "70,56,40.7", "60000,0", "500,0", "0,0,1,111,0",
                   "1,0,0,0,\"C\"", "500"}));
  // By hand (English units, P = 29.921 inHg):
  //   outdoor 23/21 °F: 12.6 grains, 7.45 Btu/lb; room 70/56 °F: 44.2 grains, 23.69 Btu/lb
  //   Q = 60000 / (1.08 × (111 − 70)) = 1355.01 CFM -> 1355
  //   M: 70 − 500 × 47 / 1355.01 = 52.66 -> 52.7 °F; 32.54 grains; h 17.70; WB 45 °F
  //   S: 111 °F with the room's 44.2 grains: h = 0.24 × 111 + 0.0063137 × (1060.5 + 49.95)
  //      = 33.65; WB 70 °F (a whole degree within 0.005 inHg)
  //   T: h 33.65 at 32.54 grains: (33.65 − 1060.5 × 0.004648) / (0.24 + 0.45 × 0.004648) = 118.6 °F
  //   coil 4.45 × 1355.01 × (33.651 − 17.699) = 96185 Btu/h
  //   fresh air 1.08 × 500 × (70 − 23) = 25380, 0.68 × 500 × (44.2 − 12.6) = 10744
  //   water 1.7 × 1355.01 × 1.2 × (44.196 − 32.537) / 7000 = 4.60 kg/h
  const QByteArray expected =
      lines({"\"AAA_NA\",1", "23,21,72.8", "70,56,40.7", "52.7,45,17.7", "118.6,70,33.65",
             "111,70,33.65", "60000,0", "500,0", "1355,96185,25380,10744,0", "1,0,0,0,\"C\"",
             "0,0,1,111,0", "500"}) +
      tail("4.6");
  EXPECT_EQ(test::readAll(folder.path("PSY_RES.TMP")), expected);
  EXPECT_EQ(out.results, expected);
  EXPECT_TRUE(study().Unsaved);
  EXPECT_EQ(study().MessageCode, 0);
  EXPECT_FLOAT_EQ(study().HumidWaterLb, 10.15f);  // 4.6037 × 2.2046 = 10.149
}

TEST(WinterRun, RefusalsWriteNoResultsAndShowTheirMessage) {
  struct Case {
    WinterEntries entries;
    int code;
    const char* title;
    const char* text;
  };
  // Same unit in summer, 1000 CFM into a 68 °F room: 68 + 88561 / 1080 = 150.0009 °F.
  WinterEntries hot = englishEntries();
  hot.kindyIndex = kSummerSameUnit;
  hot.summerFlow = 1000;
  hot.spaDB = 68;
  hot.load.set(kUnitBtuF, 88561);
  WinterEntries fresh = englishEntries();
  fresh.amount = 1400;  // the load needs 1355 CFM
  const Case cases[] = {
      {hot, -100, "*** ΑΠΑΡΑΔΕΚΤΗ ΘΕΡΜΟΚΡΑΣΙΑ *** ",
       "... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 65 [°C] ...\n"
       "... Πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ...\n"
       "         \n"
       "... Οι Υπολογισμοί ΔΕΝ θα γίνουν ...\n"},
      {fresh, -2003, "*** ΑΠΑΡΑΔΕΚΤΑ ΔΕΔΟΜΕΝΑ *** ",
       "... Μάλλον πρέπει να γίνεται με την ίδια Μονάδα Ψύξη και το Καλοκαίρι ..."}};
  for (const Case& c : cases) {
    test::ProgramFolderFixture folder;
    const RunOutcome out = run(c.entries, yes());
    EXPECT_EQ(out.code, c.code);
    ASSERT_TRUE(out.showMessage) << c.code;
    EXPECT_EQ(out.message.code, c.code);
    EXPECT_EQ(out.message.title, QString::fromUtf8(c.title));
    EXPECT_EQ(out.message.text, QString::fromUtf8(c.text));
    EXPECT_EQ(out.message.icon, MsgIcon::Critical);
    EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
  }
}

TEST(WinterRun, RecirculationRunsWithATenthOfFreshAir) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.kindIndex = kKindRecirc;
  e.amount = 0;
  ASSERT_EQ(run(e, no()).code, 0);
  StudyState& s = study();
  EXPECT_EQ(s.KindCode, QStringLiteral("AA_100"));
  EXPECT_FLOAT_EQ(s.FreshAmount, 0.0f);
  EXPECT_FLOAT_EQ(s.FreshPerCent, 0.1f);
  EXPECT_FLOAT_EQ(s.DB_M, 70.0f);  // 70 − 0.1 × 47 / 1355 = 69.997
  EXPECT_FLOAT_EQ(s.HumidWaterKg, 0.0f);
  const QByteArray dat = test::readAll(folder.path("PSY_DAT.TMP"));
  EXPECT_TRUE(dat.contains("\r\n0,.1\r\n")) << dat.toStdString();
  EXPECT_TRUE(dat.endsWith("0,1,0,0,\"C\"\r\n.1\r\n")) << dat.toStdString();
}

TEST(WinterRun, OutdoorMoreHumidThanTheRoomRaisesTheRoomHumidity) {
  test::ProgramFolderFixture folder;
  // Outdoor 50 °F saturated (53.4 grains) is more humid than the room (68/50 °F, 28 grains).
  WinterEntries e = englishEntries();
  e.envDB = 50, e.envWB = 50, e.envRH = 100;
  e.spaDB = 68, e.spaWB = 50, e.spaRH = 27.6;
  e.coilOut = 110;
  ASSERT_EQ(run(e, no()).code, 0);
  StudyState& s = study();
  // Room takes the outdoor pv 0.3624: RH = 0.3624 / pws(68) 0.69021 = 52.51 %.
  EXPECT_NEAR(s.SpaRH, 0.3624 / 0.69021 * 100, 0.011);
  EXPECT_FLOAT_EQ(s.SpaGr, s.EnvGr);
  EXPECT_FLOAT_EQ(s.SpaWB, 50.0f);  // as entered
  EXPECT_FLOAT_EQ(s.FreshLatLoad, 0.0f);
  EXPECT_FLOAT_EQ(s.HumidWaterKg, 0.0f);
  // Room enthalpy from 68 °F and the raised moisture: 0.24 × 68 + W (1060.5 + 30.6).
  const double W = 53.4 / 7000.0;
  EXPECT_NEAR(s.Spa_h, 0.24 * 68 + W * (1060.5 + 0.45 * 68), 0.02);
  const QByteArray res = test::readAll(folder.path("PSY_RES.TMP"));
  EXPECT_TRUE(res.contains("\r\n68,50,52.51\r\n")) << res.toStdString();
}

TEST(WinterRun, FreshAirWithoutLoadsAtRoomTemperature) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.kindIndex = kKindFreshNoLoads;
  e.load.clear();
  e.amount = 1000;
  e.coilOut = 70;  // neutral supply air
  ASSERT_EQ(run(e, no()).code, 0);
  // 1000 CFM of outdoor air (7.4478 Btu/lb) to the room's 0.24 × 70 + 0.0063137 ×
  // (1060.5 + 31.5) = 23.6945: 4.45 × 1000 × (23.6945 − 7.4478) = 72298 Btu/h.
  EXPECT_FLOAT_EQ(study().SupplyFlow, 1000.0f);
  EXPECT_NEAR(study().CoilLoad, 72298, 1);
  EXPECT_FLOAT_EQ(study().DB_S, 70.0f);
}

TEST(WinterRun, FromADataFileAsTheBatchCalculatorDoes) {
  test::ProgramFolderFixture folder;
  const QByteArray dat = lines({"\"AAA_NA\",1", "23,21,72.8", "70,56,40.7", "60000,0", "500,0",
                                "0,0,1,111,0", "1,0,0,0,\"C\"", "500"});
  const RunOutcome out = runWinterFromDataFile(dat, no());
  ASSERT_EQ(out.code, 0);
  EXPECT_TRUE(out.results.contains("\r\n1355,96185,25380,10744,0\r\n"));
  EXPECT_EQ(test::readAll(folder.path("PSY_RES.TMP")), out.results);
  // A broken file is refused with the file message.
  const RunOutcome bad = runWinterFromDataFile("\"AAA_NA\",1\r\n23,x\r\n", no());
  EXPECT_EQ(bad.code, kCodeFileError);
  EXPECT_TRUE(bad.showMessage);
}

TEST(WinterRun, BatchCalculationLeavesTheProgramFolderAlone) {
  test::ProgramFolderFixture folder;
  // Same unit in summer, 1000 CFM into a 68 °F room: 68 + 70000 / 1080 = 132.8 °F.
  const QByteArray dat = lines({"\"AAA_NA\",1", "23,21,72.8", "68,56,40.7", "70000,0", "500,0",
                                "0,0,1,-10000,1000", "1,0,0,0,\"C\"", "500"});
  const RunOutcome no = calculateWinterData(
      dat, [](float) { return false; }, study());
  EXPECT_EQ(no.code, -100);
  EXPECT_FALSE(no.showMessage);
  const RunOutcome yes = calculateWinterData(
      dat, [](float) { return true; }, study());
  ASSERT_EQ(yes.code, 0);
  // Line 11: supply temperature shown 132.8 °F, the summer flow as given.
  EXPECT_TRUE(yes.results.contains("\r\n0,0,1,132.8,1000\r\n")) << yes.results.toStdString();
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
  EXPECT_FALSE(QFile::exists(folder.path("PSY_DAT.TMP")));
}

struct LoadUnitCase {
  const char* name;
  int unit;
  float value;  // 10 kW in that unit
};

class MetricLoadUnits : public ::testing::TestWithParam<LoadUnitCase> {};

TEST_P(MetricLoadUnits, GiveOneDesign) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricEntries();
  e.unitIndex = GetParam().unit;
  e.load.set(GetParam().unit, GetParam().value);
  ASSERT_EQ(run(e, no()).code, 0);
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

INSTANTIATE_TEST_SUITE_P(WinterRun, MetricLoadUnits,
                         ::testing::Values(LoadUnitCase{"Watt", kUnitWatt, 10000.0f},
                                           LoadUnitCase{"Kcal", kUnitKcal, 8598.555f},
                                           LoadUnitCase{"KW", kUnitKW, 10.0f},
                                           // 34144.2 Btu/h / 12000 = 2.84535 RT
                                           LoadUnitCase{"RT", kUnitRT, 2.84535f},
                                           LoadUnitCase{"BtuCelsius", kUnitBtuC, 34144.2f}),
                         [](const ::testing::TestParamInfo<LoadUnitCase>& info) {
                           return info.param.name;
                         });

TEST(WinterRun, EnglishPerCentMixingWholeResultsFile) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.optAmount = false;
  e.amount = 500;  // still in the amount box: the per cent is in force
  e.perCent = 25;
  ASSERT_EQ(run(e, no()).code, 0);
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
      tail("3.12");
  EXPECT_EQ(test::readAll(folder.path("PSY_RES.TMP")), expected);
}

TEST(WinterRun, FullFreshAirWithTheSummerFlow) {
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
    WinterEntries e = englishEntries();
    e.kindIndex = kKindFreshLoads;
    e.kindyIndex = kSummerSameUnit;
    e.summerFlow = 1500;
    e.amount = c.amount;
    ASSERT_EQ(run(e, no()).code, 0) << c.amount;
    const QByteArray amount = QByteArray::number(static_cast<int>(c.amount));
    const QByteArray expected = lines({"\"NA_PAF\",1", "23,21,72.8", "70,56,40.7", "23,21,7.45",
                                       "127.8,69,32.69", "107,69,32.69", "60000,0"}) +
                                amount + ",0\r\n" + c.line9 + "\r\n" +
                                "0,0,1,2,\"C\"\r\n0,0,1,107,1500\r\n" + c.supply + "\r\n" +
                                tail(c.water);
    EXPECT_EQ(test::readAll(folder.path("PSY_RES.TMP")), expected) << c.amount;
  }
}

TEST(WinterRun, ConversionsRoundTemperaturesAndFlows) {
  StudyState s;
  s.EnvDB = -20;
  s.EnvWB = -20.3f;
  s.SpaDB = 20.1f;
  s.SpaWB = 12;
  s.DB_S = 45;
  s.FreshMode = "C";
  s.FreshValue = 300;
  s.SummerFlow = 2550;
  s.SensLoad = 1000;
  Convert_British(s);
  // −20 × 1.8 + 32 = −4; −20.3 -> −4.54 -> −4.5; 20.1 -> 68.18 -> 68.2; 45 -> 113;
  // 300 / 1.7 = 176.47 -> 176.5; 2550 / 1.7 = 1500; 1000 kcal/h = 3970.923 Btu/h.
  EXPECT_FLOAT_EQ(s.EnvDB, -4.0f);
  EXPECT_FLOAT_EQ(s.EnvWB, -4.5f);
  EXPECT_FLOAT_EQ(s.SpaDB, 68.2f);
  EXPECT_FLOAT_EQ(s.DB_S, 113.0f);
  EXPECT_FLOAT_EQ(s.FreshValue, 176.5f);
  EXPECT_FLOAT_EQ(s.SummerFlow, 1500.0f);
  EXPECT_FLOAT_EQ(s.SensLoad, 3970.923f);
  StudyState m;
  m.DB_S = kWinterUnset;
  m.DB_T = 116.5f;
  m.h_T = 33.14f;
  m.SupplyFlow = 703;
  m.CoilLoad = 3970.923f;
  Convert_Metric(m);
  EXPECT_FLOAT_EQ(m.DB_S, kWinterUnset);  // a marker stays
  EXPECT_FLOAT_EQ(m.DB_T, 46.9f);         // 84.5 × 5/9 = 46.94
  EXPECT_NEAR(m.h_T, 33.14 * 0.2518301785 / 0.45359, 1e-4);
  EXPECT_FLOAT_EQ(m.SupplyFlow, 1195.1f);
  EXPECT_NEAR(m.CoilLoad, 1000.0, 1e-3);
}

}  // namespace
}  // namespace aeriton::winter
