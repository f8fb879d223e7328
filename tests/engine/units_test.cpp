// Unit conversion: both factor sets, the study rounding and the calculator's
// box conversion with its formats.

#include "engine/Units.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/NumberEntry.h"

using namespace aeriton;
using namespace aeriton::units;

namespace {

class UnitsTest : public ::testing::Test {
 protected:
  void TearDown() override { setSeparators(Separators{}); }
};

// ---- single values --------------------------------------------------------------

TEST_F(UnitsTest, KilocaloriesToBtuInEachSet) {
  // 1000 kcal/h is 3970.929956 Btu/h in the calculator, 3970.923 on the study screens.
  EXPECT_DOUBLE_EQ(CalcToEnglish(CalcQuantity::Load, 1000.0), 3970.929956);
  EXPECT_NEAR(StudyBtu(1000.0f), 3970.923, 2e-4);  // single precision: 3970.923 ± ulp
  EXPECT_NEAR(StudyKcal(3970.923f), 1000.0, 1e-4);
}

TEST_F(UnitsTest, StudyLoadUnits) {
  // 1000 W = 1000 × 0.8598555 = 859.8555 kcal/h; 1 kW = 859.85547 kcal/h;
  // 1 RT = 12000 / 3.970923 = 3021.9674 kcal/h; 3970.923 Btu/h = 1000 kcal/h.
  struct Case {
    const char* unit;
    float value;
    double kcal;
  };
  for (const Case& c : {Case{"WATT", 1000.0f, 859.8555}, Case{"KW", 1.0f, 859.85547},
                        Case{"RT", 1.0f, 3021.9674}, Case{"BTUh", 3970.923f, 1000.0},
                        Case{"BTU", 3970.923f, 1000.0}, Case{"KCAL", 1234.5f, 1234.5}}) {
    const float kcal = StudyLoadToKcal(c.value, c.unit);
    EXPECT_NEAR(kcal, c.kcal, c.kcal * 2e-7 + 1e-4) << c.unit;
    // and back
    EXPECT_NEAR(StudyLoadFromKcal(kcal, c.unit), c.value, c.value * 4e-7) << c.unit;
  }
}

TEST_F(UnitsTest, RoundSingleIsHalfUp) {
  EXPECT_FLOAT_EQ(RoundSingle(0.25f, 1), 0.3f);
  EXPECT_FLOAT_EQ(RoundSingle(-0.25f, 1), -0.2f);  // half up, towards +∞
  EXPECT_FLOAT_EQ(RoundSingle(26.666666f, 1), 26.7f);
  EXPECT_FLOAT_EQ(RoundSingle(1234.4f, 0), 1234.0f);
  // 2.675f is 2.67499995; scaled in single precision it is 267.5, which
  // rounds up as the 2.675 the user typed.
  EXPECT_FLOAT_EQ(RoundSingle(2.675f, 2), 2.68f);
}

struct StudyCase {
  const char* name;
  float (*convert)(float);
  float in;
  float expected;
};
class StudyConversions : public ::testing::TestWithParam<StudyCase> {};

TEST_P(StudyConversions, RoundToOneDecimal) {
  EXPECT_FLOAT_EQ(GetParam().convert(GetParam().in), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StudyConversions,
    ::testing::Values(StudyCase{"f77_to_c", StudyCelsius, 77.0f, 25.0f},
                      // (80 - 32) × 5 / 9 = 26.667 -> 26.7
                      StudyCase{"f80_to_c", StudyCelsius, 80.0f, 26.7f},
                      StudyCase{"f_minus4_to_c", StudyCelsius, -4.0f, -20.0f},
                      StudyCase{"c25_to_f", StudyFahrenheit, 25.0f, 77.0f},
                      // 26.7 × 9 / 5 + 32 = 80.06 -> 80.1
                      StudyCase{"c26_7_to_f", StudyFahrenheit, 26.7f, 80.1f},
                      StudyCase{"cfm100_to_m3h", StudyM3h, 100.0f, 170.0f},
                      // 1000 / 1.7 = 588.235 -> 588.2; 588.2 × 1.7 = 999.94 -> 999.9
                      StudyCase{"m3h1000_to_cfm", StudyCfm, 1000.0f, 588.2f},
                      StudyCase{"cfm588_2_to_m3h", StudyM3h, 588.2f, 999.9f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnitsTest, EnthalpyFactors) {
  // 0.2518301785 / 0.45359 = 0.5551934; 10 Btu/lb = 5.551934 kcal/kg.
  EXPECT_NEAR(StudyKcalKg(10.0f), 5.551934, 1e-6);
  EXPECT_NEAR(StudyBtuLb(5.551934f), 10.0, 1e-5);
  // 41.868 kJ/kg × 0.23884875 = 10.0002 kcal/kg -> ÷ 0.5551934 = 18.011956 Btu/lb
  EXPECT_NEAR(CalcToEnglish(CalcQuantity::Enthalpy, 41.868, true), 18.011956, 1e-6);
}

// ---- the calculator's boxes -------------------------------------------------------

std::vector<CalcBox> boxes(std::initializer_list<std::pair<CalcQuantity, const char*>> list) {
  std::vector<CalcBox> out;
  for (const auto& [q, text] : list) out.push_back(CalcBox{q, QString::fromUtf8(text)});
  return out;
}

TEST_F(UnitsTest, CalculatorToMetricWithItsFormats) {
  setSeparators(Separators{'.', ','});
  auto b = boxes({{CalcQuantity::Flow, "100"},
                  {CalcQuantity::DryBulb, "77"},
                  {CalcQuantity::WetBulb, "77.00"},
                  {CalcQuantity::AbsHumidity, "70"},
                  // 12.34 × 0.5551934 = 6.8511 -> 6.85
                  {CalcQuantity::Enthalpy, "12.34"},
                  {CalcQuantity::RelHumidity, "55.5"},
                  // 10,000 CFM -> 17,000.0 m³/h: thousands separators are removed first
                  {CalcQuantity::Flow, "10,000.00"},
                  {CalcQuantity::DryBulb, ""},
                  {CalcQuantity::WetBulb, "----"}});
  QString caption = "Btu/Lib";
  ConvertToMetric(b, caption);
  EXPECT_EQ(b[0].text, "170.0");
  EXPECT_EQ(b[1].text, "25.0");
  EXPECT_EQ(b[2].text, "25.00");
  EXPECT_EQ(b[3].text, "10.00");  // 70 × 0.1428578672369 = 10.0000507
  EXPECT_EQ(b[4].text, "6.85");
  EXPECT_EQ(b[5].text, "55.5");
  EXPECT_EQ(b[6].text, "17,000.0");
  EXPECT_EQ(b[7].text, "");
  EXPECT_EQ(b[8].text, "----");
  EXPECT_EQ(caption, "Kcal/Kg");
}

TEST_F(UnitsTest, CalculatorToEnglishWithItsFormats) {
  setSeparators(Separators{'.', ','});
  auto b = boxes({{CalcQuantity::Flow, "170"},
                  {CalcQuantity::DryBulb, "25"},
                  {CalcQuantity::WetBulb, "25.0"},
                  // 10 / 0.1428578672369 = 69.99965 -> 70.000
                  {CalcQuantity::AbsHumidity, "10"},
                  // 6.85 ÷ 0.5551934 = 12.33806 -> 12.338
                  {CalcQuantity::Enthalpy, "6.85"},
                  {CalcQuantity::RelHumidity, "45"},
                  {CalcQuantity::Flow, " "}});
  QString caption = "Kcal/Kg";
  ConvertToEnglish(b, caption);
  EXPECT_EQ(b[0].text, "100.00");
  EXPECT_EQ(b[1].text, "77.00");
  EXPECT_EQ(b[2].text, "77.00");
  EXPECT_EQ(b[3].text, "70.000");
  EXPECT_EQ(b[4].text, "12.338");
  EXPECT_EQ(b[5].text, "45");
  EXPECT_EQ(b[6].text, " ");
  EXPECT_EQ(caption, "Btu/Lib");
}

TEST_F(UnitsTest, KilojouleEnthalpyIsTakenToKcalFirst) {
  setSeparators(Separators{'.', ','});
  // 41.868 kJ/kg × 0.23884875 ÷ 0.5551934 = 18.011956 -> 18.012
  auto b = boxes({{CalcQuantity::Enthalpy, "41.868"}});
  QString caption = "KJ/Kg";
  ConvertToEnglish(b, caption);
  EXPECT_EQ(b[0].text, "18.012");
}

TEST_F(UnitsTest, LoadsAreShownFromTheStoredValues) {
  setSeparators(Separators{',', '.'});
  std::vector<CalcBox> b{CalcBox{CalcQuantity::Load, "3.970,9", 1000.0, 3970.929956},
                         CalcBox{CalcQuantity::Load, "", 5.0, 19.85}};
  QString caption;
  ConvertToMetric(b, caption);
  EXPECT_EQ(b[0].text, "1.000,0");
  EXPECT_EQ(b[1].text, "");
  ConvertToEnglish(b, caption);
  EXPECT_EQ(b[0].text, "3.970,9");
}

TEST_F(UnitsTest, CommaDecimalBoxes) {
  // A Greek user: "," decimal, "." thousands.
  setSeparators(Separators{',', '.'});
  auto b = boxes({{CalcQuantity::Flow, "1.000,5"}, {CalcQuantity::DryBulb, "25,5"}});
  QString caption = "Kcal/Kg";
  ConvertToEnglish(b, caption);
  // 1000.5 / 1.7 = 588.5294 -> 588,53; 25.5 × 1.8 + 32 = 77.9 -> 77,90
  EXPECT_EQ(b[0].text, "588,53");
  EXPECT_EQ(b[1].text, "77,90");
  ConvertToMetric(b, caption);
  // 588.53 × 1.7 = 1000.501 -> 1.000,5; (77.9 - 32) × 5 / 9 = 25.5 -> 25,5
  EXPECT_EQ(b[0].text, "1.000,5");
  EXPECT_EQ(b[1].text, "25,5");
}

TEST_F(UnitsTest, RoundTripsThroughBothSystems) {
  // Every quantity comes back to itself (within the shown decimals).
  for (CalcQuantity q : {CalcQuantity::Flow, CalcQuantity::DryBulb, CalcQuantity::WetBulb,
                         CalcQuantity::AbsHumidity, CalcQuantity::Enthalpy}) {
    for (double v : {-10.0, 0.0, 12.5, 77.0, 1234.5}) {
      EXPECT_NEAR(CalcToEnglish(q, CalcToMetric(q, v)), v, 1e-9 * (1 + std::fabs(v)));
    }
  }
}

}  // namespace
