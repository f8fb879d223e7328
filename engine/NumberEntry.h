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
void setSeparators(const Separators& s);

// Sentinel of the "----" placeholder.
constexpr double kPlaceholderValue = -1202.0;

// The text without any thousands separator.
QString StripThousands(const QString& text);
// The number in a box text (two or more decimal separators give 0, "----"
// gives -1202, a mixed text its leading numeric value, foreign text 0).
double ParseNumber(const QString& text);
// The value as plain text with the regional decimal separator (12.5 -> "12,5").
QString LocaleNumberText(double value);
// Right_Rinstr / Left_Rinstr: position of the last character of s found in set,
// counted from the end (character included) / the characters before it.
int Right_Rinstr(const QString& s, const QString& set);
int Left_Rinstr(const QString& s, const QString& set);

// Formats a value with a display pattern ("#,##0.0", "#,##0.00", "#,##0.000",
// "0.00", "#,###,##0.0", "#.0", "#,#00.0", ...) and the separators in force.
// Rounding is half away from zero, as the patterns are applied to shown values.
QString FormatNumber(double value, const QString& pattern);

}  // namespace aeriton
