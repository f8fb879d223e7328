// Typing and showing numbers with the user's regional separators.

#include "engine/NumberEntry.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "study/StudyState.h"

namespace aeriton {
namespace {

Separators& current() {
  static Separators s;
  return s;
}

// A separator pair the program can work with: two different characters.
bool usable(const Separators& s) {
  return !s.decimal.isNull() && !s.thousands.isNull() && s.decimal != s.thousands &&
         !s.decimal.isDigit() && !s.thousands.isDigit() && s.decimal != QLatin1Char('-') &&
         s.thousands != QLatin1Char('-');
}

bool isNumericChar(QChar c, const Separators& s) {
  return c.isDigit() || c == s.decimal || c == s.thousands || c == QLatin1Char('-');
}

// The value of a plain ASCII number ("-12.5", "5", ".5"), read with "." as
// the decimal point whatever the C library's locale; 0 when it is not one.
double plainDecimal(const std::string& ascii) {
  const char* first = ascii.data();
  const char* last = first + ascii.size();
  // from_chars takes no "+" and reads the sign itself.
  double v = 0;
  const auto r = std::from_chars(first, last, v, std::chars_format::fixed);
  if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v)) return 0.0;
  return v;
}

// Only ASCII digits count: other scripts' digits are not read by the parser.
inline bool asciiDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The value of the longest leading number of `text` (after leading blanks):
// optional sign, digits, optionally the decimal character and more digits.
// 0 when the text does not start with a number.
double leadingValue(const QString& text, QChar decimal) {
  std::string ascii;
  int i = 0;
  const int n = text.size();
  while (i < n && text.at(i).isSpace()) ++i;
  if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
    if (text.at(i) == QLatin1Char('-')) ascii += '-';
    ++i;
  }
  bool digits = false;
  while (i < n && asciiDigit(text.at(i))) {
    ascii += static_cast<char>(text.at(i).unicode());
    digits = true;
    ++i;
  }
  if (i < n && text.at(i) == decimal) {
    ++i;
    std::string frac;
    while (i < n && asciiDigit(text.at(i))) {
      frac += static_cast<char>(text.at(i).unicode());
      ++i;
    }
    if (!frac.empty()) {
      ascii += '.';
      ascii += frac;
      digits = true;
    }
  }
  if (!digits) return 0.0;
  return plainDecimal(ascii);
}

// Decimal digits of |value|: `digits` significant digits and the power of ten
// of the first, so that |value| = 0.d1d2d3... × 10^(exp10 + 1).
struct DecimalDigits {
  std::string digits;  // without leading zeros, at least one digit
  int exp10 = 0;       // exponent of the first digit
};

// A value that is exactly a single (every study value) is written with the
// shortest digits that give the single back, so that 25.05f rounds as the
// 25.05 the user sees; any other double with 15 significant digits.
DecimalDigits decimalDigitsOf(double magnitude) {
  // Scientific text "d.ddde+XX" from to_chars, which never follows the C
  // library's locale (a Greek locale would write "d,ddd").
  char buf[64];
  auto scientific = [&](int precision) {
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, magnitude,
                                 std::chars_format::scientific, precision - 1);
    *(r.ec == std::errc() ? r.ptr : buf) = '\0';
  };
  const float asSingle = static_cast<float>(magnitude);
  int precision = 15;
  if (static_cast<double>(asSingle) == magnitude) {
    for (precision = 6; precision < 9; ++precision) {
      scientific(precision);
      float back = 0;
      const auto r = std::from_chars(buf, buf + std::strlen(buf), back);
      if (r.ec == std::errc() && back == asSingle) break;
    }
  }
  scientific(precision);
  DecimalDigits d;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits += *p;
  }
  d.exp10 = *p == 'e' ? std::atoi(p + 1) : 0;
  if (d.digits.empty()) d.digits = "0";
  return d;
}

struct Pattern {
  bool grouping = false;
  int minIntDigits = 0;
  bool point = false;
  int fixedDecimals = 0;
  int maxDecimals = 0;
};

