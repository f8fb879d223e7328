// Parsing and showing numbers under both regional conventions.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/NumberEntry.h"

using namespace aeriton;

namespace {

const Separators kDot{QLatin1Char('.'), QLatin1Char(',')};    // 1,234.5
const Separators kComma{QLatin1Char(','), QLatin1Char('.')};  // 1.234,5 (Greek)

class WithSeparators : public ::testing::Test {
 protected:
  void TearDown() override { setSeparators(Separators{}); }
};

TEST_F(WithSeparators, ParsesUnderBothConventions) {
  struct Case {
    const char* dotText;
    const char* commaText;
    double expected;
  };
  for (const Case& c :
       {Case{"1,234.5", "1.234,5", 1234.5}, Case{"1.2.3", "1,2,3", 0.0},
        Case{"12.5 m", "12,5 m", 12.5}, Case{"abc", "abc", 0.0}, Case{"-", "-", 0.0},
        Case{"", "", 0.0}, Case{"----", "----", -1202.0}, Case{"-12.75", "-12,75", -12.75},
        Case{".5", ",5", 0.5}, Case{"1-2", "1-2", 1.0},
        Case{"1,234,567.25", "1.234.567,25", 1234567.25}, Case{"ΘΑ ΥΠΟΛΟΓ.", "ΘΑ ΥΠΟΛΟΓ,", 0.0}}) {
    setSeparators(kDot);
    EXPECT_DOUBLE_EQ(ParseNumber(QString::fromUtf8(c.dotText)), c.expected) << c.dotText;
    setSeparators(kComma);
    EXPECT_DOUBLE_EQ(ParseNumber(QString::fromUtf8(c.commaText)), c.expected) << c.commaText;
  }
}

TEST_F(WithSeparators, FormatsUnderBothConventions) {
  struct Case {
    double value;
    const char* pattern;
    const char* dotText;
    const char* commaText;
  };
  for (const Case& c : {
           Case{1234.56, "#,##0.0", "1,234.6", "1.234,6"},
           Case{-0.04, "#,##0.0", "0.0", "0,0"},               // no "-0.0"
           Case{-1234.25, "#,##0.0", "-1,234.3", "-1.234,3"},  // exact half: away from zero
           Case{999.96, "#,##0.0", "1,000.0", "1.000,0"},
           // 2.675 is 2.67499999... in binary; shown values round on the decimal form
           Case{2.675, "#,##0.00", "2.68", "2,68"},
           Case{1234.5, "0.00", "1234.50", "1234,50"},
           Case{0.5, "#.0", ".5", ",5"},
           Case{5.0, "#,#00.0", "05.0", "05,0"},
           Case{1234.5, "#,##0", "1,235", "1.235"},
           Case{2.5, "0.##", "2.5", "2,5"},
           // a single-precision 25.05 rounds as it is shown
           Case{static_cast<double>(25.05f), "#,##0.0", "25.1", "25,1"},
       }) {
    setSeparators(kDot);
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.dotText) << c.value << " " << c.pattern;
    setSeparators(kComma);
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.commaText) << c.value << " " << c.pattern;
  }
  EXPECT_EQ(FormatNumber(NAN, "#,##0.0"), "");
}

// Whatever is pasted or typed into a box, the parser returns a finite number.
TEST_F(WithSeparators, ParserNeverFailsOnRandomText) {
  const QString alphabet = QStringLiteral("0123456789.,- +eE\tαΩ°----");
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> len(0, 24);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
  for (const Separators& s : {kDot, kComma}) {
    setSeparators(s);
    for (int i = 0; i < 5000; ++i) {
      QString text;
      for (int k = len(rng); k > 0; --k) text += alphabet.at(pick(rng));
      ASSERT_TRUE(std::isfinite(ParseNumber(text))) << text.toStdString();
    }
  }
  EXPECT_EQ(ParseNumber(QString(400, QLatin1Char('9'))), 0.0);  // beyond a double
}

}  // namespace
