// The raise of the supply-air temperature: request checks, the wet-bulb search,
// the record against hand computations, and line 13 of "PSY_RES.TMP".

#include "summer/Raise.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cmath>

#include "TestSupport.h"
#include "engine/Psychro.h"
#include "study/RecordText.h"
#include "summer/ResultsView.h"
#include "summer/results_study.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

// Metric office: outdoor 35/24 °C, room 26/18.5 °C, 10 + 2 kW, 600 m³/h fresh air,
// mixing. Results: coil outlet 14.7 °C, mixed 28.1 °C / 17.76619 kcal/kg, 2652 m³/h,
// OASH 1554.802 kcal/h, no reheat, BF 0.15.
test::SummerStudy officeStudy() {
  test::SummerStudy st;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = 2000, st.fresh = 600;
  return st;
}

QList<QByteArray> fileLines(const QString& path) {
  QList<QByteArray> lines = test::readAll(path).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void writeRequest(float T) {
  test::writeAll(appfolder::path("PSY_VEE.TMP"), raiseRequestBytes(T));
}

StudyState readResults() {
  StudyState s;
  EXPECT_TRUE(readResultsFile(test::readAll(appfolder::path("PSY_RES.TMP")), s).ok);
  return s;
}

}  // namespace

// Metric needs 5 °C below the room, English 9 °F; the outlet check comes first.
TEST(RaiseChecks, RefusesOrAccepts) {
  const struct {
    float T, room, outlet;
    bool metric;
    RaiseCheck expected;
  } cases[] = {{26.0f, 26.0f, 14.7f, true, RaiseCheck::NotBelowRoom},
               {22.0f, 26.0f, 14.7f, true, RaiseCheck::TooClose},
               {21.0f, 26.0f, 14.7f, true, RaiseCheck::Accepted},
               {21.3f, 26.3f, 14.7f, true, RaiseCheck::Accepted},  // 5 in single precision
               {14.7f, 26.0f, 14.7f, true, RaiseCheck::NotAboveOutlet},
               {22.0f, 26.0f, 23.0f, true, RaiseCheck::NotAboveOutlet},
               {70.0f, 78.0f, 58.5f, false, RaiseCheck::TooClose}};
  for (const auto& c : cases)
    EXPECT_EQ(checkRaise(c.T, c.room, c.outlet, c.metric), c.expected) << c.T << " " << c.room;
}

// The search inverts Carrier's equation to within the interpolation between whole degrees.
TEST(WetBulbSearch, InvertsCarrierOverAGrid) {
  int states = 0;
  for (int db = 40; db <= 120; db += 5) {
    for (int depression = 0; depression <= 30; depression += 3) {
      const float wb = static_cast<float>(db - depression) + 0.37f;
      if (wb > db || wb < 12) continue;
      const float pw = psy::CarrierPv(static_cast<float>(db), wb);
      if (!(pw > 0)) continue;
      float found = 0;
      ASSERT_TRUE(searchWetBulb(static_cast<float>(db), pw, false, found)) << db << " " << wb;
      EXPECT_NEAR(found, wb, 0.05f) << db << " " << wb;
      ++states;
    }
  }
  EXPECT_GT(states, 100);
}

TEST(WetBulbSearch, RefusesSupersaturatedAndNonNumbers) {
  float wb = -1;  // 1.2 × the saturation pressure is no state of moist air
  EXPECT_FALSE(searchWetBulb(70.0f, 1.2f * psy::SatPressure(70.0f), false, wb));
  EXPECT_FALSE(searchWetBulb(NAN, 0.4f, false, wb));
  EXPECT_FALSE(searchWetBulb(70.0f, NAN, false, wb));
  EXPECT_FLOAT_EQ(wb, -1);
}

TEST(BypassFactorRule, AgreesWithRealCalculations) {
  test::ProgramFolderFixture fx;
  test::SummerStudy dry = officeStudy(), latent = dry, humid = dry, recircDry = dry, fresh = dry;
  latent.lat = 8000;    // steep room line: reheat
  humid.spaWB = 21.5f;  // room above 65 %
  recircDry.kind = "AA_100", recircDry.lat = 0;
  fresh.kind = "NA_PAF", fresh.fresh = 4000;
  for (const auto& st : {dry, latent, humid, recircDry, fresh}) {
    resetStudy();
    ASSERT_EQ(test::runSummerStudy(st), 0);
    EXPECT_FLOAT_EQ(bypassFactorRule(readResults()), study().BF)
        << st.kind.toStdString() << " " << st.lat << " " << st.spaWB;
  }
}

