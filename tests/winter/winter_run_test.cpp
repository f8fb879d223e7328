// The run of the calculate button after its checks: data file, conversions,
// calculation, results file, and the refusals with their messages.
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
  e.envDB = 23;
  e.envWB = 21;
  e.envRH = 72.8;
  e.spaDB = 70;
  e.spaWB = 56;
  e.spaRH = 40.7;
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
  e.envDB = 0;
  e.envWB = -2;
  e.envRH = 80;
  e.spaDB = 20;
  e.spaWB = 12;
  e.spaRH = 40;
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

TEST(WinterRun, MetricCoilOutletFortyFiveGivesItsFlowAndKeepsFortyFive) {
  test::ProgramFolderFixture folder;
  const RunOutcome out = run(metricEntries(), no());
  ASSERT_EQ(out.code, 0);
  StudyState& s = study();
  // 10000 W = 8598.555 kcal/h = 34144.2 Btu/h; 45 °C = 113 °F, 20 °C = 68 °F:
  // Q = 34144.2 / (1.08 × (113 − 68)) = 702.56 CFM -> 703 CFM = 1195.1 m³/h.
  EXPECT_FLOAT_EQ(s.SupplyFlow, 1195.1f);
  EXPECT_FLOAT_EQ(s.DB_S, 45.0f);
  EXPECT_FLOAT_EQ(s.SupplyTempShown, 45.0f);
  // The summer flow is the one the user gave: none (another unit in summer).
  EXPECT_FLOAT_EQ(s.SummerFlow, 0.0f);
  // Entered values come back as entered.
  EXPECT_FLOAT_EQ(s.EnvDB, 0.0f);
  EXPECT_FLOAT_EQ(s.EnvWB, -2.0f);
  EXPECT_FLOAT_EQ(s.SpaDB, 20.0f);
  EXPECT_FLOAT_EQ(s.SpaWB, 12.0f);
  EXPECT_FLOAT_EQ(s.SensLoad, 8598.555f);
  EXPECT_FLOAT_EQ(s.FreshFlow, 300.0f);
  // States by hand in °F, then (t − 32) × 5/9:
  //   M: 68 − 176.5 × 36 / 702.56 = 58.96 -> 59.0 °F = 15.0 °C; WB 48 °F = 8.9 °C
  //   T: 116.5 °F = 46.9 °C, WB 69.5 °F = 20.8 °C; S: WB 20.8 °C
  EXPECT_FLOAT_EQ(s.DB_M, 15.0f);
  EXPECT_FLOAT_EQ(s.WB_M, 8.9f);
  EXPECT_FLOAT_EQ(s.DB_T, 46.9f);
  EXPECT_FLOAT_EQ(s.WB_T, 20.8f);
  EXPECT_FLOAT_EQ(s.WB_S, 20.8f);
  // Enthalpies × 0.2518301785 / 0.45359: 19.22 -> 10.671, 33.14 -> 18.399 kcal/kg.
  EXPECT_NEAR(s.h_M, 19.22 * 0.2518301785 / 0.45359, 1e-4);
  EXPECT_NEAR(s.h_T, 33.14 * 0.2518301785 / 0.45359, 1e-4);
  // Coil 4.45 × 702.56 × (33.136 − 19.215) = 43522 Btu/h = 10960.2 kcal/h.
  EXPECT_NEAR(s.CoilLoad, 43522 / 3.970923, 0.01);
  // Fresh air 176.5 CFM: 1.08 × 176.5 × 36 = 6862 Btu/h; 0.68 × 176.5 × (37.9 − 16.7) = 2544.
  EXPECT_NEAR(s.FreshSensLoad, 6862 / 3.970923, 0.01);
  EXPECT_NEAR(s.FreshLatLoad, 2544 / 3.970923, 0.01);
  // Water 1.7 × 702.56 × 1.2 × (37.893 − 32.562) / 7000 = 1.09 kg/h.
  EXPECT_FLOAT_EQ(s.HumidWaterKg, 1.09f);
  // The file is in the study's units, metric codes 1 / 0.
  const QByteArray res = test::readAll(folder.path("PSY_RES.TMP"));
  EXPECT_TRUE(res.startsWith("\"AAA_NA\",0\r\n0,-2,80\r\n20,12,40\r\n15,8.9,"))
      << res.toStdString();
  EXPECT_TRUE(res.contains("\r\n1,0,1,45,0\r\n300\r\n")) << res.toStdString();
  EXPECT_TRUE(res.contains("\r\n46.9,20.8,")) << res.toStdString();
  EXPECT_TRUE(res.contains("\r\n1195.1,")) << res.toStdString();
}

