// SettingData: the states of the results handed to the chart, on results of
// real calculations: the kind of process, the six points, the coil's dew
// point, the raised supply air, and the chart's default range.

#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "chart/ChartData.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "summer/ChartSetting.h"
#include "summer/Raise.h"
#include "summer/results_study.h"

using namespace aeriton;
using namespace aeriton::summer;
using chart::kPointADP;
using chart::kPointM;
using chart::kPointN;
using chart::kPointS;
using chart::kPointT;
using chart::kPointX;

namespace {

// Outdoor 35/24 °C, room 26/18.5 °C, 10 kW + `latent` W, 600 m³/h.
test::SummerStudy office(float latent = 2000) {
  test::SummerStudy st;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = latent, st.fresh = 600;
  return st;
}

StudyState resultsFile() {
  StudyState file;
  EXPECT_TRUE(readResultsFileAt(appfolder::path(kResultsFileName), file).ok);
  return file;
}

void expectPoint(const chart::ChartProcessData& p, int k, double db, double wb) {
  EXPECT_NEAR(p.point[k].DryBulb, db, 1e-4) << chart::pointLabel(k).toStdString();
  EXPECT_NEAR(p.point[k].WetBulb, wb, 1e-4) << chart::pointLabel(k).toStdString();
  EXPECT_EQ(p.point[k].AbsHum, 0.0);
}

}  // namespace

// Without reheat: Kind 1, S is T, the dew point in °C (54.315 °F).
TEST(ChartSetting, CoolingWithoutReheat) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  const StudyState file = resultsFile();
  const ChartOpening o = SettingData(study(), file);
  EXPECT_EQ(o.process.Kind, 1);
  EXPECT_FALSE(o.english);
  EXPECT_FALSE(o.heating);
  EXPECT_EQ(o.range.MinTemp, -13);
  EXPECT_EQ(o.range.MaxTemp, 54);
  EXPECT_EQ(o.range.MaxAbsHum, 60);
  expectPoint(o.process, kPointN, 35, 24);
  expectPoint(o.process, kPointX, 26, 18.5);
  expectPoint(o.process, kPointM, file.DB_M, file.WB_M);
  expectPoint(o.process, kPointT, 14.7, 13.9);
  expectPoint(o.process, kPointS, 14.7, 13.9);
  const double adp = (54.315 - 32) * 5 / 9;
  EXPECT_NEAR(o.process.point[kPointADP].DryBulb, adp, 0.01);
  EXPECT_EQ(o.process.point[kPointADP].WetBulb, o.process.point[kPointADP].DryBulb);
  // A study reopened from its file has no calculation behind it: the dew
  // point comes from the coil outlet and the bypass factor instead.
  const ChartOpening again = SettingData(StudyState(), file);
  EXPECT_NEAR(again.process.point[kPointADP].DryBulb, adp, 0.1);
}

// With reheat (6 kW latent): Kind 2, S the air after the reheater.
TEST(ChartSetting, CoolingWithReheat) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(office(6000)), 0);
  const StudyState file = resultsFile();
  ASSERT_GT(file.Reheat, 0);
  const ChartOpening o = SettingData(study(), file);
  EXPECT_EQ(o.process.Kind, 2);
  expectPoint(o.process, kPointS, file.DB_S, file.WB_S);
  expectPoint(o.process, kPointT, file.DB_T, file.WB_T);
  EXPECT_LT(o.process.point[kPointADP].DryBulb, file.DB_T);
}

// After a raise to 21 °C: the new coil outlet, the raised supply air and the
// coil's new dew point on the line from M through the new outlet.
TEST(ChartSetting, RaisedSupplyAir) {
  test::ProgramFolderFixture fx;
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  test::writeAll(fx.path("PSY_VEE.TMP"), raiseRequestBytes(21.0f));
  const RaiseOutcome raised = MakeNewCalc(study());
  ASSERT_TRUE(raised.ok) << raised.error.toStdString();
  const StudyState file = resultsFile();
  const ChartOpening o = SettingData(study(), file);
  EXPECT_EQ(o.process.Kind, 2);
  const auto& r = file.CoilOutChange;
  expectPoint(o.process, kPointT, r[rec::CoilDB], r[rec::CoilWB]);
  expectPoint(o.process, kPointS, 21.0, r[rec::SupplyWB]);
  CoilDesign d;
  ASSERT_TRUE(coilDesign(study(), file, d));
  const double adp = (r[rec::CoilDB] - d.BF * file.DB_M) / (1 - d.BF);
  EXPECT_NEAR(o.process.point[kPointADP].DryBulb, adp, 1e-4);
  // The new outlet lies between the dew point and the mixed air.
  EXPECT_LT(adp, r[rec::CoilDB]);
  EXPECT_LT(r[rec::CoilDB], file.DB_M);
}

// An English study: °F throughout, the dew point as held, the English range.
TEST(ChartSetting, EnglishStudy) {
  test::ProgramFolderFixture fx;
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 34120, st.lat = 6824, st.fresh = 350;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  const StudyState file = resultsFile();
  const ChartOpening o = SettingData(study(), file);
  EXPECT_TRUE(o.english);
  EXPECT_EQ(o.range.MinTemp, 9);
  EXPECT_EQ(o.range.MaxTemp, 129);
  EXPECT_EQ(o.range.MaxAbsHum, 420);
  expectPoint(o.process, kPointN, 95, 75);
  CoilDesign d;
  ASSERT_TRUE(coilDesign(study(), file, d));
  EXPECT_NEAR(o.process.point[kPointADP].DryBulb, d.ADP, 1e-4);
}

// Outdoor air colder than the room: Kind 3, the heating range to 65 °C.
TEST(ChartSetting, HeatingCase) {
  test::ProgramFolderFixture fx;
  StudyState file;
  file.MetricCode = 1;
  file.EnvDB = 0, file.EnvWB = -1.1f;
  file.SpaDB = 20, file.SpaWB = 13.9f;
  file.DB_M = 11.6f, file.WB_M = 8.3f;
  file.DB_T = 49.6f, file.WB_T = 22.2f;
  file.DB_S = 45.0f, file.WB_S = 22.2f;
  file.HeatingProcess = true;
  const ChartOpening o = SettingData(StudyState(), file);
  EXPECT_EQ(o.process.Kind, 3);
  EXPECT_TRUE(o.heating);
  EXPECT_EQ(o.range.MaxTemp, 65);
  expectPoint(o.process, kPointT, 49.6, 22.2);
  expectPoint(o.process, kPointS, 45.0, 22.2);
  expectPoint(o.process, kPointM, 11.6, 8.3);
}
