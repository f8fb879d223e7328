#include "winter/WinterRun.h"

#include <QFile>
#include <cmath>

#include "engine/Psychro.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "winter/WinterChecks.h"
#include "winter/WinterMessages.h"
#include "winter/WinterRounding.h"

namespace aeriton::winter {
namespace {

// Factors of the study screens.
constexpr float kM3hPerCfm = 1.7f;
constexpr float kBtuPerKcal = 3.970923f;
constexpr float kKcalKgPerBtuLb = 0.2518301785f / 0.45359f;

bool isMarker(float v) {
  return v <= kWinterUnset + 0.5f;
}

float cToF(float c) {
  return roundHalfUp(c * 9.0f / 5.0f + 32.0f, 1);
}
float fToC(float f) {
  return roundHalfUp((f - 32.0f) * 5.0f / 9.0f, 1);
}

bool isMetric(const StudyState& s) {
  return s.MetricCode == 1 || s.MetricCode == 32;
}

// Humidity ratio, grains and enthalpy of a state given by its dry and wet
// bulbs (Carrier's equation with the interpolated saturation pressure).
bool stateOf(float DB, float WB, float& W, float& Gr, float& h) {
  const float pv = psy::CarrierPv(DB, WB);
  W = psy::HumidityRatio(pv);
  if (!std::isfinite(W)) return false;
  Gr = psy::kGrainsPerLb * W;
  h = psy::Enthalpy(DB, W);
  return std::isfinite(h);
}

// The rooms cannot be kept drier than the air they receive: the room takes the
// outdoor humidity ratio; its relative humidity and enthalpy follow at the
// room dry bulb (the wet bulb stays as entered).
void roomTakesOutdoorHumidity(StudyState& s) {
  s.SpaW = s.EnvW;
  s.SpaGr = s.EnvGr;
  s.Spa_h = psy::Enthalpy(s.SpaDB, s.SpaW);
  s.SpaRH = vapourPressureFromW(s.SpaW) / psy::SatPressure(s.SpaDB) * 100.0f;
}

bool readFile(const QString& path, QByteArray& bytes, QString& error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    error = f.errorString();
    return false;
  }
  bytes = f.readAll();
  return true;
}

RunOutcome refused(int code, const CalculateResult& r, bool english) {
  RunOutcome out;
  out.code = code;
  if (code == kCodeSupplyTooHot && r.detail.declined) return out;  // "NO" ends silently
  out.showMessage = true;
  out.message = code == kCodeFileError
                    ? fileErrorMessage(QString::fromLatin1(kDataFileName), r.error)
                    : messagesPS(code, english, r.detail.supplyTempF);
  return out;
}

// Steps after the inputs are in the study (display units) and their bytes
// are known: calculate, convert back, write the results.
RunOutcome finish(const QByteArray& dataBytes, StudyState& s, const ContinueQuestion& ask,
                  const StudyState& entered, bool writeResults = true) {
  const bool english = s.MetricCode == 0 && s.EnglishCode == 1;
  const CalculateResult r = Calculate(dataBytes, s, ask);
  s.MessageCode = 0;
  s.UserAnswer.clear();
  if (r.code != 0) return refused(r.code, r, english);

  // A 100 % fresh-air unit that moves its fresh-air amount moves it as given.
  const bool freshGoverns = s.KindFresh != 0 && s.FreshMode == QLatin1String("C") &&
                            s.SupplyFlow == roundHalfUp(s.FreshValue, 0);
  if (isMetric(s)) Convert_Metric(s);
  if (freshGoverns) s.SupplyFlow = s.FreshFlow = s.FreshValue = entered.FreshValue;
  // The inputs as the user gave them, free of the round trip through English
  // units: the summer flow (0 when another unit cools in summer), the loads,
  // and the fresh-air amount of a mixing unit.
  s.SummerFlow = entered.SummerFlow;
  s.SensLoad = entered.SensLoad;
  s.LatLoad = entered.LatLoad;
  if (s.FreshMode == QLatin1String("C") && s.KindFresh == 0) {
    s.FreshValue = entered.FreshValue;
    s.FreshFlow = entered.FreshValue;
  }
  s.SupplyTempShown = s.DB_S;
  // The files write NaN and infinity as 0, which no reader can tell from a
  // real 0: a value that could not be formed (a room far outside the
  // saturation table in a data file that no screen checked gives no relative
  // humidity) refuses the study as a state outside the table.
  if (!resultsFinite(s)) {
    CalculateResult outside;
    outside.code = kCodeOutOfRange;
    return refused(kCodeOutOfRange, outside, english);
  }
  RunOutcome out;
  out.results = resultsFileBytes(s);
  s.Unsaved = true;
  if (!writeResults) return out;
  QString error;
  if (!writeFileAtomically(appfolder::path(QString::fromLatin1(kResultsFileName)), out.results,
                           &error)) {
    out.code = kCodeFileError;
    out.showMessage = true;
    out.message = fileErrorMessage(QString::fromLatin1(kResultsFileName), error);
    out.results.clear();
    return out;
  }
  return out;
}

RunOutcome runData(const QByteArray& dataBytes, const ContinueQuestion& ask, StudyState& s,
                   bool writeResults);

}  // namespace

