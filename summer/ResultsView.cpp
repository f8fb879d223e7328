#include "summer/ResultsView.h"

#include <limits>

#include "engine/NumberEntry.h"
#include "engine/Psychro.h"
#include "summer/ResultsTexts.h"

namespace aeriton::summer {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QString u8(const char* text) {
  return QString::fromUtf8(text);
}

// Index of the change-record values the screen shows.
enum Rec {
  RaisedDB = 0,
  RaisedWB = 1,
  RaisedH = 3,
  RaiseReheat = 10,
  NewFlow = 11,
  NewCoilLoad = 12
};

}  // namespace

QString controlName(ResultField f) {
  static const char* const names[kFieldCount] = {
      "TxtEnvDB",    "TxtEnvWB", "TxtSpaDB",  "TxtSpaWB",  "TxtSens",  "TxtLat",    "TxtOA",
      "TxtFA",       "TxtDB_M",  "TxtWB_M",   "TxtH_M",    "TxtDB_T",  "TxtWB_T",   "TxtH_T",
      "TxtFlowRate", "TxtPower", "TxtReheat", "TxtWinter", "TxtWater", "TxtFASens", "TxtFALat"};
  return QString::fromLatin1(names[static_cast<int>(f)]);
}

double roundHalfUp(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::floor(x * scale + 0.5) / scale;
}

double toFahrenheit(double c) {
  return roundHalfUp(c * 9.0 / 5.0 + 32.0, 1);
}
double toCelsius(double f) {
  return roundHalfUp((f - 32.0) * 5.0 / 9.0, 1);
}

bool isMarker(double v) {
  // Both markers and anything a cleared winter field may hold below them.
  return v == kNotComputed || v == kWinterUnset || v <= kWinterUnset;
}

UnitSystem studySystemOf(const StudyState& s) {
  return s.MetricCode == 0 ? UnitSystem::English : UnitSystem::Metric;
}

QString effectiveLoadUnit(const StudyState& s, const QString& loadUnit) {
  if (s.MetricCode == 0) return QStringLiteral("BTU");
  if (s.MetricCode == 32) return QStringLiteral("BTUh");
  if (loadUnit == "WATT" || loadUnit == "KCAL" || loadUnit == "KW" || loadUnit == "RT")
    return loadUnit;
  return QStringLiteral("KCAL");
}

// ---- in-place study conversions --------------------------------------------

namespace {

template <typename Fn>
void each(Fn fn, std::initializer_list<float*> values) {
  for (float* v : values)
    if (!isMarker(*v)) *v = static_cast<float>(fn(*v));
}

void convertStudy(StudyState& s, bool toEnglish) {
  const auto temp = [&](double v) { return toEnglish ? toFahrenheit(v) : toCelsius(v); };
  const auto enth = [&](double v) { return toEnglish ? v / kBtuLbToKcalKg : v * kBtuLbToKcalKg; };
  const auto load = [&](double v) { return toEnglish ? v * kKcalToBtu : v / kKcalToBtu; };
  const auto flow = [&](double v) {
    return roundHalfUp(toEnglish ? v / kCfmToM3h : v * kCfmToM3h, 1);
  };
  each(temp, {&s.EnvDB, &s.EnvWB, &s.SpaDB, &s.SpaWB, &s.DB_M, &s.WB_M, &s.DB_T, &s.WB_T, &s.DB_S,
              &s.WB_S});
  each(enth, {&s.Env_h, &s.Spa_h, &s.h_M, &s.h_T, &s.h_S});
  auto& rec = s.CoilOutChange;
  each(load, {&s.SensLoad, &s.LatLoad, &s.Reheat, &s.FreshSensLoad, &s.FreshLatLoad, &s.CoilLoad});
  // The raise's reheat, new flow and coil load only exist with a raise.
  if (rec[0] > 0) {
    each(load, {&rec[RaiseReheat], &rec[NewCoilLoad]});
    each(flow, {&rec[NewFlow]});
  }
  each(flow, {&s.FreshFlow, &s.SupplyFlow});
  if (s.FreshMode != "P") each(flow, {&s.FreshAmount, &s.FreshValue});
}

}  // namespace