TEST(WinterRun, BtuWithCelsiusCarriesKcalInTheDataFile) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricEntries();
  e.unitIndex = kUnitBtuC;
  e.load.set(kUnitBtuC, 34144.2f);
  ASSERT_EQ(run(e, no()).code, 0);
  // 34144.2 / 3.970923 = 8598.555 kcal/h on line 4; codes 32 / 32.
  const QByteArray dat = test::readAll(folder.path("PSY_DAT.TMP"));
  EXPECT_TRUE(dat.startsWith("\"AAA_NA\",32\r\n")) << dat.toStdString();
  EXPECT_TRUE(dat.contains("\r\n8598.555,0\r\n")) << dat.toStdString();
  EXPECT_TRUE(dat.contains("\r\n32,0,1,45,0\r\n")) << dat.toStdString();
  EXPECT_FLOAT_EQ(study().SupplyFlow, 1195.1f);
}

TEST(WinterRun, SameUnitInSummerKeepsItsFlow) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricEntries();
  e.kindyIndex = kSummerSameUnit;
  e.summerFlow = 2550;  // 1500 CFM
  ASSERT_EQ(run(e, no()).code, 0);
  StudyState& s = study();
  // t_s = 68 + 34144.2 / (1.08 × 1500) = 89.08 °F -> 89.1 °F = 31.7 °C.
  EXPECT_FLOAT_EQ(s.DB_S, 31.7f);
  EXPECT_FLOAT_EQ(s.SupplyTempShown, 31.7f);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 2550.0f);
  EXPECT_FLOAT_EQ(s.SummerFlow, 2550.0f);
  const QByteArray dat = test::readAll(folder.path("PSY_DAT.TMP"));
  EXPECT_TRUE(dat.contains("\r\n1,0,1,-10000,2550\r\n")) << dat.toStdString();
}

// A summer flow giving 131 °F < t_s ≤ 150 °F asks; 1000 CFM and 70000 Btu/h
// give 68 + 70000 / 1080 = 132.8 °F = 56.0 °C.
WinterEntries hotEntries(float btu) {
  WinterEntries e = englishEntries();
  e.kindyIndex = kSummerSameUnit;
  e.summerFlow = 1000;
  e.spaDB = 68;
  e.load.set(kUnitBtuF, btu);
  return e;
}

TEST(WinterRun, HotSupplyQuestionYesContinues) {
  test::ProgramFolderFixture folder;
  float asked = 0;
  const RunOutcome out = run(hotEntries(70000), [&](float t) {
    asked = t;
    return true;
  });
  EXPECT_EQ(out.code, 0);
  EXPECT_NEAR(asked, 132.8148, 1e-3);
  EXPECT_FLOAT_EQ(study().DB_S, 132.8f);
  EXPECT_TRUE(QFile::exists(folder.path("PSY_RES.TMP")));
}

TEST(WinterRun, HotSupplyQuestionNoEndsSilently) {
  test::ProgramFolderFixture folder;
  const RunOutcome out = run(hotEntries(70000), no());
  EXPECT_EQ(out.code, kCodeSupplyTooHot);
  EXPECT_FALSE(out.showMessage);
  EXPECT_EQ(study().MessageCode, 0);
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
}

TEST(WinterRun, HotSupplyQuestionThroughTheMessageService) {
  test::ProgramFolderFixture folder;
  folder.messages.answer(MsgAnswer::No);
  const RunOutcome out = run(hotEntries(70000), askThroughMessages);
  EXPECT_EQ(out.code, kCodeSupplyTooHot);
  ASSERT_EQ(folder.messages.shown().size(), 1u);
  const Message& m = folder.messages.shown()[0];
  EXPECT_EQ(m.code, -102);
  EXPECT_EQ(m.title, QStringLiteral("!!  ΠΡΟΣΟΧΗ   !!"));
  EXPECT_TRUE(
      m.text.startsWith(QStringLiteral("... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι "
                                       "μεγαλύτερη των 54 [°C] (-> 56 [°C]) ...\n")))
      << m.text.toStdString();
  EXPECT_EQ(m.buttons, MsgButtons::YesNo);
  EXPECT_EQ(m.defaultButton, MsgAnswer::No);
  EXPECT_TRUE(study().UserAnswer.isEmpty());
}

