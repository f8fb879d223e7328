// The winter run recomputed by hand: data file, conversions, results file byte
// for byte, refusals.
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

// Lines 13 and 14 of a results file: markers, then the humidifier water.
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
  // By hand (P = 29.921 inHg): outdoor 12.6 grains, h 7.45; room 44.2 grains, h 23.69
  //   Q = 60000 / (1.08 × (111 − 70)) = 1355.01 CFM
  //   M: 70 − 500 × 47 / 1355.01 = 52.66 °F; 32.54 grains; h 17.70; WB 45 °F
  //   S: 0.24 × 111 + 0.0063137 × (1060.5 + 49.95) = 33.65; WB 70 °F
  //   T: (33.65 − 1060.5 × 0.004648) / (0.24 + 0.45 × 0.004648) = 118.6 °F
  //   coil 4.45 × 1355.01 × (33.651 − 17.699) = 96185; fresh 25380, 10744
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
  EXPECT_FLOAT_EQ(study().DB_M, 70.0f);  // 70 − 0.1 × 47 / 1355 = 69.997
  EXPECT_FLOAT_EQ(study().HumidWaterKg, 0.0f);
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
  EXPECT_FLOAT_EQ(s.SpaGr, s.EnvGr);
  EXPECT_FLOAT_EQ(s.HumidWaterKg, 0.0f);
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

TEST(WinterRun, BatchCalculationLeavesTheProgramFolderAlone) {
  test::ProgramFolderFixture folder;
  // Same unit in summer, 1000 CFM into a 68 °F room: 68 + 70000 / 1080 = 132.8 °F.
  const QByteArray dat = lines({"\"AAA_NA\",1", "23,21,72.8", "68,56,40.7", "70000,0", "500,0",
                                "0,0,1,-10000,1000", "1,0,0,0,\"C\"", "500"});
  const RunOutcome refused = calculateWinterData(dat, no(), study());
  EXPECT_EQ(refused.code, -100);
  EXPECT_FALSE(refused.showMessage);
  const RunOutcome out = calculateWinterData(dat, yes(), study());
  ASSERT_EQ(out.code, 0);
  // Line 11: supply temperature shown 132.8 °F, the summer flow as given.
  EXPECT_TRUE(out.results.contains("\r\n0,0,1,132.8,1000\r\n")) << out.results.toStdString();
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
  EXPECT_FALSE(QFile::exists(folder.path("PSY_DAT.TMP")));
  const RunOutcome bad = runWinterFromDataFile("\"AAA_NA\",1\r\n23,x\r\n", yes());
  EXPECT_EQ(bad.code, kCodeFileError);
  EXPECT_TRUE(bad.showMessage);
}

TEST(WinterRun, MetricLoadUnitsGiveOneDesign) {
  struct Case {
    int unit;
    float value;  // 10 kW; 34144.2 Btu/h / 12000 = 2.84535 RT
  };
  for (const Case c :
       {Case{kUnitWatt, 10000.0f}, Case{kUnitRT, 2.84535f}, Case{kUnitBtuC, 34144.2f}}) {
    test::ProgramFolderFixture folder;
    WinterEntries e = metricEntries();
    e.unitIndex = c.unit;
    e.load.set(c.unit, c.value);
    ASSERT_EQ(run(e, no()).code, 0) << c.unit;
    const StudyState& s = study();
    // The data file carries kcal/h: 10 kW = 8598.555 kcal/h.
    StudyState dat;
    ASSERT_TRUE(readDataFile(test::readAll(folder.path("PSY_DAT.TMP")), dat));
    EXPECT_NEAR(dat.SensLoad, 8598.555, 0.01);
    // By hand (°F): 34144.2 Btu/h; Q = 34144.2 / (1.08 × (113 − 68)) = 702.56 CFM
    // -> 703 -> 1195.1 m³/h. M 58.96 °F, h 19.215; S h 33.136 (37.89 grains).
    EXPECT_FLOAT_EQ(s.SupplyFlow, 1195.1f);
    // Coil 4.45 × 702.56 × (33.136 − 19.215) = 43522 Btu/h; fresh 176.5 CFM:
    // 1.08 × 176.5 × 36 = 6862, 0.68 × 176.5 × (37.9 − 16.7) = 2544 Btu/h.
    EXPECT_NEAR(s.CoilLoad, 43522 / kBtuPerKcal, 0.01);
    EXPECT_NEAR(s.FreshSensLoad, 6862 / kBtuPerKcal, 0.01);
    EXPECT_NEAR(s.FreshLatLoad, 2544 / kBtuPerKcal, 0.01);
    // Water 1.7 × 702.56 × 1.2 × (37.893 − 32.562) / 7000 = 1.09 kg/h.
    EXPECT_FLOAT_EQ(s.HumidWaterKg, 1.09f);
    EXPECT_NEAR(s.SensLoad, 8598.555, 0.01);
  }
}

TEST(WinterRun, EnglishPerCentMixingWholeResultsFile) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.optAmount = false;
  e.amount = 500;  // still in the amount box: the per cent is in force
  e.perCent = 25;
  ASSERT_EQ(run(e, no()).code, 0);
  // By hand: Q 1355.014 CFM, fresh 25 % = 338.7534 CFM
  //   M: 0.25 × 23 + 0.75 × 70 = 58.25 -> 58.3 °F; 36.297 grains; h 19.633; WB 49
  //   T: (33.651 − 1060.5 × 0.0051853) / (0.24 + 0.45 × 0.0051853) = 116.17 -> 116.2
  //   coil 4.45 × 1355.014 × (33.651 − 19.633) = 84527; fresh 17195 and 7279
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
  // The unit keeps 1500 CFM: t_s = 70 + 60000 / (1.08 × 1500) = 107.04 °F, h 32.689,
  // WB 69; T = (32.689 − 1060.5 × 0.0018002) / (0.24 + 0.45 × 0.0018002) = 127.8 °F.
  // 1000 CFM asked, less than the summer flow: 1500 CFM of outdoor air, coil
  // 4.45 × 1500 × (32.689 − 7.4478) = 168483, water 13.81; 2000 CFM: 224644, 18.41.
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
  s.EnvWB = -20.3f;
  s.FreshValue = 300;
  s.SensLoad = 1000;
  Convert_British(s);
  // −20.3 °C -> −4.54 -> −4.5 °F; 300 / 1.7 = 176.47 -> 176.5; 1000 kcal/h = 3970.923 Btu/h.
  EXPECT_FLOAT_EQ(s.EnvWB, -4.5f);
  EXPECT_FLOAT_EQ(s.FreshValue, 176.5f);
  EXPECT_FLOAT_EQ(s.SensLoad, 3970.923f);
  StudyState m;
  m.DB_S = kWinterUnset;
  m.DB_T = 116.5f;
  Convert_Metric(m);
  EXPECT_FLOAT_EQ(m.DB_S, kWinterUnset);  // a marker stays
  EXPECT_FLOAT_EQ(m.DB_T, 46.9f);         // 84.5 × 5/9 = 46.94
}

}  // namespace
}  // namespace aeriton::winter