// Office raised to 21 °C (69.8 °F), worked in English units: DBr 78.8, DBc 58.5,
//   DBm 82.6 °F; RSH 34144.2, OASH 6174.0 Btu/h; CFMsa 1560; Hm 32.000 Btu/lb;
//   Wc 0.009484, Wm 0.011118, Wadp 0.0091956, BF 0.15.
//   GRc = 66.388; pw = 29.921·66.388 / (66.388 + 4354) = 0.44937 inHg
//   Hs  = 0.24·69.8 + 0.009484·(1060.5 + 0.45·69.8) = 27.108 Btu/lb = 15.05 kcal/kg
//   Rr  = 1.08·1560·(69.8 − 58.5) = 19038 Btu/h = 4794.4 kcal/h
//   F   = 34144.2 / (1.08·9.0) = 3512.8 → 3513 CFM = 5972.1 m³/h
//   ADP' = 78.8 − (0.15·6174 + 34144.2 + 19038) / (0.85·1.08·3512.8) = 62.02 °F
//   DB' = 62.02 + 0.15·(82.6 − 62.02) = 65.11 °F = 18.4 °C
//   W'  = Wadp + 0.15·(Wm − Wadp) = 0.009484 (= Wc): 66.39 grains = 9.5 g/kg
//   H'  = 0.24·65.11 + 0.009484·(1060.5 + 0.45·65.11) = 25.961 Btu/lb = 14.41 kcal/kg
//   QC' = 4.45·3512.8·(32.000 − 25.961) = 94399 Btu/h = 23772.6 kcal/h
void expectOfficeRaise(const ChangeRecord& r, double tolScale = 1.0) {
  EXPECT_FLOAT_EQ(r[rec::SupplyDB], 21.0f);
  EXPECT_NEAR(r[rec::SupplyH], 15.05, 0.02 * tolScale);
  EXPECT_NEAR(r[rec::SupplyGr], 9.5, 0.05 * tolScale);
  // pws(69.8 °F) = 0.7343 inHg → 0.44937 / 0.7343 = 61.2 %.
  EXPECT_NEAR(r[rec::SupplyRH], 61.2, 0.3 * tolScale);
  EXPECT_NEAR(r[rec::CoilDB], 18.4, 0.1 * tolScale);
  EXPECT_NEAR(r[rec::CoilGr], 9.5, 0.05 * tolScale);
  EXPECT_NEAR(r[rec::CoilH], 14.41, 0.03 * tolScale);
  EXPECT_NEAR(r[rec::RaiseReheat], 4794.4, 3.0 * tolScale);
  EXPECT_NEAR(r[rec::NewFlow], 5972.1, 2.0 * tolScale);
  EXPECT_NEAR(r[rec::NewCoilLoad], 23772.6, 0.003 * 23772.6 * tolScale);
  const float pwSupply = psy::CarrierPv(69.8f, r[rec::SupplyWB] * 9.0f / 5.0f + 32.0f);
  EXPECT_NEAR(pwSupply, 0.44937f, 0.006f);
  EXPECT_LT(r[rec::SupplyWB], r[rec::SupplyDB]);
  EXPECT_LT(r[rec::CoilWB], r[rec::CoilDB]);
}

// Reopened from its file (no calculation state): the humidity ratios come from
// the file's bulbs, the bypass factor from the rule, within the file's rounding.
TEST(Raise, ReopenedStudyRecomputesItsCoilFromTheFile) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(officeStudy()), 0);
  const StudyState file = readResults();
  RaiseBasis fromCalc, fromFile;
  ASSERT_TRUE(basisFromCalculation(study(), file, fromCalc));
  resetStudy();
  EXPECT_FALSE(basisFromCalculation(study(), file, fromFile));
  ASSERT_TRUE(basisFromResults(file, fromFile));
  EXPECT_FLOAT_EQ(fromFile.BF, fromCalc.BF);
  EXPECT_NEAR(fromFile.Wadp, fromCalc.Wadp, 0.0001f);
  ChangeRecord r;
  ASSERT_TRUE(computeRaise(fromFile, 21.0f, true, r));
  expectOfficeRaise(r, 3.0);
}

// English: 95/75 °F, room 78/65 °F, 40000 / 8000 Btu/h, 400 CFM, raised to 65 °F:
//   F = 40000 / (1.08·13) = 2849 CFM; Rr = 1.08·1897·(65 − 58.5) = 13317 Btu/h
//   Hs = 0.24·65 + 0.0094661·(1060.5 + 29.25) = 25.92 Btu/lb
TEST(Raise, EnglishStudyRecordStaysInEnglishUnits) {
  test::ProgramFolderFixture fx;
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 40000, st.lat = 8000, st.fresh = 400;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  const StudyState file = readResults();
  ASSERT_FLOAT_EQ(file.DB_T, 58.5f);
  ASSERT_FLOAT_EQ(file.SupplyFlow, 1897.0f);
  writeRequest(65.0f);
  const RaiseOutcome out = MakeNewCalc(study());
  ASSERT_TRUE(out.ok) << out.error.toStdString();
  EXPECT_FLOAT_EQ(out.record[rec::SupplyDB], 65.0f);
  EXPECT_FLOAT_EQ(out.record[rec::NewFlow], 2849.0f);
  EXPECT_FLOAT_EQ(out.record[rec::RaiseReheat], 13317.0f);
  EXPECT_NEAR(out.record[rec::SupplyH], 25.92, 0.01);
  EXPECT_NEAR(out.record[rec::SupplyGr], 66.3, 0.05);  // 7000 × 0.0094661
  EXPECT_GT(out.record[rec::SupplyRH], 1.0f);          // per cent, not a fraction
}