void Convert_British(StudyState& s) {
  for (float* v : {&s.EnvDB, &s.EnvWB, &s.SpaDB, &s.SpaWB}) *v = cToF(*v);
  if (!isMarker(s.DB_S)) s.DB_S = cToF(s.DB_S);  // the chosen coil outlet temperature
  s.SensLoad *= kBtuPerKcal;
  s.LatLoad *= kBtuPerKcal;
  if (s.FreshMode == QLatin1String("C")) s.FreshValue = roundHalfUp(s.FreshValue / kM3hPerCfm, 1);
  s.SummerFlow = roundHalfUp(s.SummerFlow / kM3hPerCfm, 1);
}

void Convert_Metric(StudyState& s) {
  for (float* v : {&s.EnvDB, &s.EnvWB, &s.SpaDB, &s.SpaWB, &s.DB_M, &s.WB_M, &s.DB_T, &s.WB_T,
                   &s.DB_S, &s.WB_S})
    if (!isMarker(*v)) *v = fToC(*v);
  for (float* v : {&s.Env_h, &s.Spa_h, &s.h_M, &s.h_T, &s.h_S})
    if (!isMarker(*v)) *v *= kKcalKgPerBtuLb;
  if (s.FreshMode == QLatin1String("C")) s.FreshValue = roundHalfUp(s.FreshValue * kM3hPerCfm, 1);
  for (float* v : {&s.FreshFlow, &s.SupplyFlow, &s.SummerFlow})
    *v = roundHalfUp(*v * kM3hPerCfm, 1);
  for (float* v :
       {&s.SensLoad, &s.LatLoad, &s.CoilLoad, &s.FreshSensLoad, &s.FreshLatLoad, &s.Reheat})
    *v /= kBtuPerKcal;
}

