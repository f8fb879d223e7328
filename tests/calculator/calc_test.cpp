// The two-state calculator's model: the calculate button's checks, the two
// states and loads against hand-computed values in both unit systems, the
// load and enthalpy units and the unit switch.
//
// Hand computation (Carrier, table of the engine, P = 29.921 inHg):
//   80 °F DB, 67 °F WB: pw(67) = 0.66681; pv = 0.66681 − 29.25419 × 13 / 2712.9
//   = 0.52663; RH = 0.52663 / 1.0323 = 51.01 %; W = 0.62238 × 0.52663 / 29.39437
//   = 0.011151 (78.05 grains); h = 19.2 + 0.011151 × 1096.5 = 31.43 Btu/lb.
//   60 °F DB, 90 %: pv = 0.9 × 0.5216 = 0.46944; Ferrel below 63 °F: pc(58) =
//   0.48558 − 0.010981 × 2 × 1.01655 = 0.46325 (0.0062 off), pc(59) = 0.49213;
//   WB = 58 + 0.00619 / 0.02888 = 58.21 °F; W = 0.62238 × 0.46944 / 29.45156
//   (69.44 grains); h = 25.20 Btu/lb.
//   1000 CFM: sensible 1.08 × 1000 × 20 = 21 600 Btu/h; latent 0.68 × 1000 ×
//   (78.054 − 69.443) = 5 855.45 Btu/h.
//   20 °C (68 °F), 30 %: pv = 0.3 × 0.69021 = 0.20706; Carrier pc(51) = 0.19238,
//   pc(52) = 0.21736: WB = 51.588 °F = 10.88 °C; 30.36 grains = 4.34 g/kg.
//   22 °C (71.6 °F), 50 %: WB = 59.79 °F = 15.44 °C; 57.58 grains = 8.23 g/kg.
//   1000 m³/h = 588.24 CFM: sensible 1.08 × 588.24 × (68 − 71.6) = −2 287.06
//   Btu/h = −575.95 kcal/h; latent 0.68 × 588.24 × (30.36 − 57.58) = −10 888.0
//   Btu/h = −2 741.94 kcal/h (moisture added).

#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "calculator/PsCalc.h"
#include "engine/NumberEntry.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::calculator;

