// What the results screen shows: units, outlet fields, markers, metric/English switch.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "summer/Raise.h"
#include "summer/ResultsTexts.h"
#include "summer/ResultsView.h"
#include "summer/results_study.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

// A metric cooling result as the calculation leaves it in "PSY_RES.TMP".
StudyState metricResults() {
  StudyState s;
  s.KindCode = "AAA_NA";
  s.MetricCode = 1, s.EnglishCode = 0;
  s.CoolingProcess = true;
  s.EnvDB = 35, s.EnvWB = 24, s.EnvRH = 40.24f;
  s.SpaDB = 26, s.SpaWB = 18.5f, s.SpaRH = 48.67f;
  s.DB_M = 28.1f, s.WB_M = 19.8f, s.h_M = 12.5f;
  s.DB_T = 14.7f, s.WB_T = 13.9f, s.h_T = 9.75f;
  s.DB_S = s.WB_S = s.h_S = kNotComputed;
  s.SensLoad = 8600, s.LatLoad = 1720;
  s.FreshMode = "C", s.FreshAmount = 600, s.FreshValue = 600, s.FreshFlow = 600;
  s.SupplyFlow = 2652, s.CoilLoad = 13355.84f;
  s.FreshSensLoad = 1554.8f, s.FreshLatLoad = 1693.8f, s.Reheat = 0;
  s.CoilOutChange = noRaiseRecord();
  s.HighHumid.fill(kNotComputed);
  return s;
}

class ResultsViewTest : public ::testing::Test {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
};

}  // namespace

// 8600 kcal/h: ÷ 0.85985547 = 10001.68 W; × 3.970923 = 34149.94 Btu/h.
// 12.5 kcal/kg × 4.18675 = 52.33 kJ/kg; the Btu/h study in °C keeps kcal/kg.
TEST_F(ResultsViewTest, LoadsAndEnthalpiesFollowTheLoadUnit) {
  const struct {
    const char *unit, *sens, *loadLabel, *hMixed, *hLabel;
  } cases[] = {{"WATT", "10,001.68", texts::kUnitWatts, "52.33", texts::kUnitKJKg},
               {"KCAL", "8,600.00", texts::kUnitKcalH, "12.50", texts::kUnitKcalKg},
               {"BTUh", "34,149.94", texts::kUnitBtuH, "12.50", texts::kUnitKcalKg}};
  for (const auto& c : cases) {
    StudyState s = metricResults();
    if (QByteArray(c.unit) == "BTUh") s.MetricCode = s.EnglishCode = 32;
    const ResultsView v(s, QString::fromLatin1(c.unit), 0);
    EXPECT_EQ(v.text(ResultField::Sens), QString::fromLatin1(c.sens)) << c.unit;
    EXPECT_EQ(v.loadLabel(), u8(c.loadLabel)) << c.unit;
    EXPECT_EQ(v.text(ResultField::H_M), QString::fromLatin1(c.hMixed)) << c.unit;
    EXPECT_EQ(v.enthalpyLabel(), u8(c.hLabel)) << c.unit;
  }
}

// The outlet fields show the coil outlet, or the state after reheat when there is one.
TEST_F(ResultsViewTest, OutletFieldsFollowTheReheat) {
  const ResultsView coil(metricResults(), "WATT", 0);
  EXPECT_FALSE(coil.hasReheat());
  EXPECT_EQ(coil.text(ResultField::H_T), QStringLiteral("40.82"));  // 9.75 × 4.18675 kJ/kg
  EXPECT_EQ(coil.text(ResultField::Reheat), QStringLiteral("0.0"));
  EXPECT_EQ(coil.text(ResultField::WinterSpecial), QString());  // cooling: no winter fields
  EXPECT_EQ(coil.text(ResultField::Water), QString());
  EXPECT_FLOAT_EQ(coil.presentOutletTemperature(), 14.7f);

  StudyState s = metricResults();
  s.DB_S = 17.0f, s.WB_S = 12.6f, s.h_S = 12.73059f, s.Reheat = 6822.343f;
  const ResultsView v(s, "KCAL", 0);
  EXPECT_TRUE(v.hasReheat());
  EXPECT_EQ(v.text(ResultField::DB_T), QStringLiteral("17.00"));
  EXPECT_EQ(v.text(ResultField::WB_T), QStringLiteral("12.60"));
  EXPECT_EQ(v.text(ResultField::H_T), QStringLiteral("12.73"));
  EXPECT_EQ(v.text(ResultField::Reheat), QStringLiteral("6,822.3"));
  EXPECT_FLOAT_EQ(v.presentOutletTemperature(), 17.0f);
}