// 22 °C, only 4 °C below the room, is refused again by the calculation itself and
// leaves the results alone; 21 °C goes into line 13 and only there.
TEST(MakeNewCalc, WritesTheRecordIntoLine13AndDeletesTheRequest) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(officeStudy()), 0);
  const QByteArray original = test::readAll(fx.path("PSY_RES.TMP"));
  writeRequest(22.0f);
  EXPECT_FALSE(MakeNewCalc(study()).ok);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), original);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_VEE.TMP")));

  const QList<QByteArray> before = fileLines(fx.path("PSY_RES.TMP"));
  ASSERT_EQ(before.size(), 14);
  writeRequest(21.0f);
  const RaiseOutcome out = MakeNewCalc(study());
  ASSERT_TRUE(out.ok) << out.error.toStdString();
  EXPECT_FALSE(QFile::exists(fx.path("PSY_VEE.TMP")));
  expectOfficeRaise(out.record);

  const QList<QByteArray> after = fileLines(fx.path("PSY_RES.TMP"));
  ASSERT_EQ(after.size(), 14);
  for (int i = 0; i < 14; ++i) EXPECT_TRUE(i == 12 || after[i] == before[i]) << "line " << i + 1;
  RecordWriter w;
  for (float v : out.record) w.single(v);
  w.endLine();
  EXPECT_EQ(after[12] + '\n', w.bytes());
  EXPECT_TRUE(after[12].startsWith("21,")) << after[12].constData();  // metric: °C first
}

// A second raise is checked against the raised temperature in force, not the
// coil outlet of the calculation: office coil outlet 14.7 °C, raised to 18 °C;
// 17 °C (below the 18 shown) and 18 °C (equal) are refused and leave the file
// alone, 20 °C is accepted. The record of the second raise is worked from the
// calculation, exactly as a single raise to 20 °C would be.
TEST(MakeNewCalc, SecondRaiseMustLieAboveTheRaisedTemperature) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(officeStudy()), 0);
  const StudyState calculated = readResults();
  ASSERT_FLOAT_EQ(calculated.DB_T, 14.7f);
  writeRequest(18.0f);
  const RaiseOutcome first = MakeNewCalc(study());
  ASSERT_TRUE(first.ok) << first.error.toStdString();
  EXPECT_FLOAT_EQ(first.record[rec::SupplyDB], 18.0f);
  const StudyState raised = readResults();
  EXPECT_FLOAT_EQ(ResultsView(raised, "WATT", 0).presentOutletTemperature(), 18.0f);
  EXPECT_EQ(checkRaise(17.0f, 26.0f, 18.0f, true), RaiseCheck::NotAboveOutlet);

  const QByteArray afterFirst = test::readAll(fx.path("PSY_RES.TMP"));
  for (float lower : {17.0f, 18.0f}) {
    writeRequest(lower);
    EXPECT_FALSE(MakeNewCalc(study()).ok) << lower;
    EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), afterFirst) << lower;
    EXPECT_FALSE(QFile::exists(fx.path("PSY_VEE.TMP")));
  }

  writeRequest(20.0f);
  const RaiseOutcome second = MakeNewCalc(study());
  ASSERT_TRUE(second.ok) << second.error.toStdString();
  RaiseBasis basis;
  ASSERT_TRUE(basisFromCalculation(study(), calculated, basis));
  ChangeRecord direct;
  ASSERT_TRUE(computeRaise(basis, 20.0f, true, direct));
  EXPECT_EQ(second.record, direct);
  EXPECT_FLOAT_EQ(readResults().CoilOutChange[rec::SupplyDB], 20.0f);
  // Reheat for the raise from the calculated coil outlet: 1.08·1560·(68 − 58.5) = 16006 Btu/h
  // = 4030.8 kcal/h (20 °C = 68 °F, coil outlet 14.7 °C = 58.5 °F, 2652 m³/h = 1560 CFM).
  EXPECT_NEAR(second.record[rec::RaiseReheat], 4030.8, 3.0);
}

// The bypass factor read back from the results agrees with the calculation's for
// fresh air drier than the room: a negative outdoor-air latent load takes the
// room-humidity rule (Athens, room 50 %: 0.15); fresh air dry enough to take up
// the whole latent load leaves none in the results and a deep coil (0.05).
TEST(BypassFactorRule, AgreesForDrierFreshAir) {
  test::ProgramFolderFixture fx;
  test::SummerStudy athens;
  athens.loadUnit = "KCAL";
  athens.envDB = 36, athens.envWB = 20.9f, athens.spaDB = 26, athens.spaWB = 18.7f;
  athens.sens = 30000, athens.lat = 5000, athens.fresh = 2000;
  test::SummerStudy dry = athens;
  dry.lat = 500;
  for (const auto& st : {athens, dry}) {
    resetStudy();
    ASSERT_EQ(test::runSummerStudy(st), 0);
    const StudyState file = readResults();
    EXPECT_FLOAT_EQ(bypassFactorRule(file), study().BF) << st.lat;
    EXPECT_FLOAT_EQ(study().BF, st.lat == 500 ? 0.05f : 0.15f);
  }
}
