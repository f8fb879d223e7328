// Unit conversion: both factor sets, the study rounding and the calculator's
// box conversion with its formats.

#include "engine/Units.h"

#include <gtest/gtest.h>

#include "engine/NumberEntry.h"

using namespace aeriton;
using namespace aeriton::units;

namespace {

class UnitsTest : public ::testing::Test {
 protected:
  void TearDown() override { setSeparators(Separators{}); }
};

TEST_F(UnitsTest, StudyLoadUnitsBothWays) {
  // 1000 kcal/h is 3970.929956 Btu/h in the calculator, 3970.923 on the study screens.
  EXPECT_DOUBLE_EQ(CalcToEnglish(CalcQuantity::Load, 1000.0), 3970.929956);
  EXPECT_NEAR(StudyBtu(1000.0f), 3970.923, 2e-4);
  // 1000 W × 0.8598555 = 859.8555 kcal/h; 1 RT = 12000 / 3.970923 = 3021.9674 kcal/h.
  struct Case {
    const char* unit;
    float value;
    double kcal;
  };
  for (const Case& c : {Case{"WATT", 1000.0f, 859.8555}, Case{"RT", 1.0f, 3021.9674},
                        Case{"BTUh", 3970.923f, 1000.0}}) {
    const float kcal = StudyLoadToKcal(c.value, c.unit);
    EXPECT_NEAR(kcal, c.kcal, c.kcal * 2e-7 + 1e-4) << c.unit;
    EXPECT_NEAR(StudyLoadFromKcal(kcal, c.unit), c.value, c.value * 4e-7) << c.unit;
  }
}

TEST_F(UnitsTest, StudyRoundingIsHalfUpToOneDecimal) {
  EXPECT_FLOAT_EQ(RoundSingle(-0.25f, 1), -0.2f);  // half up, towards +∞
  // 2.675f is 2.67499995; scaled in single precision it is 267.5 and rounds up.
  EXPECT_FLOAT_EQ(RoundSingle(2.675f, 2), 2.68f);
  EXPECT_FLOAT_EQ(StudyCelsius(80.0f), 26.7f);     // 48 × 5 / 9 = 26.667
  EXPECT_FLOAT_EQ(StudyFahrenheit(26.7f), 80.1f);  // 80.06
  EXPECT_FLOAT_EQ(StudyCfm(1000.0f), 588.2f);      // 1000 / 1.7 = 588.235
  EXPECT_FLOAT_EQ(StudyM3h(588.2f), 999.9f);       // 999.94
  // 0.2518301785 / 0.45359 = 0.5551934 kcal/kg per Btu/lb
  EXPECT_NEAR(StudyKcalKg(10.0f), 5.551934, 1e-6);
}

std::vector<CalcBox> boxes(std::initializer_list<std::pair<CalcQuantity, const char*>> list) {
  std::vector<CalcBox> out;
  for (const auto& [q, text] : list) out.push_back(CalcBox{q, QString::fromUtf8(text)});
  return out;
}

TEST_F(UnitsTest, CalculatorToMetricWithItsFormats) {
  setSeparators(Separators{'.', ','});
  auto b = boxes({{CalcQuantity::Flow, "100"},
                  {CalcQuantity::WetBulb, "77.00"},
                  {CalcQuantity::AbsHumidity, "70"},  // × 0.1428578672369 = 10.0000507
                  {CalcQuantity::Enthalpy, "12.34"},  // × 0.5551934 = 6.8511
                  {CalcQuantity::RelHumidity, "55.5"},
                  {CalcQuantity::Flow, "10,000.00"},  // thousands separators removed first
                  {CalcQuantity::DryBulb, ""},
                  {CalcQuantity::WetBulb, "----"}});
  QString caption = "Btu/Lib";
  ConvertToMetric(b, caption);
  const char* expected[] = {"170.0", "25.00", "10.00", "6.85", "55.5", "17,000.0", "", "----"};
  for (size_t i = 0; i < b.size(); ++i) EXPECT_EQ(b[i].text, expected[i]) << i;
  EXPECT_EQ(caption, "Kcal/Kg");
}

TEST_F(UnitsTest, CalculatorToEnglishWithCommaDecimalAndKilojoules) {
  setSeparators(Separators{',', '.'});
  auto b = boxes({{CalcQuantity::Flow, "1.000,5"},       // / 1.7 = 588.5294
                  {CalcQuantity::DryBulb, "25,5"},       // × 1.8 + 32 = 77.9
                  {CalcQuantity::AbsHumidity, "10"},     // / 0.1428578672369 = 69.99965
                  {CalcQuantity::Enthalpy, "41,868"}});  // × 0.23884875 / 0.5551934 = 18.011956
  QString caption = "KJ/Kg";
  ConvertToEnglish(b, caption);
  EXPECT_EQ(b[0].text, "588,53");
  EXPECT_EQ(b[1].text, "77,90");
  EXPECT_EQ(b[2].text, "70,000");
  EXPECT_EQ(b[3].text, "18,012");
  EXPECT_EQ(caption, "Btu/Lib");
}

}  // namespace
