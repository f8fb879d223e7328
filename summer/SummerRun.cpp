#include "summer/SummerRun.h"

#include <QFile>
#include <cmath>

#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"
#include "summer/CalcMessages.h"

namespace aeriton::summer {
namespace {

struct KindRow {
  const char* code;
  int16_t mix, recirc, fresh, loads;
};
constexpr KindRow kKinds[] = {
    {"AAA_NA", 1, 0, 0, 0}, {"AA_100", 0, 1, 0, 0}, {"NA_PAF", 0, 0, 1, 2}, {"NA_DPF", 0, 0, 1, 1}};

// Factors of the load conversion to kcal/h, the single-precision constants of
// the study screens held as doubles.
constexpr double kKcalPerWatt = 0.8598554730415344;
constexpr double kKcalPerKW = 859.85546875;
constexpr double kBtuPerKcalDouble = 3.9709229469299316;
constexpr double kBtuPerRT = 12000.0;
constexpr float kBtuPerKcal = 3.970923f;
// Fresh-air amount of full recirculation: a token flow that mixes nothing.
constexpr float kRecirculationAmount = 0.1f;

RunOutcome refused(int code, const Message& message, const QString& detail = QString()) {
  RunOutcome out;
  out.code = code;
  out.message = message;
  out.detail = detail;
  return out;
}

}  // namespace

double loadToKcal(double value, const QString& unit) {
  if (unit == QLatin1String("WATT")) return value * kKcalPerWatt;
  if (unit == QLatin1String("KW")) return value * kKcalPerKW;
  if (unit == QLatin1String("RT")) return value * kBtuPerRT / static_cast<double>(kBtuPerKcal);
  if (unit == QLatin1String("BTUh") || unit == QLatin1String("BTU"))
    return value / kBtuPerKcalDouble;
  return value;  // "KCAL"
}

QByteArray loadsFileBytes(double sensibleKcal, double latentKcal) {
  RecordWriter w;
  w.dbl(sensibleKcal).dbl(latentKcal).endLine();
  return w.bytes();
}

bool readLoadsFile(const QByteArray& bytes, double& sensibleKcal, double& latentKcal,
                   QString* error) {
  RecordReader r(bytes);
  double sens = 0, lat = 0;
  const bool read = r.readDouble(sens) && r.readDouble(lat);
  // The loads become singles of the study: a value beyond their range would
  // turn into an infinity there.
  constexpr double kSingleMax = 3.4028234663852886e38;
  if (!read || std::fabs(sens) > kSingleMax || std::fabs(lat) > kSingleMax) {
    if (error)
      *error =
          QStringLiteral("%1: γραμμή %2").arg(QString::fromLatin1(kLoadsFileName)).arg(r.line());
    return false;
  }
  sensibleKcal = sens;
  latentKcal = lat;
  return true;
}

void prepareStudy(const SummerRunInput& in, double sensibleKcal, double latentKcal, StudyState& s) {
  s.setLoadUnit(in.loadUnit);
  s.EnvDB = in.envDB, s.EnvWB = in.envWB, s.EnvRH = in.envRH;
  s.SpaDB = in.spaDB, s.SpaWB = in.spaWB, s.SpaRH = in.spaRH;
  s.SensLoad = static_cast<float>(sensibleKcal);
  s.LatLoad = static_cast<float>(latentKcal);
  s.CoolingProcess = in.envDB > in.spaDB;
  s.HeatingProcess = in.envDB < in.spaDB;

  const int k = in.kindIndex < 0 || in.kindIndex > 3 ? 0 : in.kindIndex;
  const KindRow& row = kKinds[k];
  s.KindCode = QString::fromLatin1(row.code);
  s.KindMix = row.mix, s.KindRecirc = row.recirc, s.KindFresh = row.fresh, s.FreshLoads = row.loads;

  // The fresh air follows the selected mode; only mixing takes a per cent.
  if (k == 1) {
    s.FreshMode = QStringLiteral("C");
    s.FreshAmount = 0;
    s.FreshPerCent = 0;
    s.FreshValue = kRecirculationAmount;
  } else if (in.perCentMode && k == 0) {
    s.FreshMode = QStringLiteral("P");
    s.FreshAmount = 0;
    s.FreshPerCent = in.perCent;
    s.FreshValue = in.perCent;
  } else {
    s.FreshMode = QStringLiteral("C");
    s.FreshAmount = in.amount;
    s.FreshPerCent = 0;
    s.FreshValue = in.amount;
  }

  if (in.loadUnit == QLatin1String("BTUh")) {
    s.MetricCode = 32, s.EnglishCode = 32;
  } else if (in.loadUnit == QLatin1String("BTU")) {
    s.MetricCode = 0, s.EnglishCode = 1;
    s.SensLoad *= kBtuPerKcal;
    s.LatLoad *= kBtuPerKcal;
  } else {
    s.MetricCode = 1, s.EnglishCode = 0;
  }
  // A summer study has no chosen heating coil outlet and no summer flow.
  s.DB_S = kNotComputed;
  s.SummerFlow = 0;
}

RunOutcome calculateData(const QByteArray& dataBytes, StudyState& s,
                         const winter::ContinueQuestion& ask) {
  QString why;
  if (!readData(dataBytes, s, &why)) return refused(kCodeBadData, badDataMessage(why), why);
  // The loads, the fresh-air amount and the summer flow are inputs: they go
  // back to the results file exactly as the data file gave them.
  const float givenSens = s.SensLoad, givenLat = s.LatLoad;
  const float givenFresh = s.FreshValue, givenSummerFlow = s.SummerFlow;
  const CalcResult result = calculateRead(s, ask);
  if (!result.ok()) {
    RunOutcome out = refused(result.code, messageForResult(result));
    out.heating = result.heating;
    return out;
  }
  // An amount that passed unchanged as the fresh-air flow goes back as given
  // (no round trip through CFM).
  const bool amountKept = s.FreshMode == QLatin1String("C") && s.FreshFlow == s.FreshValue;
  if (s.MetricCode == 1 || s.MetricCode == 32) Convert_Metric(s);
  if (amountKept) s.FreshFlow = givenFresh;
  s.SensLoad = givenSens;
  s.LatLoad = givenLat;
  if (s.FreshMode == QLatin1String("C")) s.FreshValue = givenFresh;
  RunOutcome out;
  out.heating = result.heating;
  if (result.heating) {
    s.SummerFlow = givenSummerFlow;
    s.SupplyTempShown = s.DB_S;
  }
  // The files write NaN and infinity as 0, which no reader can tell from a
  // real 0: a value that could not be formed (a state far outside the
  // saturation table in a data file that no screen checked) refuses the
  // study instead of being written as a number.
  if (!resultsFinite(s)) {
    RunOutcome bad = refused(kCodeDivisionByZero, divisionByZeroMessage());
    bad.heating = result.heating;
    return bad;
  }
  s.Unsaved = true;
  return out;
}

RunOutcome runCalculation(const SummerRunInput& in, StudyState& s,
                          const winter::ContinueQuestion& ask) {
  QString error;
  const double sens = loadToKcal(in.sensible, in.loadUnit);
  const double lat = loadToKcal(in.latent, in.loadUnit);
  const QString loadsPath = appfolder::path(QString::fromLatin1(kLoadsFileName));
  if (!writeFileAtomically(loadsPath, loadsFileBytes(sens, lat), &error))
    return refused(kCodeBadData, badDataMessage(error), error);
  double sensBack = 0, latBack = 0;
  {
    QFile f(loadsPath);
    if (!f.open(QIODevice::ReadOnly))
      return refused(kCodeBadData, badDataMessage(f.errorString()), f.errorString());
    if (!readLoadsFile(f.readAll(), sensBack, latBack, &error))
      return refused(kCodeBadData, badDataMessage(error), error);
  }
  prepareStudy(in, sensBack, latBack, s);

  const QString dataPath = appfolder::path(QString::fromLatin1(kDataFileName));
  if (!writeFileAtomically(dataPath, dataFileBytes(s), &error))
    return refused(kCodeBadData, badDataMessage(error), error);
  QByteArray bytes;  // the calculation reads the file back
  {
    QFile f(dataPath);
    if (!f.open(QIODevice::ReadOnly))
      return refused(kCodeBadData, badDataMessage(f.errorString()), f.errorString());
    bytes = f.readAll();
  }
  RunOutcome out = calculateData(bytes, s, ask);
  if (!out.ok()) return out;
  if (!writeFileAtomically(appfolder::path(QString::fromLatin1(kResultsFileName)),
                           resultsFileBytes(s), &error))
    return refused(kCodeBadData, badDataMessage(error), error);
  return out;
}

winter::ContinueQuestion askThroughMessages() {
  return [](float supplyTempF) {
    return showMessage(supplyQuestionMessage(supplyTempF)) == MsgAnswer::Yes;
  };
}

}  // namespace aeriton::summer