Pattern parsePattern(const QString& pattern) {
  Pattern p;
  const int dot = pattern.indexOf(QLatin1Char('.'));
  const QString intPart = dot < 0 ? pattern : pattern.left(dot);
  const QString fracPart = dot < 0 ? QString() : pattern.mid(dot + 1);
  p.point = dot >= 0;
  p.grouping = intPart.contains(QLatin1Char(','));
  p.minIntDigits = static_cast<int>(intPart.count(QLatin1Char('0')));
  p.fixedDecimals = static_cast<int>(fracPart.count(QLatin1Char('0')));
  p.maxDecimals = p.fixedDecimals + static_cast<int>(fracPart.count(QLatin1Char('#')));
  return p;
}

}  // namespace

Separators detectSeparators(const QLocale& locale) {
  // "2,500.0" or "2.500,0": 2nd character the thousands separator, 6th the
  // decimal separator.
  QLocale withGroups = locale;
  withGroups.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
  const QString sample = withGroups.toString(2500.0, 'f', 1);
  Separators s;
  if (sample.size() == 7) {
    s.thousands = sample.at(1);
    s.decimal = sample.at(5);
    if (usable(s)) return s;
  }
  // Locales that do not group four-digit numbers, or whose separators are
  // longer than one character: take the locale's own symbols.
  const QString dec = locale.decimalPoint();
  const QString grp = locale.groupSeparator();
  s.decimal = dec.size() == 1 ? dec.at(0) : QLatin1Char('.');
  s.thousands = grp.size() == 1
                    ? grp.at(0)
                    : (s.decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','));
  if (usable(s)) return s;
  return Separators{};
}

const Separators& separators() {
  return current();
}

void setSeparators(const Separators& s) {
  current() = usable(s) ? s : Separators{};
}

void initSeparatorsFromSystem() {
  setSeparators(detectSeparators(QLocale::system()));
}

QString StripThousands(const QString& text) {
  QString out = text;
  out.remove(separators().thousands);
  return out;
}

// The two decimal keys of every keyboard, and the regional separator itself.
static bool isDecimalKey(QChar c, const Separators& s) {
  return c == QLatin1Char('.') || c == QLatin1Char(',') || c == s.decimal;
}

QString NumericKeyText(QChar typed, const QString& kept, bool minusAllowed, bool decimalAllowed) {
  const Separators& s = separators();
  if (asciiDigit(typed)) return QString(typed);
  if (typed == QLatin1Char('-')) return minusAllowed ? QString(typed) : QString();
  if (isDecimalKey(typed, s)) {
    if (!decimalAllowed || kept.contains(s.decimal)) return QString();
    return QString(s.decimal);
  }
  return QString();
}

namespace {

// Digit groups of an integer part split at thousands marks: a head of one to
// three digits not starting with 0, then groups of exactly three digits.
bool validGrouping(const QStringList& groups) {
  if (groups.size() < 2) return true;
  const QString& head = groups.front();
  if (head.isEmpty() || head.size() > 3 || head.front() == QLatin1Char('0')) return false;
  for (int i = 1; i < groups.size(); ++i)
    if (groups[i].size() != 3) return false;
  return true;
}

}  // namespace

std::optional<QString> NumericPasteText(const QString& pasted, const QString& kept,
                                        bool minusAllowed, bool decimalAllowed) {
  const Separators& s = separators();
  QString t = pasted.trimmed();
  bool negative = false;
  if (t.startsWith(QLatin1Char('-'))) {
    negative = true;
    t = t.mid(1);
  }
  // Every character must be a digit or a mark; blanks inside a number can
  // only group thousands.
  const auto isMark = [&](QChar c) {
    return isDecimalKey(c, s) || c == s.thousands || c.isSpace();
  };
  QList<QChar> kinds;  // the non-blank marks, in order of first appearance
  QChar lastMark;
  for (QChar c : t) {
    if (asciiDigit(c)) continue;
    if (!isMark(c)) return std::nullopt;
    if (c.isSpace()) continue;
    if (!kinds.contains(c)) kinds.append(c);
    lastMark = c;
  }
  if (kinds.size() > 2) return std::nullopt;

  // Which mark is the decimal one (null: none).
  QChar decimal;
  if (kinds.size() == 2) {
    decimal = lastMark;
  } else if (kinds.size() == 1) {
    const QChar m = kinds.front();
    if (t.count(m) == 1) {
      decimal = m;
      if (m == s.thousands) {
        // The user's own grouping ("30.000" for a Greek user) when it fits.
        const int at = static_cast<int>(t.indexOf(m));
        if (validGrouping(QString(t).remove(QRegularExpression(QStringLiteral("\\s"))).split(m)) &&
            t.size() - at - 1 == 3)
          decimal = QChar();
      }
    }
  }
  QString intPart = t, frac;
  if (!decimal.isNull()) {
    const int at = static_cast<int>(t.lastIndexOf(decimal));
    if (t.count(decimal) != 1) return std::nullopt;
    intPart = t.left(at);
    frac = t.mid(at + 1);
    for (QChar c : frac)
      if (!asciiDigit(c)) return std::nullopt;
  }
  // The integer part: digits, with any marks as thousands groups.
  QStringList groups;
  QString group;
  for (QChar c : intPart) {
    if (asciiDigit(c)) {
      group += c;
    } else {
      groups << group;
      group.clear();
    }
  }
  groups << group;
  if (!validGrouping(groups)) return std::nullopt;
  const QString digits = groups.join(QString());
  if (digits.isEmpty() && frac.isEmpty()) return std::nullopt;

  if (negative && !minusAllowed) return std::nullopt;
  if (!decimal.isNull() && (!decimalAllowed || kept.contains(s.decimal))) return std::nullopt;
  QString out = negative ? QStringLiteral("-") : QString();
  out += digits;
  if (!decimal.isNull()) out += s.decimal + frac;
  return out;
}