TEST_F(ResultsViewTest, SwitchingToEnglishConvertsEveryValue) {
  ResultsView v(metricResults(), "WATT", 0);
  v.MakeChanges();
  ASSERT_EQ(v.shownSystem(), UnitSystem::English);
  // 14.7 °C = 58.46 → 58.5 °F; 600 m³/h ÷ 1.7 = 352.9 CFM; 12.5 kcal/kg = 22.51 Btu/lb.
  EXPECT_EQ(v.text(ResultField::DB_T), QStringLiteral("58.50"));
  EXPECT_EQ(v.text(ResultField::OA), QStringLiteral("352.9"));
  EXPECT_EQ(v.text(ResultField::FA), QStringLiteral("353"));
  EXPECT_EQ(v.text(ResultField::H_M), QStringLiteral("22.51"));
  EXPECT_EQ(v.flowLabel(), u8(texts::kUnitCfm));
  EXPECT_EQ(v.temperatureLabel(), u8(texts::kUnitF));
  EXPECT_EQ(v.switchCaption(), u8(texts::kMetricCaption));
  EXPECT_FLOAT_EQ(v.results().SupplyFlow, 2652.0f);  // the stored study is untouched
}

TEST_F(ResultsViewTest, RaisedSupplyAirReplacesTheOutletFields) {
  StudyState s = metricResults();
  s.Reheat = 500;
  ChangeRecord r = noRaiseRecord();
  r[rec::SupplyDB] = 21.0f, r[rec::SupplyWB] = 16.2f, r[rec::SupplyRH] = 61.2f;
  r[rec::SupplyH] = 15.05f, r[rec::SupplyGr] = 9.5f;
  r[rec::CoilDB] = 18.4f, r[rec::CoilWB] = 15.6f, r[rec::CoilH] = 14.41f;
  r[rec::RaiseReheat] = 4794.35f, r[rec::NewFlow] = 5972.1f, r[rec::NewCoilLoad] = 23772.6f;
  s.CoilOutChange = r;
  ResultsView v(s, "WATT", 0);
  ASSERT_TRUE(v.raised());
  EXPECT_EQ(v.text(ResultField::DB_T), QStringLiteral("21.00"));
  // 15.05 × 4.18675 = 63.0106: two decimals, as every other enthalpy
  EXPECT_EQ(v.text(ResultField::H_T), QStringLiteral("63.01"));
  EXPECT_EQ(v.text(ResultField::FlowRate), QStringLiteral("5,972.1"));
  // 23772.6 kcal/h ÷ 0.85985547 = 27647.2 W; (500 + 4794.35) ÷ 0.85985547 = 6157.3 W
  EXPECT_EQ(v.text(ResultField::Power), QStringLiteral("27,647.2"));
  EXPECT_EQ(v.text(ResultField::Reheat), QStringLiteral("6,157.3"));
  // A further raise must lie above the raised temperature shown, not above the
  // coil outlet the calculation gave.
  EXPECT_FLOAT_EQ(v.presentOutletTemperature(), 21.0f);
  EXPECT_FLOAT_EQ(v.calculatedOutletTemperature(), 14.7f);
  v.MakeChanges();
  EXPECT_EQ(v.text(ResultField::DB_T), QStringLiteral("69.80"));        // 21 °C = 69.8 °F
  EXPECT_EQ(v.text(ResultField::FlowRate), QStringLiteral("3,513.0"));  // 5972.1 ÷ 1.7
}

