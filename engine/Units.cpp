// Unit conversion between the metric and English systems.

#include "engine/Units.h"

#include <cmath>

#include "engine/NumberEntry.h"

namespace aeriton::units {

float RoundSingle(float x, int decimals) {
  float scale = 1.0f;
  for (int i = 0; i < decimals; ++i) scale *= 10.0f;
  const float scaled = x * scale;
  return static_cast<float>(std::floor(static_cast<double>(scaled) + 0.5) / scale);
}

float StudyCelsius(float fahrenheit) {
  return RoundSingle((fahrenheit - 32.0f) * 5.0f / 9.0f, 1);
}
float StudyFahrenheit(float celsius) {
  return RoundSingle(celsius * 9.0f / 5.0f + 32.0f, 1);
}
float StudyM3h(float cfm) {
  return RoundSingle(cfm * static_cast<float>(kM3hPerCfm), 1);
}
float StudyCfm(float m3h) {
  return RoundSingle(m3h / static_cast<float>(kM3hPerCfm), 1);
}
float StudyKcalKg(float btuLb) {
  return static_cast<float>(btuLb * kKcalKgPerBtuLb);
}
float StudyBtuLb(float kcalKg) {
  return static_cast<float>(kcalKg / kKcalKgPerBtuLb);
}
float StudyBtu(float kcalH) {
  return kcalH * kStudyBtuPerKcal;
}
float StudyKcal(float btuH) {
  return btuH / kStudyBtuPerKcal;
}

namespace {
// kcal/h per refrigeration ton: 12000 Btu/h ÷ 3.970923.
float kcalPerRT() {
  return kBtuPerRT / kStudyBtuPerKcal;
}
}  // namespace

float StudyLoadToKcal(float value, const QString& unitCode) {
  if (unitCode == QLatin1String("WATT")) return value * kStudyKcalPerWatt;
  if (unitCode == QLatin1String("KW")) return value * kStudyKcalPerKW;
  if (unitCode == QLatin1String("RT")) return value * kcalPerRT();
  if (unitCode == QLatin1String("BTUh") || unitCode == QLatin1String("BTU"))
    return StudyKcal(value);
  return value;  // "KCAL"
}

float StudyLoadFromKcal(float kcalH, const QString& unitCode) {
  if (unitCode == QLatin1String("WATT")) return kcalH / kStudyKcalPerWatt;
  if (unitCode == QLatin1String("KW")) return kcalH / kStudyKcalPerKW;
  if (unitCode == QLatin1String("RT")) return kcalH / kcalPerRT();
  if (unitCode == QLatin1String("BTUh") || unitCode == QLatin1String("BTU")) return StudyBtu(kcalH);
  return kcalH;
}

double CalcToMetric(CalcQuantity q, double english) {
  switch (q) {
    case CalcQuantity::Flow:
      return english * kM3hPerCfm;
    case CalcQuantity::DryBulb:
    case CalcQuantity::WetBulb:
      return (english - 32.0) * 5.0 / 9.0;
    case CalcQuantity::AbsHumidity:
      return english * kCalcGramsPerGrain;
    case CalcQuantity::Enthalpy:
      return english * kKcalKgPerBtuLb;
    case CalcQuantity::Load:
      return english / kCalcBtuPerKcal;
    case CalcQuantity::RelHumidity:
      break;
  }
  return english;
}

double CalcToEnglish(CalcQuantity q, double metric, bool enthalpyInKJ) {
  switch (q) {
    case CalcQuantity::Flow:
      return metric / kM3hPerCfm;
    case CalcQuantity::DryBulb:
    case CalcQuantity::WetBulb:
      return metric * 9.0 / 5.0 + 32.0;
    case CalcQuantity::AbsHumidity:
      return metric / kCalcGramsPerGrain;
    case CalcQuantity::Enthalpy: {
      const double kcal = enthalpyInKJ ? metric * kKcalPerKJToEnglish : metric;
      return kcal / kKcalKgPerBtuLb;
    }
    case CalcQuantity::Load:
      return metric * kCalcBtuPerKcal;
    case CalcQuantity::RelHumidity:
      break;
  }
  return metric;
}

QString CalcMetricFormat(CalcQuantity q) {
  switch (q) {
    case CalcQuantity::Flow:
    case CalcQuantity::DryBulb:
    case CalcQuantity::Load:
      return QStringLiteral("#,##0.0");
    case CalcQuantity::WetBulb:
    case CalcQuantity::AbsHumidity:
    case CalcQuantity::Enthalpy:
      return QStringLiteral("#,##0.00");
    case CalcQuantity::RelHumidity:
      break;
  }
  return QString();
}

QString CalcEnglishFormat(CalcQuantity q) {
  switch (q) {
    case CalcQuantity::Flow:
    case CalcQuantity::DryBulb:
    case CalcQuantity::WetBulb:
      return QStringLiteral("#,##0.00");
    case CalcQuantity::AbsHumidity:
    case CalcQuantity::Enthalpy:
      return QStringLiteral("#,##0.000");
    case CalcQuantity::Load:
      return QStringLiteral("#,##0.0");
    case CalcQuantity::RelHumidity:
      break;
  }
  return QString();
}

namespace {

// A box with no number in it: left as it is by a unit switch.
bool holdsNoValue(const QString& text) {
  const QString t = text.trimmed();
  return t.isEmpty() || t == QLatin1String("----");
}

void convertBoxes(std::vector<CalcBox>& boxes, bool toMetric, bool enthalpyInKJ) {
  for (CalcBox& box : boxes) {
    if (box.quantity == CalcQuantity::RelHumidity || holdsNoValue(box.text)) continue;
    double converted;
    if (box.quantity == CalcQuantity::Load) {
      converted = toMetric ? box.storedMetric : box.storedEnglish;
    } else {
      const double v = ParseNumber(StripThousands(box.text.trimmed()));
      converted =
          toMetric ? CalcToMetric(box.quantity, v) : CalcToEnglish(box.quantity, v, enthalpyInKJ);
    }
    box.text = FormatNumber(
        converted, toMetric ? CalcMetricFormat(box.quantity) : CalcEnglishFormat(box.quantity));
  }
}

}  // namespace

void ConvertToMetric(std::vector<CalcBox>& boxes, QString& enthalpyCaption) {
  convertBoxes(boxes, true, false);
  enthalpyCaption = kCaptionKcal;
}

void ConvertToEnglish(std::vector<CalcBox>& boxes, QString& enthalpyCaption) {
  convertBoxes(boxes, false, enthalpyCaption == kCaptionKJ);
  enthalpyCaption = kCaptionBtuLb;
}

}  // namespace aeriton::units
