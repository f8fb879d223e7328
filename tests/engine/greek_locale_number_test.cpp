// Number entry under Greek regional settings: the separators found from the
// Greek locale, the parser and the formatter whatever the C library's locale,
// and the two decimal keys of a number box in both conventions.

#include <gtest/gtest.h>

#include <optional>

#include "TestSupport.h"
#include "engine/NumberEntry.h"

using namespace aeriton;

namespace {

const Separators kDot{QLatin1Char('.'), QLatin1Char(',')};    // 1,234.5
const Separators kComma{QLatin1Char(','), QLatin1Char('.')};  // 1.234,5 (Greek)

class GreekNumbers : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma()); }
  void TearDown() override { setSeparators(Separators{}); }
  test::GreekLocale greek;
};

}  // namespace

TEST_F(GreekNumbers, GreekLocaleGivesCommaDecimalAndPointGrouping) {
  const Separators s = detectSeparators(QLocale(QLocale::Greek, QLocale::Greece));
  EXPECT_EQ(s.decimal, QLatin1Char(','));
  EXPECT_EQ(s.thousands, QLatin1Char('.'));
}

// The parser and the formatter follow the separators in force, never the C
// library's locale: an English user's mixed text "12.5 m" is 12.5 on a system
// whose C library writes "12,5".
TEST_F(GreekNumbers, ParserAndFormatterIgnoreTheCLibraryLocale) {
  setSeparators(kDot);
  EXPECT_DOUBLE_EQ(ParseNumber("12.5 m"), 12.5);
  EXPECT_DOUBLE_EQ(ParseNumber("-0.75abc"), -0.75);
  EXPECT_DOUBLE_EQ(ParseNumber("1,234.5"), 1234.5);
  EXPECT_EQ(FormatNumber(25.05f, "#,##0.0"), "25.1");
  EXPECT_EQ(FormatNumber(30000.5, "#,##0.0"), "30,000.5");
  EXPECT_EQ(LocaleNumberText(12.5), "12.5");
  setSeparators(kComma);
  EXPECT_DOUBLE_EQ(ParseNumber("12,5 m"), 12.5);
  EXPECT_DOUBLE_EQ(ParseNumber("1.234,5"), 1234.5);
  EXPECT_EQ(FormatNumber(30000.5, "#,##0.0"), "30.000,5");
  EXPECT_EQ(LocaleNumberText(12.5), "12,5");
  EXPECT_EQ(RemoveCommasText("30.000,5"), "30000,5");
}

// Either decimal key types the regional decimal separator while the box holds
// none; the thousands separator is never typed.
TEST_F(GreekNumbers, BothDecimalKeysTypeTheRegionalSeparatorOnce) {
  struct Case {
    Separators seps;
    QChar key;
    const char* kept;  // the box's text outside the selection
    const char* typed;
  };
  const Case cases[] = {
      {kComma, '.', "36", ","}, {kComma, ',', "36", ","}, {kComma, '.', "36,", ""},
      {kComma, ',', "3,6", ""}, {kDot, ',', "36", "."},   {kDot, '.', "36", "."},
      {kDot, ',', "36.", ""},   {kDot, '7', "36.", "7"},  {kComma, 'a', "", ""},
      {kComma, ' ', "1", ""},   {kComma, '-', "", "-"},   {kDot, QChar(0x066B), "1", ""},
  };
  for (const Case& c : cases) {
    setSeparators(c.seps);
    EXPECT_EQ(NumericKeyText(c.key, QString::fromLatin1(c.kept)), QString::fromLatin1(c.typed))
        << "key " << QString(c.key).toStdString() << " after " << c.kept;
  }
  setSeparators(kComma);
  EXPECT_EQ(NumericKeyText('-', "", /*minusAllowed=*/false), "");
  EXPECT_EQ(NumericKeyText('.', "300", true, /*decimalAllowed=*/false), "");
  EXPECT_EQ(NumericKeyText('5', "300", false, false), "5");
}

// A pasted number is read as a whole: grouping dropped, its decimal mark made
// the regional one; what cannot be read for sure is refused, never guessed
// into another number.
TEST_F(GreekNumbers, PastedNumbersKeepTheirValue) {
  struct Case {
    Separators seps;
    const char* pasted;
    const char* kept;
    std::optional<const char*> result;
  };
  const std::optional<const char*> refused;
  const Case cases[] = {
      {kComma, "36.5", "", "36,5"},
      {kComma, "30000.5", "", "30000,5"},
      {kComma, "1.234,5", "", "1234,5"},
      {kComma, "1,234.5", "", "1234,5"},
      {kComma, "30.000", "", "30000"},  // the user's own grouping
      {kComma, "1.234.567", "", "1234567"},
      {kComma, "0.125", "", "0,125"},  // no grouping after a lone 0
      {kComma, " 25,4 ", "", "25,4"},
      {kComma, "-5,5", "", "-5,5"},
      {kComma, "12abc", "", refused},
      {kComma, "1e5", "", refused},
      {kComma, "5-", "", refused},
      {kComma, "1.2.3", "", refused},  // no valid grouping, no single decimal
      {kComma, "1,2,3", "", refused},
      {kComma, ",5", "12,", refused},  // the box already holds its decimal
      {kComma, "5", "12,", "5"},
      {kComma, "", "", refused},
      {kDot, "36,5", "", "36.5"},
      {kDot, "30,000", "", "30000"},
      {kDot, "1.234,5", "", "1234.5"},
      {kDot, "30000,5", "", "30000.5"},
      {kDot, "2\u00A0500.5", "", "2500.5"},  // a blank as grouping
  };
  for (const Case& c : cases) {
    setSeparators(c.seps);
    const std::optional<QString> got =
        NumericPasteText(QString::fromUtf8(c.pasted), QString::fromLatin1(c.kept));
    if (c.result) {
      ASSERT_TRUE(got.has_value()) << c.pasted;
      EXPECT_EQ(*got, QString::fromLatin1(*c.result)) << c.pasted;
    } else {
      EXPECT_FALSE(got.has_value()) << c.pasted << " gave " << got->toStdString();
    }
  }
  setSeparators(kComma);
  EXPECT_FALSE(NumericPasteText("-5", "", /*minusAllowed=*/false, true).has_value());
  EXPECT_FALSE(NumericPasteText("300,5", "", true, /*decimalAllowed=*/false).has_value());
  EXPECT_EQ(NumericPasteText("3.000", "", false, false).value_or("?"), "3000");
}