TEST_F(ResultsViewTest, HeatingCaseShowsTheWinterFields) {
  StudyState s = metricResults();
  s.CoolingProcess = false, s.HeatingProcess = true;
  s.DB_S = 40.0f, s.WB_S = 20.6f, s.h_S = 18.2f;
  s.SupplyFlow = 1570.8f;
  s.HighHumid[kHighHumidityValues - 1] = 2.3f;  // humidifier water, kg/h
  ResultsView chosenOutlet(s, "WATT", 0);
  EXPECT_FALSE(chosenOutlet.winterShowsFlow());
  EXPECT_EQ(chosenOutlet.text(ResultField::WinterSpecial), QStringLiteral("40.0"));
  EXPECT_EQ(chosenOutlet.text(ResultField::Water), QStringLiteral("2.30"));
  EXPECT_EQ(chosenOutlet.waterLabel(), QStringLiteral("[Kg/h]"));
  chosenOutlet.MakeChanges();
  EXPECT_EQ(chosenOutlet.text(ResultField::WinterSpecial), QStringLiteral("104.0"));
  EXPECT_EQ(chosenOutlet.text(ResultField::Water), QStringLiteral("5.07"));  // × 2.2046

  s.SummerFlow = 3400;
  ResultsView summerFlow(s, "WATT", 0);
  EXPECT_TRUE(summerFlow.winterShowsFlow());
  EXPECT_EQ(summerFlow.text(ResultField::WinterSpecial), QStringLiteral("3,400.0"));
  summerFlow.MakeChanges();
  EXPECT_EQ(summerFlow.text(ResultField::WinterSpecial), QStringLiteral("2,000.0"));
}

TEST_F(ResultsViewTest, MarkersAreNeverShown) {
  StudyState s = metricResults();
  s.DB_M = kNotComputed, s.CoilLoad = kWinterUnset;
  ResultsView v(s, "WATT", 0);
  EXPECT_EQ(v.text(ResultField::Power), QString());
  v.MakeChanges();
  EXPECT_EQ(v.text(ResultField::DB_M), QString());
  EXPECT_EQ(v.text(ResultField::Power), QString());
}

// To English and back keeps the values; the markers are never converted.
TEST(StudyConversion, BritishAndBackKeepsValuesAndMarkers) {
  StudyState e = metricResults();
  Convert_To_British(e);
  EXPECT_NEAR(e.h_M, 22.5147f, 0.0001f);  // 12.5 kcal/kg ÷ (0.2518301785 / 0.45359)
  EXPECT_FLOAT_EQ(e.CoilOutChange[0], kNotComputed);
  Convert_To_Metric(e);
  EXPECT_FLOAT_EQ(e.SpaDB, 26.0f);
  EXPECT_NEAR(e.SensLoad, 8600.0f, 0.01f);
  EXPECT_FLOAT_EQ(e.SupplyFlow, 2652.0f);
  EXPECT_NEAR(e.h_M, 12.5f, 0.0001f);
  EXPECT_FLOAT_EQ(e.DB_S, kNotComputed);
}

// The notice of fresh air drier than the room, from the bulbs of the results
// (Carrier's equation at °F):
//   35/24 °C = 95/75.2 °F: 98.8 grains against the room 26/18.5 °C (71.7 grains): moister
//   36/20.9 °C = 96.8/69.6 °F: 64.45 grains against 26/18.7 °C (73.47 grains): drier
//   95/62 °F: 29.85 grains against 78/65 °F (71.31 grains): drier
// Full recirculation has no fresh air and a heating case no such notice.
TEST_F(ResultsViewTest, FreshAirDrierThanTheRoomFromTheBulbs) {
  const struct {
    const char* name;
    const char* kind;
    bool english, heating;
    float envDB, envWB, spaDB, spaWB;
    bool drier;
  } cases[] = {
      {"moister_outdoor", "AAA_NA", false, false, 35, 24, 26, 18.5f, false},
      {"athens", "AAA_NA", false, false, 36, 20.9f, 26, 18.7f, true},
      {"athens_fresh_loads", "NA_PAF", false, false, 36, 20.9f, 26, 18.7f, true},
      {"athens_fresh_no_loads", "NA_DPF", false, false, 36, 20.9f, 26, 18.7f, true},
      {"english", "AAA_NA", true, false, 95, 62, 78, 65, true},
      {"recirculation", "AA_100", false, false, 36, 20.9f, 26, 18.7f, false},
      {"heating", "AAA_NA", false, true, 10, 5, 20, 12, false},
  };
  for (const auto& c : cases) {
    StudyState s = metricResults();
    s.KindCode = QString::fromLatin1(c.kind);
    if (c.english) s.MetricCode = 0, s.EnglishCode = 1;
    if (c.heating) s.CoolingProcess = false, s.HeatingProcess = true;
    s.EnvDB = c.envDB, s.EnvWB = c.envWB, s.SpaDB = c.spaDB, s.SpaWB = c.spaWB;
    EXPECT_EQ(ResultsView(s, c.english ? "BTU" : "KCAL", 0).freshAirDrier(), c.drier) << c.name;
  }
}