void Convert_To_British(StudyState& s) {
  convertStudy(s, true);
}
void Convert_To_Metric(StudyState& s) {
  convertStudy(s, false);
}

// ---- the view ----------------------------------------------------------------

ResultsView::ResultsView(const StudyState& fileState, const QString& loadUnit, float shownPerCent)
    : s_(fileState), perCent_(shownPerCent) {
  studySystem_ = studySystemOf(s_);
  shown_ = studySystem_;
  loadUnit_ = effectiveLoadUnit(s_, loadUnit);
  if (recirculation()) {
    // Full recirculation runs on a token 0.1 of fresh air: none is shown.
    s_.FreshAmount = 0;
    s_.FreshPerCent = 0;
    s_.FreshFlow = 0;
    perCent_ = 0;
  }
}

void ResultsView::setChangeRecord(const std::array<float, kCoilOutChangeValues>& record) {
  s_.CoilOutChange = record;
}

void ResultsView::MakeChanges() {
  shown_ = shown_ == UnitSystem::Metric ? UnitSystem::English : UnitSystem::Metric;
}

bool ResultsView::heating() const {
  return s_.HeatingProcess && !s_.CoolingProcess;
}

bool ResultsView::hasReheat() const {
  return !isMarker(s_.DB_S) && s_.DB_S != 0.0f;
}

bool ResultsView::raised() const {
  return !heating() && s_.CoilOutChange[0] > 0.0f;
}

bool ResultsView::amountMode() const {
  return s_.FreshMode != "P";
}

bool ResultsView::recirculation() const {
  return s_.KindCode == "AA_100";
}

bool ResultsView::winterShowsFlow() const {
  return s_.SummerFlow != 0.0f;
}

float ResultsView::calculatedOutletTemperature() const {
  return hasReheat() ? s_.DB_S : s_.DB_T;
}

float ResultsView::presentOutletTemperature() const {
  return raised() ? s_.CoilOutChange[RaisedDB] : calculatedOutletTemperature();
}

bool ResultsView::freshAirDrier() const {
  if (heating() || recirculation()) return false;
  // Humidity ratios from Carrier's equation at the bulbs the results carry
  // (°F; a metric study's °C converted first).
  const bool metric = studySystem_ == UnitSystem::Metric;
  const auto fahrenheit = [metric](float t) {
    return metric ? static_cast<float>(t * 9.0 / 5.0 + 32.0) : t;
  };
  const auto humidity = [&](float db, float wb) {
    return psy::HumidityRatio(psy::CarrierPv(fahrenheit(db), fahrenheit(wb)));
  };
  const float outdoor = humidity(s_.EnvDB, s_.EnvWB);
  const float room = humidity(s_.SpaDB, s_.SpaWB);
  return std::isfinite(outdoor) && std::isfinite(room) && outdoor < room;
}

QString ResultsView::shownLoadUnit() const {
  if (shown_ == UnitSystem::English) return QStringLiteral("BTU");
  return studySystem_ == UnitSystem::English ? QStringLiteral("KCAL") : loadUnit_;
}

bool ResultsView::threeDecimalLoads() const {
  const QString u = shownLoadUnit();
  return u == "KW" || u == "RT";
}

bool ResultsView::enthalpyInKJ() const {
  const QString u = shownLoadUnit();
  return u == "WATT" || u == "KW" || u == "RT";
}

QString ResultsView::loadLabel() const {
  const QString u = shownLoadUnit();
  if (u == "KCAL") return u8(texts::kUnitKcalH);
  if (u == "WATT") return u8(texts::kUnitWatts);
  if (u == "KW") return u8(texts::kUnitKw);
  if (u == "RT") return u8(texts::kUnitRT);
  return u8(texts::kUnitBtuH);
}