namespace {

double num(const QString& text) {
  return ParseNumber(StripThousands(text));
}

class CalcTest : public ::testing::Test {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
  test::ProgramFolderFixture folder;
};

// An English screen: 1000 CFM from 80 °F / 67 °F WB to 60 °F / 90 %.
CalcForm englishCooling() {
  CalcForm f;
  newStudy(f);
  switchUnits(f, false);
  f.text[kFlow] = "1,000.00";
  chooseWetBulb(f, true);
  f.text[kTDBin] = "80.00";
  f.text[kTWBin] = "67.00";
  chooseRelHumidity(f, false);
  f.text[kTDBout] = "60.00";
  f.text[kRHout] = "90.00";
  return f;
}

// A metric screen: 1000 m³/h heated and humidified from 20 °C / 30 % to
// 22 °C / 50 %.
CalcForm metricHumidifying() {
  CalcForm f;
  newStudy(f);
  f.text[kFlow] = "1,000.00";
  chooseRelHumidity(f, true);
  f.text[kTDBin] = "20.00";
  f.text[kRHin] = "30.00";
  chooseRelHumidity(f, false);
  f.text[kTDBout] = "22.00";
  f.text[kRHout] = "50.00";
  return f;
}

TEST_F(CalcTest, EnglishCoolingCaseAgainstHandValues) {
  CalcForm f = englishCooling();
  const CalcOutcome out = calcButton(f);
  ASSERT_EQ(out.kind, CalcOutcome::Done);
  EXPECT_EQ(f.text[kTWBin], "67.00");  // the given wet bulb keeps its entry
  EXPECT_EQ(f.text[kRHin], "51.01");
  EXPECT_EQ(f.text[kWin], "78.05");
  EXPECT_EQ(f.text[kHin], "31.43");
  EXPECT_EQ(f.text[kTWBout], "58.21");
  EXPECT_EQ(f.text[kRHout], "90.00");
  EXPECT_EQ(f.text[kWout], "69.44");
  EXPECT_EQ(f.text[kHout], "25.20");
  EXPECT_EQ(f.text[kSens], "21,600.00");
  EXPECT_EQ(f.sensColour, LoadColour::Cooling);
  EXPECT_NEAR(num(f.text[kLat]), 5855.45, 0.011);
  EXPECT_EQ(f.latColour, LoadColour::Cooling);
  EXPECT_EQ(f.loadCaption, "Btu/h");
  // The loads in every unit from the Btu/h shown.
  EXPECT_FLOAT_EQ(f.sens.btu, 21600.0f);
  EXPECT_NEAR(f.sens.kcal, 21600 / 3.970929956, 0.01);
  EXPECT_NEAR(f.sens.watts, 21600 / 3.970929956 / 0.8598554966, 0.01);
  EXPECT_NEAR(f.sens.kw, 21600 / 3.970929956 / 859.8554966, 1e-5);
  EXPECT_NEAR(f.lat.kcal, 5855.45 / 3.970929956, 0.01);
  // Both lists: English as computed, metric by the calculator's factors.
  EXPECT_FLOAT_EQ(f.english[kSens], 21600.0f);
  EXPECT_NEAR(f.english[kRHin], 51.01, 0.01);  // per cent
  EXPECT_NEAR(f.metricValues[kFlow], 1700.0, 1e-3);
  EXPECT_NEAR(f.metricValues[kTDBin], 26.6667, 1e-3);
  EXPECT_NEAR(f.metricValues[kWin], 78.0538 * 0.1428578672369, 1e-3);
  EXPECT_NEAR(f.metricValues[kHin], 31.4266 * 0.555556, 1e-3);
  EXPECT_NEAR(f.metricValues[kSens], 21600 / 3.970929956, 0.01);
  EXPECT_EQ(f.english[kInletMode], 0.0f);
  // The wet-bulb search of the outlet ran for a cooling process.
  EXPECT_TRUE(study().CoolingProcess);
  EXPECT_FALSE(study().HeatingProcess);
}

TEST_F(CalcTest, ReversedTemperaturesShowTheSameLoadsAsHeating) {
  CalcForm f;
  newStudy(f);
  switchUnits(f, false);
  f.text[kFlow] = "1,000.00";
  chooseRelHumidity(f, true);
  f.text[kTDBin] = "60.00";
  f.text[kRHin] = "90.00";
  chooseWetBulb(f, false);
  f.text[kTDBout] = "80.00";
  f.text[kTWBout] = "67.00";
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(f.text[kTWBin], "58.21");
  EXPECT_EQ(f.text[kSens], "21,600.00");
  EXPECT_EQ(f.sensColour, LoadColour::Heating);
  EXPECT_NEAR(num(f.text[kLat]), 5855.45, 0.011);
  EXPECT_EQ(f.latColour, LoadColour::Heating);
  EXPECT_FLOAT_EQ(f.english[kSens], -21600.0f);
  EXPECT_FLOAT_EQ(f.sens.btu, 21600.0f);  // magnitudes
  EXPECT_EQ(f.english[kInletMode], -1.0f);
  EXPECT_TRUE(study().HeatingProcess);
  EXPECT_FALSE(study().CoolingProcess);
}

TEST_F(CalcTest, MetricHumidifyingProcessHasANegativeLatentLoad) {
  CalcForm f = metricHumidifying();
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(f.text[kTWBin], "10.88");
  EXPECT_EQ(f.text[kWin], "4.34");
  EXPECT_EQ(f.text[kHin], "11.70");
  EXPECT_EQ(f.text[kTWBout], "15.44");
  EXPECT_EQ(f.text[kWout], "8.23");
  EXPECT_EQ(f.text[kHout], "14.54");
  EXPECT_EQ(f.text[kSens], "575.95");
  EXPECT_EQ(f.sensColour, LoadColour::Heating);
  EXPECT_EQ(f.text[kLat], "2,741.94");
  EXPECT_EQ(f.latColour, LoadColour::Heating);
  EXPECT_LT(f.metricValues[kLat], 0.0f);
  EXPECT_NEAR(f.metricValues[kLat], -2741.94, 0.02);
  EXPECT_NEAR(f.english[kLat], -10888.04, 0.05);
  // The metric RH keeps the per cent that was typed.
  EXPECT_FLOAT_EQ(f.metricValues[kRHin], 30.0f);
  // kcal/h shown, with the flags of a calculation.
  EXPECT_EQ(f.loadCaption, "Kcal/h");
  EXPECT_EQ(f.enthalpyCaption, "Kcal/Kg");
  EXPECT_EQ(f.showKcal, -1);
  EXPECT_EQ(f.showWatts, 0);
  EXPECT_EQ(f.showKW, 0);
  EXPECT_FLOAT_EQ(f.sens.kcal, 575.95f);
  EXPECT_FLOAT_EQ(f.lat.kcal, 2741.94f);
  EXPECT_NEAR(f.lat.btu, 2741.94 * 3.970929956, 0.01);
}

// The combinations of given properties that the cases above do not cover:
// wet bulbs at both states (metric), RH in and wet bulb out (English).
struct StateCase {
  const char* name;
  bool metric;
  const char* flow;
  bool inByRH;
  const char *dbIn, *hIn;  // dry bulb and given humidity
  bool outByRH;
  const char *dbOut, *hOut;
  double wbOrRhIn, wIn, enthIn, wbOrRhOut, wOut, enthOut, sens, lat;
};

class CalcCases : public ::testing::TestWithParam<StateCase> {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
  test::ProgramFolderFixture folder;
};

TEST_P(CalcCases, StatesAndLoads) {
  const StateCase c = GetParam();
  CalcForm f;
  newStudy(f);
  if (!c.metric) switchUnits(f, false);
  f.text[kFlow] = c.flow;
  c.inByRH ? chooseRelHumidity(f, true) : chooseWetBulb(f, true);
  c.outByRH ? chooseRelHumidity(f, false) : chooseWetBulb(f, false);
  f.text[kTDBin] = c.dbIn;
  f.text[c.inByRH ? kRHin : kTWBin] = c.hIn;
  f.text[kTDBout] = c.dbOut;
  f.text[c.outByRH ? kRHout : kTWBout] = c.hOut;
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_NEAR(num(f.text[c.inByRH ? kTWBin : kRHin]), c.wbOrRhIn, 0.006);
  EXPECT_NEAR(num(f.text[kWin]), c.wIn, 0.006);
  EXPECT_NEAR(num(f.text[kHin]), c.enthIn, 0.006);
  EXPECT_NEAR(num(f.text[c.outByRH ? kTWBout : kRHout]), c.wbOrRhOut, 0.006);
  EXPECT_NEAR(num(f.text[kWout]), c.wOut, 0.006);
  EXPECT_NEAR(num(f.text[kHout]), c.enthOut, 0.006);
  EXPECT_NEAR(num(f.text[kSens]), std::fabs(c.sens), 0.011);
  EXPECT_NEAR(num(f.text[kLat]), std::fabs(c.lat), 0.011);
  EXPECT_EQ(f.sensColour, c.sens >= 0 ? LoadColour::Cooling : LoadColour::Heating);
  EXPECT_EQ(f.latColour, c.lat >= 0 ? LoadColour::Cooling : LoadColour::Heating);
}

INSTANTIATE_TEST_SUITE_P(
    GivenProperties, CalcCases,
    ::testing::Values(
        // 3400 m³/h from 30 °C / 22 °C WB to 14 °C / 13 °C WB (a coil):
        // 3400 × 16 × 0.288 ≈ 15 666 kcal/h sensible.
        StateCase{"MetricWetBulbs", true, "3,400.00", false, "30.00", "22.00", false, "14.00",
                  "13.00", 49.93, 13.29, 19.58, 89.57, 8.92, 13.01, 15665.85, 10483.83},
        // 95 °F at 40 %: pv = 0.4 × 1.6607 = 0.66428; at 75 °F Carrier gives
        // 0.87506 − 29.04594 × 20 / 2702.5 = 0.66010, within 0.005: WB 75 °F.
        StateCase{"EnglishRHThenWetBulb", false, "2,000.00", true, "95.00", "40.00", false, "55.00",
                  "53.00", 75.00, 98.92, 38.29, 87.78, 56.40, 21.94, 86400, 57824.61}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcTest, SaturatedStateShowsOneHundredPerCent) {
  CalcForm f = englishCooling();
  f.text[kTWBin] = "80.00";  // wet bulb = dry bulb
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(f.text[kRHin], "100.00");
  EXPECT_FLOAT_EQ(f.english[kRHin], 100.0f);
}

TEST_F(CalcTest, NoFlowIsRefusedWithFocusOnTheFlow) {
  for (const char* flow : {"", "0.00", "-100.00"}) {
    CalcForm f = englishCooling();
    f.text[kFlow] = flow;
    const CalcOutcome out = calcButton(f);
    EXPECT_EQ(out.kind, CalcOutcome::Missing) << flow;
    EXPECT_EQ(out.message, 1);
    EXPECT_EQ(out.focus, kFlow);
    EXPECT_TRUE(f.text[kWin].isEmpty());
    EXPECT_TRUE(f.text[kSens].isEmpty());
  }
}

TEST_F(CalcTest, StateWithoutHumidityIsRefusedWithFocusOnItsRH) {
  // A new study: no property chosen for either state.
  CalcForm f;
  newStudy(f);
  f.text[kFlow] = "1,000.00";
  f.text[kTDBin] = "25.0";
  f.text[kTDBout] = "15.0";
  CalcOutcome out = calcButton(f);
  EXPECT_EQ(out.kind, CalcOutcome::Missing);
  EXPECT_EQ(out.message, 1);
  EXPECT_EQ(out.focus, kRHin);
  // The inlet's RH chosen but left at 0; its wet bulb shows the yellow text.
  chooseRelHumidity(f, true);
  EXPECT_EQ(f.text[kTWBin], computedText());
  f.text[kRHin] = "0.00";
  EXPECT_EQ(checkValues(f), 4);
  // Inlet complete, outlet wet bulb chosen but empty.
  f.text[kRHin] = "50.00";
  chooseWetBulb(f, false);
  EXPECT_EQ(checkValues(f), 9);
  out = calcButton(f);
  EXPECT_EQ(out.focus, kRHout);
  // A wet bulb of 0 is a value.
  f.text[kTWBout] = "0.00";
  f.text[kTDBout] = "2.00";
  EXPECT_EQ(checkValues(f), 0);
}

TEST_F(CalcTest, SecondPressIsRefusedUntilAnInputChanges) {
  CalcForm f = englishCooling();
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  const CalcForm shown = f;
  EXPECT_EQ(calcButton(f).kind, CalcOutcome::AlreadyDone);
  EXPECT_EQ(f.text, shown.text);
  // A changed input clears the loads and every computed box, given boxes stay.
  f.text[kTDBout] = "55.00";
  invalidate(f);
  for (int b : {kWin, kHin, kWout, kHout, kSens, kLat}) EXPECT_TRUE(f.text[b].isEmpty()) << b;
  EXPECT_EQ(f.text[kRHin], computedText());
  EXPECT_EQ(f.text[kTWBout], computedText());
  EXPECT_EQ(f.text[kTWBin], "67.00");
  EXPECT_EQ(f.text[kRHout], "90.00");
  EXPECT_EQ(f.sensColour, LoadColour::None);
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(f.text[kSens], "27,000.00");  // 1.08 × 1000 × 25
}

struct RangeCase {
  const char* name;
  int box;
  const char* text;
  bool inlet;
};
class OutOfRange : public ::testing::TestWithParam<RangeCase> {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
  test::ProgramFolderFixture folder;
};
TEST_P(OutOfRange, StateIsRefusedAndNothingComputed) {
  const RangeCase c = GetParam();
  CalcForm f = englishCooling();
  f.text[c.box] = c.text;
  const CalcOutcome out = calcButton(f);
  EXPECT_EQ(out.kind, CalcOutcome::OutOfRange);
  EXPECT_EQ(out.message, 5);
  EXPECT_EQ(out.inlet, c.inlet);
  EXPECT_EQ(out.focus, c.inlet ? kTDBin : kTDBout);
  EXPECT_FALSE(calculationShown(f));
}
INSTANTIATE_TEST_SUITE_P(States, OutOfRange,
                         ::testing::Values(RangeCase{"WetBulbAboveDryBulb", kTWBin, "81.00", true},
                                           RangeCase{"DryBulbAboveTable", kTDBin, "131.00", true},
                                           RangeCase{"DryBulbBelowTable", kTDBout, "-11.00", false},
                                           RangeCase{"RHAbove100", kRHout, "100.50", false},
                                           RangeCase{"NegativeRH", kRHout, "-5.00", false},
                                           // Carrier's vapour pressure below zero: 100 °F with a 40
                                           // °F wet bulb is drier than dry air.
                                           RangeCase{"WetBulbBelowDryAir", kTWBin, "40.00", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcTest, OpenStudyKeepsItsOutdoorState) {
  StudyState& s = study();
  s.EnvDB = 95, s.EnvWB = 75, s.Env_h = 38.3f, s.EnvW = 0.0141f, s.EnvGr = 98.9f;
  CalcForm f = englishCooling();
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(s.EnvDB, 95.0f);
  EXPECT_EQ(s.EnvWB, 75.0f);
  EXPECT_EQ(s.Env_h, 38.3f);
  EXPECT_EQ(s.EnvW, 0.0141f);
  EXPECT_EQ(s.EnvGr, 98.9f);
}

TEST_F(CalcTest, LoadUnitsOnAMetricScreen) {
  CalcForm f = metricHumidifying();
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  showLoadUnit(f, LoadUnit::Watts);
  EXPECT_EQ(f.text[kSens], "669.8");   // 575.95 / 0.8598554966 = 669.82
  EXPECT_EQ(f.text[kLat], "3,188.8");  // 2741.94 / 0.8598554966 = 3188.85
  EXPECT_EQ(f.loadCaption, "Watts");
  EXPECT_EQ(f.showKcal, 0);
  EXPECT_EQ(f.showWatts, -1);
  EXPECT_EQ(f.showKW, 0);
  showLoadUnit(f, LoadUnit::KW);
  EXPECT_EQ(f.text[kSens], "0.7");
  EXPECT_EQ(f.text[kLat], "3.2");
  EXPECT_EQ(f.loadCaption, "Kw");
  EXPECT_EQ(f.showKW, -1);
  EXPECT_EQ(f.showWatts, 0);
  showLoadUnit(f, LoadUnit::Kcal);
  EXPECT_EQ(f.text[kSens], "576.0");
  EXPECT_EQ(f.text[kLat], "2,741.9");
  EXPECT_EQ(f.loadCaption, "Kcal/h");
  EXPECT_EQ(f.sensColour, LoadColour::Heating);  // the colours stay
  // An English screen has only Btu/h.
  CalcForm e = englishCooling();
  ASSERT_EQ(calcButton(e).kind, CalcOutcome::Done);
  showLoadUnit(e, LoadUnit::Watts);
  EXPECT_EQ(e.text[kSens], "21,600.00");
  EXPECT_EQ(e.loadCaption, "Btu/h");
}

TEST_F(CalcTest, EnthalpiesSwitchBetweenKcalAndKJ) {
  CalcForm f = metricHumidifying();
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(enthalpyButtonText(f), " Μετατροπή σε [KJ/Kg] ");
  switchEnthalpyUnit(f);
  EXPECT_EQ(f.text[kHin], "48.99");   // 11.70 × 4.1868
  EXPECT_EQ(f.text[kHout], "60.88");  // 14.54 × 4.1868
  EXPECT_EQ(f.enthalpyCaption, "KJ/Kg");
  EXPECT_EQ(enthalpyButtonText(f), " Μετατροπή σε [Kcal/Kg] ");
  switchEnthalpyUnit(f);
  EXPECT_EQ(f.text[kHin], "11.70");  // 48.99 × 0.238846
  EXPECT_EQ(f.text[kHout], "14.54");
  EXPECT_EQ(f.enthalpyCaption, "Kcal/Kg");
}

TEST_F(CalcTest, UnitSwitchConvertsEveryNumberAndKeepsTheYellowText) {
  CalcForm f = metricHumidifying();
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  switchEnthalpyUnit(f);  // kJ/kg on the screen: converted through kcal/kg
  switchUnits(f, false);
  EXPECT_FALSE(f.metric);
  EXPECT_EQ(f.text[kFlow], "588.24");   // 1000 / 1.7
  EXPECT_EQ(f.text[kTDBin], "68.00");   // 20 °C
  EXPECT_EQ(f.text[kTWBin], "51.58");   // 10.88 °C
  EXPECT_EQ(f.text[kRHin], "30.00");    // unchanged
  EXPECT_EQ(f.text[kWin], "30.380");    // 4.34 / 0.1428578672369
  EXPECT_EQ(f.text[kHin], "21.076");    // 48.99 × 0.23884875 / 0.555193
  EXPECT_EQ(f.text[kSens], "2,287.1");  // SensBtu = 575.95 × 3.970929956
  EXPECT_EQ(f.enthalpyCaption, "Btu/Lib");
  EXPECT_EQ(f.loadCaption, "Btu/h");
  switchUnits(f, true);
  EXPECT_EQ(f.text[kFlow], "1,000.0");
  EXPECT_EQ(f.text[kTDBin], "20.0");
  EXPECT_EQ(f.text[kSens], "576.0");  // SensKcal, "#,##0.0"
  EXPECT_EQ(f.showKcal, -1);
  EXPECT_EQ(f.showWatts, 0);
  EXPECT_EQ(f.showKW, 9);
  // A yellow box keeps its text through a switch; an empty one stays empty.
  CalcForm g;
  newStudy(g);
  chooseWetBulb(g, true);
  g.text[kTDBin] = "25.0";
  switchUnits(g, false);
  EXPECT_EQ(g.text[kRHin], computedText());
  EXPECT_EQ(g.text[kTWBin], "");
  EXPECT_EQ(g.text[kTDBin], "77.00");
  EXPECT_EQ(g.text[kFlow], "");
}

TEST_F(CalcTest, SaveAndPrintNeedATitleAndACalculation) {
  CalcForm f = englishCooling();
  EXPECT_EQ(lookIfSaveMakesSense(f), 7);
  f.title = titlePlaceholder();
  EXPECT_EQ(lookIfSaveMakesSense(f), 7);
  f.title = "Κλιματιστική Μονάδα 1";
  EXPECT_EQ(lookIfSaveMakesSense(f), 3);
  EXPECT_EQ(lookIfPrintMakesSense(f), 3);
  f.text[kTDBin].clear();
  EXPECT_EQ(lookIfSaveMakesSense(f), 2);
  f.text[kTDBin] = "80.00";
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  EXPECT_EQ(lookIfSaveMakesSense(f), 0);
  EXPECT_EQ(lookIfPrintMakesSense(f), 0);
}

}  // namespace
