// The two-state calculator: checks, the calculation through the engine, the
// value lists and the unit switches.

#include "calculator/PsCalc.h"

#include <cmath>
#include <vector>

#include "engine/NumberEntry.h"
#include "engine/Psychro.h"
#include "engine/Units.h"
#include "study/StudyState.h"

namespace aeriton::calculator {
namespace {

namespace u = aeriton::units;

const QString kValueFormat = QStringLiteral("#,##0.00");
const QString kLoadButtonFormat = QStringLiteral("#,##0.0");
const QString kEnthalpySwitchFormat = QStringLiteral("0.00");

// Standard-air factors of the load equations (Btu/h per CFM·°F and per
// CFM·grain/lb).
constexpr double kSensibleFactor = 1.08;
constexpr double kLatentFactor = 0.68;

// The calculator keeps its states inside the saturation table of the data
// screens: -10 °F .. 130 °F.
constexpr float kLowestF = static_cast<float>(psy::kTableLow);
constexpr float kHighestF = static_cast<float>(psy::kTableHigh);

bool isHumidityBox(int box) {
  return box == kTWBin || box == kRHin || box == kTWBout || box == kRHout;
}

bool& givenFlag(CalcForm& f, int box) {
  switch (box) {
    case kTWBin:
      return f.wbInGiven;
    case kRHin:
      return f.rhInGiven;
    case kTWBout:
      return f.wbOutGiven;
    default:
      return f.rhOutGiven;
  }
}

bool givenFlag(const CalcForm& f, int box) {
  switch (box) {
    case kTWBin:
      return f.wbInGiven;
    case kRHin:
      return f.rhInGiven;
    case kTWBout:
      return f.wbOutGiven;
    default:
      return f.rhOutGiven;
  }
}

// The other humidity box of the same state.
int partnerOf(int box) {
  switch (box) {
    case kTWBin:
      return kRHin;
    case kRHin:
      return kTWBin;
    case kTWBout:
      return kRHout;
    default:
      return kTWBout;
  }
}

void choose(CalcForm& f, int entry) {
  const int computed = partnerOf(entry);
  f.text[computed] = computedText();
  f.text[entry].clear();
  givenFlag(f, entry) = true;
  givenFlag(f, computed) = false;
  const bool byRH = entry == kRHin || entry == kRHout;
  if (entry == kTWBin || entry == kRHin)
    f.inletByRH = byRH;
  else
    f.outletByRH = byRH;
}

bool holdsNumber(const QString& text) {
  return IsNumericText(StripThousands(text.trimmed()));
}

// The engine's working fields of the study state, put back after the
// calculator has used them, so that an open summer or winter study keeps its
// outdoor state.
class EnvFieldsKept {
 public:
  EnvFieldsKept()
      : db_(study().EnvDB),
        wb_(study().EnvWB),
        h_(study().Env_h),
        w_(study().EnvW),
        gr_(study().EnvGr) {}
  ~EnvFieldsKept() {
    StudyState& s = study();
    s.EnvDB = db_, s.EnvWB = wb_, s.Env_h = h_, s.EnvW = w_, s.EnvGr = gr_;
  }
  EnvFieldsKept(const EnvFieldsKept&) = delete;
  EnvFieldsKept& operator=(const EnvFieldsKept&) = delete;