TEST(WinterRun, SupplyAboveOneFiftyIsRefusedWithItsMessage) {
  test::ProgramFolderFixture folder;
  // 68 + 88561 / 1080 = 150.0009 °F.
  const RunOutcome out = run(hotEntries(88561), yes());
  EXPECT_EQ(out.code, -100);
  ASSERT_TRUE(out.showMessage);
  EXPECT_EQ(out.message.code, -100);
  EXPECT_EQ(out.message.title, QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΗ ΘΕΡΜΟΚΡΑΣΙΑ *** "));
  EXPECT_EQ(out.message.text,
            QStringLiteral(
                "... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 65 [°C] ...\n"
                "... Πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ...\n"
                "         \n"
                "... Οι Υπολογισμοί ΔΕΝ θα γίνουν ...\n"));
  EXPECT_EQ(out.message.icon, MsgIcon::Critical);
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
}

TEST(WinterRun, TooMuchFreshAirForMixing) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.amount = 1400;  // the load needs 1355 CFM
  const RunOutcome out = run(e, no());
  EXPECT_EQ(out.code, -2003);
  EXPECT_EQ(out.message.title, QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΑ ΔΕΔΟΜΕΝΑ *** "));
  EXPECT_EQ(
      out.message.text,
      QStringLiteral("... Μάλλον πρέπει να γίνεται με την ίδια Μονάδα Ψύξη και το Καλοκαίρι ..."));
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
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
  // Outdoor 50 °F saturated (0.3624 inHg: 7000 × 0.6224 × 0.3624 / 29.5586 = 53.4
  // grains), room 68 °F / 50 °F wet bulb (about 28 grains): the fresh air is
  // the more humid.
  WinterEntries e = englishEntries();
  e.envDB = 50;
  e.envWB = 50;
  e.envRH = 100;
  e.spaDB = 68;
  e.spaWB = 50;
  e.spaRH = 27.6;
  e.coilOut = 110;
  ASSERT_EQ(run(e, no()).code, 0);
  StudyState& s = study();
  // Room at 53.4 grains and 68 °F: pv = 0.3624 (the outdoor vapour pressure),
  // RH = 0.3624 / 0.69021 = 52.51 %.
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

TEST(WinterRun, FullFreshAirLargerAndSmallerThanTheLoadsFlow) {
  struct Case {
    double amount;
    const char* supply;
  };
  // The load needs 1355.01 CFM (see the English study).
  for (Case c : {Case{2000, "2000,"}, Case{1000, "1355,"}}) {
    test::ProgramFolderFixture folder;
    WinterEntries e = englishEntries();
    e.kindIndex = kKindFreshLoads;
    e.amount = c.amount;
    ASSERT_EQ(run(e, no()).code, 0) << c.amount;
    const QByteArray res = test::readAll(folder.path("PSY_RES.TMP"));
    EXPECT_TRUE(res.contains(QByteArray("\r\n") + c.supply)) << res.toStdString();
    // M is the outdoor air.
    EXPECT_TRUE(res.contains("\r\n23,21,7.45\r\n")) << res.toStdString();
  }
}

TEST(WinterRun, ZeroLoadWithoutFreshAirIsRefusedWithoutResults) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.kindIndex = kKindFreshNoLoads;
  e.load.clear();
  e.amount = 0;
  const RunOutcome out = run(e, no());
  EXPECT_EQ(out.code, kCodeNoFlow);
  EXPECT_TRUE(out.showMessage);
  EXPECT_EQ(out.message.icon, MsgIcon::Critical);
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
}

TEST(WinterRun, FreshAirWithoutLoadsAtRoomTemperature) {
  test::ProgramFolderFixture folder;
  WinterEntries e = englishEntries();
  e.kindIndex = kKindFreshNoLoads;
  e.load.clear();
  e.amount = 1000;
  e.coilOut = 70;  // neutral supply air
  ASSERT_EQ(run(e, no()).code, 0);
  // Heating 1000 CFM of outdoor air (7.4478 Btu/lb) to the enthalpy of the
  // room air at 70 °F, 0.24 × 70 + 0.0063137 × (1060.5 + 31.5) = 23.6945:
  // 4.45 × 1000 × (23.6945 − 7.4478) = 72298 Btu/h.
  EXPECT_FLOAT_EQ(study().SupplyFlow, 1000.0f);
  EXPECT_NEAR(study().CoilLoad, 72298, 1);
  EXPECT_FLOAT_EQ(study().DB_S, 70.0f);
}

TEST(WinterRun, CoilOutletBelowTheRoomIsRefused) {
  test::ProgramFolderFixture folder;
  WinterEntries e = metricEntries();
  e.spaDB = 26;
  e.coilOut = 25;
  const RunOutcome out = run(e, no());
  EXPECT_EQ(out.code, kCodeCoilOutNotAboveRoom);
  EXPECT_EQ(out.message.title, QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΑ ΔΕΔΟΜΕΝΑ *** "));
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
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