QString PlainNumberText(const QString& shown) {
  const QString t = shown.trimmed();
  if (!IsNumericText(t)) return shown;
  QString plain = StripThousands(t);
  plain.replace(separators().decimal, QLatin1Char('.'));
  return plain;
}

bool IsNumericText(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t == QLatin1String("----")) return false;
  const Separators& s = separators();
  if (t == QString(s.decimal) || t == QLatin1String("-")) return false;
  bool digit = false;
  for (QChar c : t) {
    if (!isNumericChar(c, s)) return false;
    if (asciiDigit(c)) digit = true;
  }
  return digit;
}

double ParseNumber(const QString& text) {
  const Separators& s = separators();

  // Two decimal separators make no number. The count is reported through the
  // message code and withdrawn at once: the caller only sees the 0.
  const int points = static_cast<int>(text.count(s.decimal));
  if (points >= 2) {
    study().MessageCode = static_cast<int16_t>(points > 32767 ? 32767 : points);
    study().MessageCode = 0;
    return 0.0;
  }

  const QString t = text.trimmed();
  if (t == QLatin1String("----")) return kPlaceholderValue;
  if (t.isEmpty()) return 0.0;

  bool numeric = false, foreign = false;
  for (QChar c : t) {
    (isNumericChar(c, s) ? numeric : foreign) = true;
    if (numeric && foreign) break;
  }
  if (!numeric) return 0.0;  // foreign characters only

  // A text of numeric characters: thousands separators dropped, read with the
  // regional decimal separator. "-", a lone separator, or characters in an
  // order that makes no number ("1-2") fall back to the leading number.
  // Mixed text ("12abc") gives its leading number too, read the same way so
  // that a comma-decimal user's "12,5abc" is 12.5 and not 12.
  const QString plain = StripThousands(t);
  if (!foreign) {
    QString ascii = plain;
    ascii.replace(s.decimal, QLatin1Char('.'));
    bool ok = false;
    const double v = ascii.toDouble(&ok);  // C locale: "-12.5", ".5", "5." only
    if (ok && std::isfinite(v)) return v;
  }
  return leadingValue(plain, s.decimal);
}

QString LocaleNumberText(double value) {
  if (!std::isfinite(value)) return QString();
  if (value == 0.0) value = 0.0;  // no "-0"
  // Plain text: up to 15 significant digits, never an exponent.
  QString plain;
  const double mag = std::fabs(value);
  if (mag >= 1e15) {
    plain = QString::number(value, 'f', 0);
  } else {
    const int intDigits = mag >= 1.0 ? static_cast<int>(std::floor(std::log10(mag))) + 1 : 1;
    int decimals = 15 - intDigits;
    if (mag > 0 && mag < 1.0) decimals = 15 - static_cast<int>(std::floor(std::log10(mag)));
    if (decimals > 300) decimals = 300;
    plain = QString::number(value, 'f', decimals < 0 ? 0 : decimals);
    if (plain.contains(QLatin1Char('.'))) {
      while (plain.endsWith(QLatin1Char('0'))) plain.chop(1);
      if (plain.endsWith(QLatin1Char('.'))) plain.chop(1);
    }
    if (plain == QLatin1String("-0")) plain = QStringLiteral("0");
  }
  int cut = plain.indexOf(QLatin1Char('.'));
  if (cut < 0) cut = plain.indexOf(QLatin1Char(','));
  if (cut < 0) return plain;
  const QString intPart = plain.left(cut);
  const QString frac = plain.mid(cut + 1);
  return frac.isEmpty() ? intPart : intPart + separators().decimal + frac;
}

