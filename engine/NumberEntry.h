#pragma once
// Typing and showing numbers with the user's regional separators.
//
// The separators are found once at start-up by formatting 2500.0 with the
// pattern "#,##0.0" in the user's locale: the 2nd character of the text is the
// thousands separator, the 6th the decimal separator ("2,500.0" or "2.500,0").

#include <QChar>
#include <QLocale>
#include <QString>

namespace aeriton {

struct Separators {
  QChar decimal = '.';
  QChar thousands = ',';
};

// Detects the separators of a locale as described above.
Separators detectSeparators(const QLocale& locale);
// The separators in force (set at start-up; tests set them directly).
const Separators& separators();
// Sets the separators; a pair that is not two different non-digit characters
// (other than "-") is replaced by "." and ",".
void setSeparators(const Separators& s);
// Start-up: the separators of the user's regional settings.
void initSeparatorsFromSystem();
// The separators as one-character texts.
inline QString DecimalSep() {
  return QString(separators().decimal);
}
inline QString ThousandsSep() {
  return QString(separators().thousands);
}

// Sentinel of the "----" placeholder.
constexpr double kPlaceholderValue = -1202.0;

// The text without any thousands separator.
QString StripThousands(const QString& text);
// The number in a box text (two or more decimal separators give 0, "----"
// gives -1202, a mixed text its leading numeric value, foreign text 0).
// Thousands separators are ignored and the regional decimal separator is the
// decimal point, in mixed text too ("12,5abc" is 12.5 for a comma user).
double ParseNumber(const QString& text);
// The value as plain text with the regional decimal separator (12.5 -> "12,5").
QString LocaleNumberText(double value);
// RemoveCommas on a text: a number without thousands separators, re-written by
// LocaleNumberText ("1,234.50" -> "1234.5"). A text that is not a number
// (empty, "----", words) is returned unchanged.
QString RemoveCommasText(const QString& text);
// True for a trimmed text made of digits, separators and "-" holding at least
// one digit (what the parser reads by the regional settings).
bool IsNumericText(const QString& text);
// Key filter of a numeric box for one typed character: digits, "-" and the
// decimal separator are kept; the thousands separator never.
bool KeepNumericKey(QChar c);
// Right_Rinstr / Left_Rinstr: position of the last character of s found in set,
// counted from the end (character included) / the characters before it.
int Right_Rinstr(const QString& s, const QString& set);
int Left_Rinstr(const QString& s, const QString& set);

// Formats a value with a display pattern ("#,##0.0", "#,##0.00", "#,##0.000",
// "0.00", "#,###,##0.0", "#.0", "#,#00.0", ...) and the separators in force.
// Rounding is half away from zero, as the patterns are applied to shown values.
// A value that is exactly a single is rounded on its shortest decimal form
// (25.05f with "#,##0.0" gives 25.1). Negative values that round to zero show
// no sign; NaN and infinities give an empty text.
QString FormatNumber(double value, const QString& pattern);

}  // namespace aeriton