CalculateResult Calculate(const QByteArray& dataBytes, StudyState& s, const ContinueQuestion& ask) {
  CalculateResult r;
  // 1. The inputs from the data file.
  s.SupplyFlow = 0;
  const ReadResult read = readDataFile(dataBytes, s);
  if (!read) {
    r.code = kCodeFileError;
    r.error = read.error;
    return r;
  }
  // 2. From here on all values are English.
  if (isMetric(s)) Convert_British(s);
  // 3. The fresh-air flow of an amount; a per cent stands in for it until the
  // supply flow is known (only its sign matters before that).
  s.FreshFlow = s.FreshValue;

  // 4, 5. Outdoor and room states.
  if (!stateOf(s.EnvDB, s.EnvWB, s.EnvW, s.EnvGr, s.Env_h) ||
      !stateOf(s.SpaDB, s.SpaWB, s.SpaW, s.SpaGr, s.Spa_h)) {
    r.code = kCodeOutOfRange;
    return r;
  }

  if (s.KindFresh == 0) {
    // 7. Loads of the fresh air (their signs decide the room humidity).
    s.FreshSensLoad = 1.08f * s.FreshFlow * (s.SpaDB - s.EnvDB);
    s.FreshLatLoad = 0.68f * s.FreshFlow * (s.SpaGr - s.EnvGr);
    // 8. Outdoor air more humid than the room design: the rooms cannot be
    // kept drier than the air they receive, so the room takes the outdoor
    // humidity ratio; its relative humidity and enthalpy follow at the room
    // dry bulb (the wet bulb stays as entered), and the fresh air brings no
    // latent load.
    if (s.FreshLatLoad < 0.0f) {
      roomTakesOutdoorHumidity(s);
      s.FreshLatLoad = 0;
    }
  } else if (s.EnvW > s.SpaW) {
    // 100 % fresh air more humid than the room design, for the same reason:
    // the unit has no coil that could dry it. Left at the room's design
    // humidity the supply state would be drier than the heated outdoor air at
    // the same enthalpy - a humidifier taking water out (negative water), a
    // coil outlet below the supply temperature, even below the outdoor air,
    // and a heating capacity short by the latent heat of the difference. The
    // supply air keeps the outdoor humidity: no humidification, and the coil
    // heats the outdoor air straight to the supply temperature.
    roomTakesOutdoorHumidity(s);
  }

  // 9-11. The heating calculation; relative humidities come back in per cent.
  r.code = WinterCalc(s, Copy::WinterScreen, ask, &r.detail);
  return r;
}

RunOutcome runWinterStudy(StudyState& s, const ContinueQuestion& ask) {
  const QByteArray bytes = dataFileBytes(s);
  const QString dataPath = appfolder::path(QString::fromLatin1(kDataFileName));
  QString error;
  QByteArray readBack;
  CalculateResult failed;
  if (!writeFileAtomically(dataPath, bytes, &error) || !readFile(dataPath, readBack, error)) {
    failed.error = error;
    return refused(kCodeFileError, failed, false);
  }
  StudyState entered = s;
  if (!readDataFile(readBack, entered)) {
    failed.error = QStringLiteral("PSY_DAT.TMP");
    return refused(kCodeFileError, failed, false);
  }
  s.SupplyTempShown = s.DB_S;
  s.Unsaved = true;
  return finish(readBack, s, ask, entered);
}

RunOutcome runWinterFromDataFile(const QByteArray& dataBytes, const ContinueQuestion& ask) {
  return runWinterFromDataFile(dataBytes, ask, study());
}

RunOutcome runWinterFromDataFile(const QByteArray& dataBytes, const ContinueQuestion& ask,
                                 StudyState& s) {
  return runData(dataBytes, ask, s, true);
}

RunOutcome calculateWinterData(const QByteArray& dataBytes, const ContinueQuestion& ask,
                               StudyState& s) {
  return runData(dataBytes, ask, s, false);
}

namespace {

RunOutcome runData(const QByteArray& dataBytes, const ContinueQuestion& ask, StudyState& s,
                   bool writeResults) {
  ZeroVariables(s);
  StudyState inputs = s;
  const ReadResult read = readDataFile(dataBytes, inputs);
  if (!read) {
    CalculateResult failed;
    failed.error = read.error;
    return refused(kCodeFileError, failed, false);
  }
  s.SupplyTempShown = inputs.DB_S;
  return finish(dataBytes, s, ask, inputs, writeResults);
}

}  // namespace

bool askThroughMessages(float supplyTempF) {
  study().UserAnswer.clear();
  showMessage(messagesPS(kCodeSupplyQuestion, false, supplyTempF));
  const bool yes = study().UserAnswer == QLatin1String("YES");
  study().UserAnswer.clear();
  return yes;
}

}  // namespace aeriton::winter