 private:
  float db_, wb_, h_, w_, gr_;
};

bool insideTable(float t) {
  return std::isfinite(t) && t >= kLowestF && t <= kHighestF;
}

// One state: dry bulb E[db]; wet bulb E[db+1], RH (per cent) E[db+2],
// grains E[db+3], enthalpy E[db+4]. False when the state is no state of
// moist air inside the table.
bool computeState(ValueList& E, int db, bool byRH) {
  const float DB = E[db];
  if (!insideTable(DB)) return false;
  float grains = 0;
  if (byRH) {
    // Relative humidity given: the wet bulb by the search (the calculator's
    // copy sets CoolingProcess/HeatingProcess from the inlet and outlet).
    const float rhPercent = E[db + 2];
    if (!(rhPercent > 0.0f) || rhPercent > 100.0f) return false;
    float wb = 0, rhFraction = rhPercent;
    if (!psy::FindWB_AH_Calculator(E[kTDBin], E[kTDBout], DB, wb, rhFraction, grains)) return false;
    if (!insideTable(wb)) return false;
    E[db + 1] = wb;
    // The RH stays in per cent as given (the search hands back a fraction).
  } else {
    // Wet bulb given: Carrier's equation. A wet bulb above the dry bulb
    // would be supersaturated air; one so low that the vapour pressure
    // comes out negative has no state either.
    const float WB = E[db + 1];
    if (!insideTable(WB) || WB > DB) return false;
    float rh = 0;
    if (!psy::FindRH_AH(QStringLiteral("n"), DB, WB, rh, grains)) return false;
    if (!std::isfinite(rh) || rh < 0.0f || grains < 0.0f) return false;
    // The engine's fraction in per cent; a saturated state (fraction 1) is
    // 100 %.
    E[db + 2] = rh * 100.0f;
  }
  E[db + 3] = grains;
  StudyState& s = study();
  s.EnvDB = DB;
  s.EnvWB = E[db + 1];
  psy::FindEnthalpyEnv(s.EnvDB, s.EnvWB, s.Env_h, s.EnvW);
  if (!std::isfinite(s.Env_h)) return false;
  E[db + 4] = s.Env_h;
  return true;
}

float toSingle(double v) {
  return static_cast<float>(v);
}

QString formatValue(double v) {
  return FormatNumber(v, kValueFormat);
}

}  // namespace

QString boxName(int box) {
  static const char* kNames[kBoxCount + 1] = {
      "",          "TxtFlowRate", "TxtTDBin", "TxtTWBin", "TxtRHin", "TxtWin",  "TxtHin",
      "TxtTDBout", "TxtTWBout",   "TxtRHout", "TxtWout",  "TxtHout", "TxtSens", "TxtLat"};
  if (box < 1 || box > kBoxCount) return QString();
  return QString::fromLatin1(kNames[box]);
}

units::CalcQuantity quantityOf(int box) {
  switch (box) {
    case kFlow:
      return units::CalcQuantity::Flow;
    case kTDBin:
    case kTDBout:
      return units::CalcQuantity::DryBulb;
    case kTWBin:
    case kTWBout:
      return units::CalcQuantity::WetBulb;
    case kRHin:
    case kRHout:
      return units::CalcQuantity::RelHumidity;
    case kWin:
    case kWout:
      return units::CalcQuantity::AbsHumidity;
    case kHin:
    case kHout:
      return units::CalcQuantity::Enthalpy;
    default:
      return units::CalcQuantity::Load;
  }
}

QString computedText() {
  return QStringLiteral("ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ");
}
QString titlePlaceholder() {
  return QStringLiteral("ΘΕΜΑ ΤΗΣ ΜΕΛΕΤΗΣ");
}
QString toKJButtonText() {
  return QStringLiteral(" Μετατροπή σε [KJ/Kg] ");
}
QString toKcalButtonText() {
  return QStringLiteral(" Μετατροπή σε [Kcal/Kg] ");
}

Loads loadsFromKcal(float kcal) {
  Loads l;
  l.kcal = kcal;
  l.watts = toSingle(kcal / u::kCalcKcalPerWatt);
  l.kw = toSingle(kcal / u::kCalcKcalPerKW);
  l.btu = toSingle(kcal * u::kCalcBtuPerKcal);
  return l;
}

Loads loadsFromBtu(float btu) {
  Loads l;
  l.btu = btu;
  l.kcal = toSingle(btu / u::kCalcBtuPerKcal);
  l.watts = toSingle(l.kcal / u::kCalcKcalPerWatt);
  l.kw = toSingle(l.kcal / u::kCalcKcalPerKW);
  return l;
}

bool isEntryBox(const CalcForm& f, int box) {
  return isHumidityBox(box) && givenFlag(f, box);
}

bool isComputedBox(const CalcForm& f, int box) {
  return isHumidityBox(box) && !givenFlag(f, box);
}

double boxNumber(const CalcForm& f, int box) {
  if (box < 1 || box > kBoxCount) return 0.0;
  const QString t = f.text[box].trimmed();
  if (t.isEmpty() || t == computedText()) return 0.0;
  return ParseNumber(StripThousands(t));
}

bool boxMissing(const CalcForm& f, int box) {
  const QString t = f.text[box].trimmed();
  return t.isEmpty() || t == computedText();
}

void newStudy(CalcForm& f) {
  f = CalcForm();
  f.metric = true;
  f.inletByRH = f.outletByRH = false;
  f.showKcal = 1;
  f.showWatts = f.showKW = 0;
  f.enthalpyCaption = u::kCaptionKcal;
  f.loadCaption = kCaptionKcalH;
}

void chooseWetBulb(CalcForm& f, bool inlet) {
  choose(f, inlet ? kTWBin : kTWBout);
}

void chooseRelHumidity(CalcForm& f, bool inlet) {
  choose(f, inlet ? kRHin : kRHout);
}

void eraseAllYellows(CalcForm& f) {
  for (int b : {kWin, kHin, kWout, kHout}) f.text[b].clear();
  for (int b : {kTWBin, kRHin, kTWBout, kRHout}) {
    if (givenFlag(f, b)) continue;
    // A state with a given property shows what will be computed; a state
    // whose property is not chosen yet has both boxes empty.
    f.text[b] = givenFlag(f, partnerOf(b)) ? computedText() : QString();
  }
}

void invalidate(CalcForm& f) {
  f.text[kSens].clear();
  f.text[kLat].clear();
  f.sensColour = f.latColour = LoadColour::None;
  eraseAllYellows(f);
}

bool calculationShown(const CalcForm& f) {
  for (int b : {kWin, kHin, kWout, kHout, kSens, kLat})
    if (!f.text[b].trimmed().isEmpty()) return true;
  return false;
}

int checkValues(const CalcForm& f) {
  // A flow of 0 is no air stream; a negative one would turn every load
  // round (cooling shown as heating), so it is refused with it.
  if (!(boxNumber(f, kFlow) > 0.0)) return 1;
  // A state is complete when its given property holds a value: a wet bulb
  // (any temperature, 0 included) or a relative humidity above 0.
  auto missing = [&f](bool byRH, int wb, int rh) {
    return byRH ? boxNumber(f, rh) == 0.0 : boxMissing(f, wb);
  };
  if (missing(f.inletByRH, kTWBin, kRHin)) return 4;
  if (missing(f.outletByRH, kTWBout, kRHout)) return 9;
  return 0;
}

void setValues(const CalcForm& f, ValueList& E, ValueList& M) {
  E.fill(0.0f);
  M.fill(0.0f);
  ValueList& shown = f.metric ? M : E;
  for (int b = 1; b <= kBoxCount; ++b) shown[b] = toSingle(boxNumber(f, b));
  for (int b = 1; b <= kBoxCount; ++b) {
    const u::CalcQuantity q = quantityOf(b);
    if (f.metric)
      E[b] = toSingle(u::CalcToEnglish(q, M[b]));
    else
      M[b] = toSingle(u::CalcToMetric(q, E[b]));
  }
  const float mode = f.inletByRH ? -1.0f : 0.0f;
  E[kInletMode] = M[kInletMode] = mode;
}

CalcResult calculate(ValueList& E, ValueList& M, bool inletByRH, bool outletByRH) {
  {
    EnvFieldsKept kept;
    if (!computeState(E, kTDBin, inletByRH)) return CalcResult::InletOutOfRange;
    if (!computeState(E, kTDBout, outletByRH)) return CalcResult::OutletOutOfRange;
  }

  // Loads between the two states, Btu/h.
  const float dT = E[kTDBin] - E[kTDBout];
  const float dGr = E[kWin] - E[kWout];
  E[kSens] = toSingle(static_cast<double>(dT * E[kFlow]) * kSensibleFactor);
  E[kLat] = toSingle(static_cast<double>(dGr * E[kFlow]) * kLatentFactor);
  E[kInletMode] = inletByRH ? -1.0f : 0.0f;

  // The metric list: flow and dry bulbs as entered (or derived by
  // setValues), a given wet bulb as entered, the rest from the English list.
  if (inletByRH) M[kTWBin] = toSingle((E[kTWBin] - 32.0) * 5.0 / 9.0);
  if (outletByRH) M[kTWBout] = toSingle((E[kTWBout] - 32.0) * 5.0 / 9.0);
  M[kRHin] = E[kRHin];
  M[kRHout] = E[kRHout];
  M[kWin] = toSingle(E[kWin] * u::kCalcGramsPerGrain);
  M[kWout] = toSingle(E[kWout] * u::kCalcGramsPerGrain);
  M[kHin] = toSingle(E[kHin] * u::kCalcResultKcalKgPerBtuLb);
  M[kHout] = toSingle(E[kHout] * u::kCalcResultKcalKgPerBtuLb);
  M[kSens] = toSingle(E[kSens] / u::kCalcBtuPerKcal);
  M[kLat] = toSingle(E[kLat] / u::kCalcBtuPerKcal);
  M[kInletMode] = E[kInletMode];
  return CalcResult::Ok;
}

void putValuesOnForm(CalcForm& f) {
  const ValueList& v = f.metric ? f.metricValues : f.english;
  for (int b = 1; b <= kHout; ++b) {
    if (isEntryBox(f, b)) continue;  // a given humidity keeps its entry
    if ((b == kRHin || b == kRHout) && v[b] == 0.0f) {
      f.text[b].clear();
      continue;
    }
    f.text[b] = formatValue(v[b]);
  }
  auto showLoad = [&f](int b, float load, LoadColour& colour) {
    f.text[b] = formatValue(std::fabs(load));
    colour = load >= 0.0f ? LoadColour::Cooling : LoadColour::Heating;
  };
  showLoad(kSens, v[kSens], f.sensColour);
  showLoad(kLat, v[kLat], f.latColour);
}

CalcOutcome calcButton(CalcForm& f) {
  CalcOutcome out;
  if (calculationShown(f)) {
    out.kind = CalcOutcome::AlreadyDone;
    return out;
  }
  switch (checkValues(f)) {
    case 1:
      out.kind = CalcOutcome::Missing, out.message = 1, out.focus = kFlow;
      return out;
    case 4:
      out.kind = CalcOutcome::Missing, out.message = 1, out.focus = kRHin;
      return out;
    case 9:
      out.kind = CalcOutcome::Missing, out.message = 1, out.focus = kRHout;
      return out;
    default:
      break;
  }
  ValueList E{}, M{};
  setValues(f, E, M);
  if ((boxMissing(f, kTWBin) && boxMissing(f, kRHin)) ||
      (boxMissing(f, kTWBout) && boxMissing(f, kRHout))) {
    out.kind = CalcOutcome::Missing, out.message = 1;
    return out;
  }
  const CalcResult r = calculate(E, M, f.inletByRH, f.outletByRH);
  if (r != CalcResult::Ok) {
    out.kind = CalcOutcome::OutOfRange;
    out.message = 5;
    out.inlet = r == CalcResult::InletOutOfRange;
    out.focus = out.inlet ? kTDBin : kTDBout;
    return out;
  }
  f.english = E;
  f.metricValues = M;
  if (f.metric) f.enthalpyCaption = u::kCaptionKcal;
  putValuesOnForm(f);

  // The loads in every unit, from the magnitudes shown.
  const float sensShown = toSingle(boxNumber(f, kSens));
  const float latShown = toSingle(boxNumber(f, kLat));
  if (f.metric) {
    f.loadCaption = kCaptionKcalH;
    f.sens = loadsFromKcal(sensShown);
    f.lat = loadsFromKcal(latShown);
    f.showKcal = kTrue;
    f.showWatts = f.showKW = kFalse;
  } else {
    f.loadCaption = kCaptionBtuH;
    f.sens = loadsFromBtu(sensShown);
    f.lat = loadsFromBtu(latShown);
  }
  return out;
}

void showLoadUnit(CalcForm& f, LoadUnit unit) {
  if (!f.metric) return;
  if (f.text[kSens].trimmed().isEmpty() && f.text[kLat].trimmed().isEmpty()) return;
  int16_t* flag = unit == LoadUnit::Kcal    ? &f.showKcal
                  : unit == LoadUnit::Watts ? &f.showWatts
                                            : &f.showKW;
  if (*flag == kTrue) return;
  const float sens = unit == LoadUnit::Kcal    ? f.sens.kcal
                     : unit == LoadUnit::Watts ? f.sens.watts
                                               : f.sens.kw;
  const float lat = unit == LoadUnit::Kcal    ? f.lat.kcal
                    : unit == LoadUnit::Watts ? f.lat.watts
                                              : f.lat.kw;
  f.text[kSens] = FormatNumber(sens, kLoadButtonFormat);
  f.text[kLat] = FormatNumber(lat, kLoadButtonFormat);
  f.loadCaption = unit == LoadUnit::Kcal    ? kCaptionKcalH
                  : unit == LoadUnit::Watts ? kCaptionWatts
                                            : kCaptionKW;
  f.showKcal = f.showWatts = f.showKW = kFalse;
  *flag = kTrue;
}

void switchEnthalpyUnit(CalcForm& f) {
  if (!f.metric) return;
  const bool toKJ = f.enthalpyCaption == u::kCaptionKcal;
  if (!toKJ && f.enthalpyCaption != u::kCaptionKJ) return;
  const double factor = toKJ ? u::kKJPerKcal : u::kKcalPerKJDisplay;
  for (int b : {kHin, kHout}) {
    if (!holdsNumber(f.text[b])) continue;
    f.text[b] = FormatNumber(boxNumber(f, b) * factor, kEnthalpySwitchFormat);
  }
  f.enthalpyCaption = toKJ ? u::kCaptionKJ : u::kCaptionKcal;
}

QString enthalpyButtonText(const CalcForm& f) {
  return f.enthalpyCaption == u::kCaptionKJ ? toKcalButtonText() : toKJButtonText();
}

void switchUnits(CalcForm& f, bool toMetric) {
  if (f.metric == toMetric) return;
  // Every box holding a number takes part; empty boxes and the yellow
  // "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ" stay as they are.
  std::vector<u::CalcBox> boxes;
  std::vector<int> which;
  for (int b = 1; b <= kBoxCount; ++b) {
    if (!holdsNumber(f.text[b])) continue;
    u::CalcBox box;
    box.quantity = quantityOf(b);
    box.text = f.text[b];
    const Loads& l = b == kSens ? f.sens : f.lat;
    box.storedMetric = l.kcal;
    box.storedEnglish = l.btu;
    boxes.push_back(box);
    which.push_back(b);
  }
  QString caption = f.enthalpyCaption;
  if (toMetric)
    u::ConvertToMetric(boxes, caption);
  else
    u::ConvertToEnglish(boxes, caption);
  for (size_t i = 0; i < boxes.size(); ++i) f.text[which[i]] = boxes[i].text;
  f.enthalpyCaption = caption;
  f.metric = toMetric;
  if (toMetric) {
    f.loadCaption = kCaptionKcalH;
    // The kcal/h flag is tested first by every reader; ShowKW keeps the 9
    // that the file stores as it is.
    f.showKcal = kTrue;
    f.showWatts = 0;
    f.showKW = 9;
  } else {
    f.loadCaption = kCaptionBtuH;
  }
}

QString flowCaption(const CalcForm& f) {
  return f.metric ? QStringLiteral("m³/h") : QStringLiteral("CFM");
}
QString temperatureCaption(const CalcForm& f) {
  return f.metric ? QStringLiteral("°C") : QStringLiteral("°F");
}
QString humidityCaption(const CalcForm& f) {
  // The metric values are grams of water per kilogram of dry air.
  return f.metric ? QStringLiteral("g/Kg") : QStringLiteral("Grains/Lib");
}

int lookIfSaveMakesSense(const CalcForm& f) {
  auto empty = [&f](int b) { return f.text[b].trimmed().isEmpty(); };
  if (f.title.trimmed().isEmpty() || f.title.trimmed() == titlePlaceholder()) return 7;
  // A yellow box awaiting the calculation counts as present here: the
  // message then asks for the calculation rather than for data.
  for (int b : {kTDBin, kTWBin, kRHin})
    if (empty(b)) return 2;
  for (int b : {kWin, kHin, kSens})
    if (empty(b)) return 3;
  return 0;
}

int lookIfPrintMakesSense(const CalcForm& f) {
  for (int b : {kTWBin, kRHin, kWin, kHin, kSens, kTWBout, kRHout, kWout, kHout, kLat})
    if (f.text[b].trimmed().isEmpty()) return 3;
  return 0;
}

}  // namespace aeriton::calculator
