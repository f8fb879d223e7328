#pragma once
// Typing and showing numbers with the user's regional separators.
//
// The separators are found once at start-up by formatting 2500.0 with the
// pattern "#,##0.0" in the user's locale: the 2nd character of the text is the
// thousands separator, the 6th the decimal separator ("2,500.0" or "2.500,0").

#include <QChar>
#include <QLocale>
#include <QString>
#include <optional>

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
// The key filter of a numeric box, for one typed character, in a box whose
// text outside the selection (the part that stays) is `kept`. Returns what
// goes into the box, or an empty text when the key is refused:
//   - a digit stays;
//   - "-" stays when the box takes a sign;
//   - "." and "," - the decimal keys of every keyboard, the keypad's one
//     included - and the regional decimal separator all type the regional
//     decimal separator, while the box takes decimals and `kept` holds none;
//   - anything else is refused: the thousands separator is never typed, it
//     only appears in formatted output.
QString NumericKeyText(QChar typed, const QString& kept, bool minusAllowed = true,
                       bool decimalAllowed = true);
// What a paste puts into a numeric box (nullopt: the paste is refused whole).
// The pasted text is read as one number: blanks around it are dropped; "."
// and "," (and the regional separators) are told apart as a whole - with both
// present the last is the decimal mark and the other groups thousands; one
// mark repeated groups thousands; a single regional thousands separator
// followed by three digits (the user's own "30.000") groups thousands; any
// other single mark is the decimal mark. Groups must be three digits. The
// result is the digits with the regional decimal separator. Anything else
// (letters, units, a misplaced sign, a second decimal in the box, a decimal
// or a sign the box does not take) refuses the paste rather than guessing.
std::optional<QString> NumericPasteText(const QString& pasted, const QString& kept,
                                        bool minusAllowed = true, bool decimalAllowed = true);
// A number as a box shows it ("1.234,5" for a Greek user) in the form the
// files use: "." as decimal point, no thousands separator ("1234.5"). A text
// that is no number (empty, "----", the placeholder of a computed field) is
// returned unchanged.
QString PlainNumberText(const QString& shown);
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