QString RemoveCommasText(const QString& text) {
  const QString t = StripThousands(text.trimmed());
  if (!IsNumericText(t)) return text;  // empty, "----" or words stay as they are
  return LocaleNumberText(ParseNumber(t));
}

int Right_Rinstr(const QString& s, const QString& set) {
  for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i) {
    if (set.contains(s.at(i))) return static_cast<int>(s.size()) - i;
  }
  return 0;
}

int Left_Rinstr(const QString& s, const QString& set) {
  for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i) {
    if (set.contains(s.at(i))) return i;
  }
  return 0;
}

QString FormatNumber(double value, const QString& pattern) {
  if (!std::isfinite(value)) return QString();
  const Pattern p = parsePattern(pattern);
  const Separators& s = separators();
  const bool negative = value < 0;

  // Round |value| half away from zero at maxDecimals on its decimal digits.
  std::string intDigits, fracDigits;
  if (value != 0.0) {
    DecimalDigits d = decimalDigitsOf(std::fabs(value));
    // Position (count of digits) that stays: digits down to 10^-maxDecimals.
    const int keep = d.exp10 + 1 + p.maxDecimals;
    std::string kept;
    if (keep >= 0) {
      std::string digits = d.digits;
      if (static_cast<int>(digits.size()) < keep) digits.append(keep - digits.size(), '0');
      kept = digits.substr(0, keep);
      const bool roundUp = keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
      if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
          if (kept[i] == '9') {
            kept[i] = '0';
          } else {
            ++kept[i];
            break;
          }
        }
        if (i < 0) {
          kept.insert(kept.begin(), '1');
          ++d.exp10;
        }
      }
    }
    // kept holds the digits from 10^exp10 down to 10^-maxDecimals.
    const int intCount = d.exp10 + 1;  // digits before the point (may be <= 0)
    std::string all = kept;
    if (intCount <= 0) {
      all.insert(0, static_cast<size_t>(-intCount), '0');
      if (keep < 0) all.assign(p.maxDecimals, '0');
      intDigits.clear();
      fracDigits = all.substr(0, p.maxDecimals);
    } else {
      intDigits = all.substr(0, std::min<size_t>(intCount, all.size()));
      fracDigits = all.size() > static_cast<size_t>(intCount) ? all.substr(intCount) : "";
    }
    if (static_cast<int>(fracDigits.size()) < p.maxDecimals)
      fracDigits.append(p.maxDecimals - fracDigits.size(), '0');
  } else {
    fracDigits.assign(p.maxDecimals, '0');
  }

  // Integer part: no leading zeros, then padded to the pattern's zeros.
  size_t firstNonZero = intDigits.find_first_not_of('0');
  intDigits = firstNonZero == std::string::npos ? "" : intDigits.substr(firstNonZero);
  if (static_cast<int>(intDigits.size()) < p.minIntDigits)
    intDigits.insert(0, p.minIntDigits - intDigits.size(), '0');

  // Optional decimals ('#') drop their trailing zeros.
  while (static_cast<int>(fracDigits.size()) > p.fixedDecimals && !fracDigits.empty() &&
         fracDigits.back() == '0')
    fracDigits.pop_back();

  const bool allZero = intDigits.find_first_not_of('0') == std::string::npos &&
                       fracDigits.find_first_not_of('0') == std::string::npos;

  QString out;
  if (negative && !allZero) out += QLatin1Char('-');
  const int n = static_cast<int>(intDigits.size());
  for (int i = 0; i < n; ++i) {
    out += QLatin1Char(intDigits[i]);
    const int left = n - 1 - i;
    if (p.grouping && left > 0 && left % 3 == 0) out += s.thousands;
  }
  if (p.point) {
    out += s.decimal;
    out += QString::fromLatin1(fracDigits.c_str());
  }
  return out;
}

}  // namespace aeriton