QString ResultsView::flowLabel() const {
  return u8(shown_ == UnitSystem::Metric ? texts::kUnitM3h : texts::kUnitCfm);
}

QString ResultsView::temperatureLabel() const {
  return u8(shown_ == UnitSystem::Metric ? texts::kUnitC : texts::kUnitF);
}

QString ResultsView::enthalpyLabel() const {
  if (shown_ == UnitSystem::English) return u8(texts::kUnitBtuLb);
  return u8(enthalpyInKJ() ? texts::kUnitKJKg : texts::kUnitKcalKg);
}

QString ResultsView::oaLabel() const {
  if (!amountMode()) return u8(texts::kOAUnitPerCent);
  return u8(shown_ == UnitSystem::Metric ? texts::kOAUnitM3h : texts::kOAUnitCfm);
}

QString ResultsView::waterLabel() const {
  return shown_ == UnitSystem::Metric ? QStringLiteral("[Kg/h]") : QStringLiteral("[Lb/h]");
}

QString ResultsView::switchCaption() const {
  return u8(shown_ == UnitSystem::Metric ? texts::kEnglishCaption : texts::kMetricCaption);
}

double ResultsView::showTemperature(double stored) const {
  if (isMarker(stored)) return kNaN;
  if (shown_ == studySystem_) return stored;
  return shown_ == UnitSystem::English ? toFahrenheit(stored) : toCelsius(stored);
}

double ResultsView::showEnthalpy(double stored) const {
  if (isMarker(stored)) return kNaN;
  // Stored kcal/kg (metric study) or Btu/lb (English study).
  const double kcal = studySystem_ == UnitSystem::Metric ? stored : stored * kBtuLbToKcalKg;
  if (shown_ == UnitSystem::English)
    return studySystem_ == UnitSystem::English ? stored : kcal / kBtuLbToKcalKg;
  return enthalpyInKJ() ? kcal * kKcalKgToKJKg : kcal;
}

double ResultsView::showLoad(double stored) const {
  if (isMarker(stored)) return kNaN;
  // Stored kcal/h (metric study) or Btu/h (English study).
  if (shown_ == UnitSystem::English)
    return studySystem_ == UnitSystem::English ? stored : stored * kKcalToBtu;
  const double kcal = studySystem_ == UnitSystem::Metric ? stored : stored / kKcalToBtu;
  const QString u = shownLoadUnit();
  if (u == "WATT") return kcal / kKcalPerWatt;
  if (u == "KW") return kcal / kKcalPerKw;
  if (u == "RT") return kcal * kKcalToBtu / kBtuPerTon;
  if (u == "BTUh") return kcal * kKcalToBtu;
  return kcal;
}

double ResultsView::showFlow(double stored) const {
  if (isMarker(stored)) return kNaN;
  if (shown_ == studySystem_) return stored;
  return shown_ == UnitSystem::English ? stored / kCfmToM3h : stored * kCfmToM3h;
}

