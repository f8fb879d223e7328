// Parsing and showing numbers under both regional conventions.

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "study/StudyState.h"

using namespace aeriton;

namespace {

const Separators kDot{QLatin1Char('.'), QLatin1Char(',')};    // 1,234.5
const Separators kComma{QLatin1Char(','), QLatin1Char('.')};  // 1.234,5 (Greek)

// Restores the default separators after each test.
class WithSeparators : public ::testing::Test {
 protected:
  void TearDown() override { setSeparators(Separators{}); }
};

struct ParseCase {
  const char* name;
  const char* dotText;    // the text under "." decimal, "," thousands
  const char* commaText;  // the same text typed by a "," decimal user
  double expected;
};

class ParseCases : public WithSeparators, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseCases, DotDecimal) {
  setSeparators(kDot);
  EXPECT_DOUBLE_EQ(ParseNumber(QString::fromUtf8(GetParam().dotText)), GetParam().expected);
}

TEST_P(ParseCases, CommaDecimal) {
  setSeparators(kComma);
  EXPECT_DOUBLE_EQ(ParseNumber(QString::fromUtf8(GetParam().commaText)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseCases,
    ::testing::Values(
        ParseCase{"thousands", "1,234.5", "1.234,5", 1234.5},
        ParseCase{"two_decimal_separators", "1.2.3", "1,2,3", 0.0},
        ParseCase{"mixed", "12abc", "12abc", 12.0},
        ParseCase{"mixed_with_fraction", "12.5 m", "12,5 m", 12.5},
        ParseCase{"foreign_only", "abc", "abc", 0.0}, ParseCase{"lone_separator", ".", ",", 0.0},
        ParseCase{"lone_minus", "-", "-", 0.0}, ParseCase{"empty", "", "", 0.0},
        ParseCase{"blank", "   ", "   ", 0.0}, ParseCase{"placeholder", "----", "----", -1202.0},
        ParseCase{"negative", "-12.75", "-12,75", -12.75},
        ParseCase{"leading_point", ".5", ",5", 0.5}, ParseCase{"padded", " 77 ", " 77 ", 77.0},
        ParseCase{"misplaced_minus", "1-2", "1-2", 1.0},
        ParseCase{"millions", "1,234,567.25", "1.234.567,25", 1234567.25},
        ParseCase{"greek_caption", "ΘΑ ΥΠΟΛΟΓ.", "ΘΑ ΥΠΟΛΟΓ,", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithSeparators, TwoSeparatorsLeaveNoMessageCodeBehind) {
  test::ProgramFolderFixture fx;
  setSeparators(kDot);
  study().MessageCode = 0;
  EXPECT_EQ(ParseNumber("1.2.3"), 0.0);
  EXPECT_EQ(study().MessageCode, 0);
}

TEST_F(WithSeparators, StripThousands) {
  setSeparators(kDot);
  EXPECT_EQ(StripThousands("1,234,567.5"), "1234567.5");
  setSeparators(kComma);
  EXPECT_EQ(StripThousands("1.234.567,5"), "1234567,5");
}

TEST_F(WithSeparators, LocaleNumberText) {
  setSeparators(kComma);
  EXPECT_EQ(LocaleNumberText(12.5), "12,5");
  EXPECT_EQ(LocaleNumberText(12), "12");
  EXPECT_EQ(LocaleNumberText(-0.25), "-0,25");
  EXPECT_EQ(LocaleNumberText(1234567.125), "1234567,125");
  setSeparators(kDot);
  EXPECT_EQ(LocaleNumberText(12.5), "12.5");
  EXPECT_EQ(LocaleNumberText(0.1), "0.1");
  EXPECT_EQ(LocaleNumberText(-0.0), "0");
}

TEST_F(WithSeparators, RemoveCommasText) {
  setSeparators(kDot);
  EXPECT_EQ(RemoveCommasText(" 1,234.50 "), "1234.5");
  EXPECT_EQ(RemoveCommasText("----"), "----");
  EXPECT_EQ(RemoveCommasText(""), "");
  setSeparators(kComma);
  EXPECT_EQ(RemoveCommasText("1.234,50"), "1234,5");
}

TEST(Rinstr, FindsTheLastCharacterOfTheSet) {
  // "study.psy": the "." is the 6th character, 4 characters from the end.
  EXPECT_EQ(Right_Rinstr("study.psy", "."), 4);
  EXPECT_EQ(Left_Rinstr("study.psy", "."), 5);
  // The last of several: "C:\\a\\b.c" with set "\\" -> "\\b.c" (4), 4 before.
  EXPECT_EQ(Right_Rinstr("C:\\a\\b.c", "\\"), 4);
  EXPECT_EQ(Left_Rinstr("C:\\a\\b.c", "\\"), 4);
  EXPECT_EQ(Right_Rinstr("study", "."), 0);
  EXPECT_EQ(Left_Rinstr("study", "."), 0);
  EXPECT_EQ(Right_Rinstr("", "."), 0);
  EXPECT_EQ(Right_Rinstr("a.", "."), 1);
  EXPECT_EQ(Left_Rinstr(".a", "."), 0);
}

struct FormatCase {
  const char* name;
  double value;
  const char* pattern;
  const char* dotText;    // "." decimal, "," thousands
  const char* commaText;  // "," decimal, "." thousands
};

class FormatCases : public WithSeparators, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FormatCases, DotDecimal) {
  setSeparators(kDot);
  EXPECT_EQ(FormatNumber(GetParam().value, GetParam().pattern), GetParam().dotText);
}

TEST_P(FormatCases, CommaDecimal) {
  setSeparators(kComma);
  EXPECT_EQ(FormatNumber(GetParam().value, GetParam().pattern), GetParam().commaText);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatCases,
    ::testing::Values(
        FormatCase{"one_decimal", 1234.56, "#,##0.0", "1,234.6", "1.234,6"},
        FormatCase{"zero", 0.0, "#,##0.0", "0.0", "0,0"},
        FormatCase{"small_rounds_up", 0.05, "#,##0.0", "0.1", "0,1"},
        FormatCase{"negative_to_zero_has_no_sign", -0.04, "#,##0.0", "0.0", "0,0"},
        FormatCase{"millions", 1234567.891, "#,##0.0", "1,234,567.9", "1.234.567,9"},
        // 1234.25 is exact in binary: half away from zero
        FormatCase{"negative_half", -1234.25, "#,##0.0", "-1,234.3", "-1.234,3"},
        FormatCase{"carry_into_thousands", 999.96, "#,##0.0", "1,000.0", "1.000,0"},
        // 2.675 is 2.67499999... in binary; shown values round on the decimal form
        FormatCase{"decimal_half", 2.675, "#,##0.00", "2.68", "2,68"},
        FormatCase{"three_decimals", 3970.929956, "#,##0.000", "3,970.930", "3.970,930"},
        FormatCase{"no_grouping", 1234.5, "0.00", "1234.50", "1234,50"},
        FormatCase{"grouped_pattern", 1234567.0, "#,###,##0.0", "1,234,567.0", "1.234.567,0"},
        FormatCase{"optional_integer", 0.5, "#.0", ".5", ",5"},
        FormatCase{"optional_integer_whole", 12.25, "#.0", "12.3", "12,3"},
        FormatCase{"two_integer_digits", 5.0, "#,#00.0", "05.0", "05,0"},
        FormatCase{"two_integer_digits_large", 1234.0, "#,#00.0", "1,234.0", "1.234,0"},
        FormatCase{"whole", 1234.5, "#,##0", "1,235", "1.235"},
        FormatCase{"optional_decimals", 2.5, "0.##", "2.5", "2,5"},
        FormatCase{"tiny", 0.0004, "#,##0.00", "0.00", "0,00"},
        // a value held in single precision rounds as it is shown: 25.05
        FormatCase{"single_half", static_cast<double>(25.05f), "#,##0.0", "25.1", "25,1"},
        FormatCase{"single_large", static_cast<double>(12345678.0f), "#,##0.0", "12,345,678.0",
                   "12.345.678,0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithSeparators, FormatOfNaNIsEmpty) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#,##0.0"), "");
}

TEST_F(WithSeparators, FormattedTextParsesBack) {
  // What a box shows is what it reads back, under both conventions.
  for (const Separators& s : {kDot, kComma}) {
    setSeparators(s);
    for (double v : {0.0, 1.5, -7.25, 999.95, 1234.5, 98765.4321, 1234567.0}) {
      const QString shown = FormatNumber(v, "#,##0.00");
      const double back = ParseNumber(shown);
      EXPECT_NEAR(back, v, 0.005 + 1e-9) << shown.toStdString();
    }
  }
}

TEST_F(WithSeparators, DetectsTheSeparatorsOfALocale) {
  const Separators greek = detectSeparators(QLocale(QLocale::Greek, QLocale::Greece));
  EXPECT_EQ(greek.decimal, QLatin1Char(','));
  EXPECT_EQ(greek.thousands, QLatin1Char('.'));
  const Separators c = detectSeparators(QLocale::c());
  EXPECT_EQ(c.decimal, QLatin1Char('.'));
  EXPECT_EQ(c.thousands, QLatin1Char(','));
  QLocale noGroups(QLocale::English, QLocale::UnitedStates);
  noGroups.setNumberOptions(QLocale::OmitGroupSeparator);
  const Separators us = detectSeparators(noGroups);
  EXPECT_EQ(us.decimal, QLatin1Char('.'));
  EXPECT_EQ(us.thousands, QLatin1Char(','));
}

TEST_F(WithSeparators, RefusesAPairThatCannotBeTold) {
  setSeparators(Separators{QLatin1Char(','), QLatin1Char(',')});
  EXPECT_EQ(separators().decimal, QLatin1Char('.'));
  EXPECT_EQ(separators().thousands, QLatin1Char(','));
}

TEST_F(WithSeparators, KeyFilterKeepsDigitsMinusAndDecimalOnly) {
  setSeparators(kComma);
  EXPECT_TRUE(KeepNumericKey('7'));
  EXPECT_TRUE(KeepNumericKey('-'));
  EXPECT_TRUE(KeepNumericKey(','));
  EXPECT_FALSE(KeepNumericKey('.'));  // the thousands separator
  EXPECT_FALSE(KeepNumericKey('a'));
  EXPECT_FALSE(KeepNumericKey(' '));
  setSeparators(kDot);
  EXPECT_TRUE(KeepNumericKey('.'));
  EXPECT_FALSE(KeepNumericKey(','));
}

}  // namespace

namespace {

// Random values through every display pattern and back: the text read back
// differs from the value by at most half a unit of the last decimal shown.
TEST_F(WithSeparators, RandomValuesSurviveEveryPattern) {
  struct P {
    const char* pattern;
    double halfUnit;
  };
  const P patterns[] = {{"#,##0.0", 0.05}, {"#,##0.00", 0.005},   {"#,##0.000", 0.0005},
                        {"0.00", 0.005},   {"#,###,##0.0", 0.05}, {"#.0", 0.05},
                        {"#,#00.0", 0.05}, {"#,##0", 0.5}};
  std::mt19937 rng(1202);
  std::uniform_real_distribution<double> mag(-3.0, 7.0);
  std::bernoulli_distribution neg(0.3);
  for (const Separators& s : {kDot, kComma}) {
    setSeparators(s);
    for (int i = 0; i < 4000; ++i) {
      double v = std::pow(10.0, mag(rng));
      if (neg(rng)) v = -v;
      for (const P& p : patterns) {
        const QString shown = FormatNumber(v, p.pattern);
        const double back = ParseNumber(shown);
        ASSERT_NEAR(back, v, p.halfUnit * (1 + 1e-9) + std::fabs(v) * 1e-14)
            << v << " " << p.pattern << " -> " << shown.toStdString();
      }
    }
  }
}

// Whatever is pasted or typed into a box, the parser returns a finite number.
TEST_F(WithSeparators, ParserNeverFailsOnRandomText) {
  const QString alphabet = QStringLiteral("0123456789.,- +eE\tαΩ°----");
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> len(0, 24);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
  for (const Separators& s : {kDot, kComma}) {
    setSeparators(s);
    for (int i = 0; i < 20000; ++i) {
      QString text;
      const int n = len(rng);
      for (int k = 0; k < n; ++k) text += alphabet.at(pick(rng));
      const double v = ParseNumber(text);
      ASSERT_TRUE(std::isfinite(v)) << text.toStdString();
    }
  }
  EXPECT_EQ(ParseNumber(QString(400, QLatin1Char('9'))), 0.0);  // beyond a double
}

}  // namespace