double ResultsView::value(ResultField f) const {
  const auto& rec = s_.CoilOutChange;
  const bool reheat = hasReheat();
  const bool up = raised();
  switch (f) {
    case ResultField::EnvDB:
      return showTemperature(s_.EnvDB);
    case ResultField::EnvWB:
      return showTemperature(s_.EnvWB);
    case ResultField::SpaDB:
      return showTemperature(s_.SpaDB);
    case ResultField::SpaWB:
      return showTemperature(s_.SpaWB);
    case ResultField::Sens:
      return showLoad(s_.SensLoad);
    case ResultField::Lat:
      return showLoad(s_.LatLoad);
    case ResultField::OA:
      return amountMode() ? showFlow(s_.FreshAmount) : static_cast<double>(perCent_);
    case ResultField::FA:
      return showFlow(s_.FreshFlow);
    case ResultField::DB_M:
      return showTemperature(s_.DB_M);
    case ResultField::WB_M:
      return showTemperature(s_.WB_M);
    case ResultField::H_M:
      return showEnthalpy(s_.h_M);
    case ResultField::DB_T:
      return showTemperature(up ? rec[RaisedDB] : reheat ? s_.DB_S : s_.DB_T);
    case ResultField::WB_T:
      return showTemperature(up ? rec[RaisedWB] : reheat ? s_.WB_S : s_.WB_T);
    case ResultField::H_T:
      return showEnthalpy(up ? rec[RaisedH] : reheat ? s_.h_S : s_.h_T);
    case ResultField::FlowRate:
      return showFlow(up ? rec[NewFlow] : s_.SupplyFlow);
    case ResultField::Power:
      return showLoad(up ? rec[NewCoilLoad] : s_.CoilLoad);
    case ResultField::Reheat: {
      // With a raise the reheater also lifts the supply air to the new temperature.
      const double reh = up ? static_cast<double>(s_.Reheat) + rec[RaiseReheat] : s_.Reheat;
      return showLoad(reh);
    }
    case ResultField::WinterSpecial:
      if (!heating()) return kNaN;
      return winterShowsFlow() ? showFlow(s_.SummerFlow) : showTemperature(s_.DB_S);
    case ResultField::Water: {
      if (!heating()) return kNaN;
      // The humidifier water travels in kg/h in the last value of the block.
      const double kg = s_.HighHumid[kHighHumidityValues - 1];
      if (isMarker(kg)) return kNaN;
      return shown_ == UnitSystem::Metric ? kg : kg * kKgToLb;
    }
    case ResultField::FreshSens:
      return showLoad(s_.FreshSensLoad);
    case ResultField::FreshLat:
      return showLoad(s_.FreshLatLoad);
  }
  return kNaN;
}

QString ResultsView::format(ResultField f) const {
  const bool up = raised();
  switch (f) {
    case ResultField::EnvDB:
    case ResultField::EnvWB:
    case ResultField::SpaDB:
    case ResultField::SpaWB:
    case ResultField::WinterSpecial:
      return QStringLiteral("#,##0.0");
    case ResultField::Sens:
    case ResultField::Lat:
      return threeDecimalLoads() ? QStringLiteral("#,###,##0.000") : QStringLiteral("#,###,##0.00");
    case ResultField::OA:
      return QStringLiteral("#,###,##0.0");
    case ResultField::FA:
      return QStringLiteral("#,###,##0");
    case ResultField::DB_M:
    case ResultField::WB_M:
    case ResultField::H_M:
      return QStringLiteral("0.00");
    case ResultField::DB_T:
    case ResultField::WB_T:
    case ResultField::H_T:
      // After a raise the enthalpy keeps the two decimals of every other
      // enthalpy on the screen (the record holds it to 0.01).
      return up ? QStringLiteral("#,##0.00") : QStringLiteral("0.00");
    case ResultField::FlowRate:
      return QStringLiteral("#,###,##0.0");
    case ResultField::Power:
      if (up) return QStringLiteral("#,###,##0.0");
      return threeDecimalLoads() ? QStringLiteral("#,###,##0.000") : QStringLiteral("#,###,##0.00");
    case ResultField::Reheat:
      return QStringLiteral("#,###,##0.0");
    case ResultField::Water:
      return QStringLiteral("#,##0.00");
    case ResultField::FreshSens:
    case ResultField::FreshLat:
      return QStringLiteral("#,###,##0.0");
  }
  return QStringLiteral("0.00");
}

QString ResultsView::text(ResultField f) const {
  const double v = value(f);
  if (std::isnan(v) || std::isinf(v)) return QString();
  return FormatNumber(v, format(f));
}

}  // namespace aeriton::summer
