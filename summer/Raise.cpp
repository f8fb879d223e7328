#include "summer/Raise.h"

#include <QFile>
#include <cmath>

#include "engine/Psychro.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"
#include "summer/ResultsView.h"

namespace aeriton::summer {
namespace {

// Heat factors of standard air (Btu/h per CFM): sensible per °F, total per Btu/lb.
constexpr float kSensibleFactor = 1.08f;
constexpr float kTotalFactor = 4.45f;
// Vapour pressure from grains at the standard pressure: pw = 29.921·GR / (GR + 4354),
// 4354 being 7000 grains times the molar-mass ratio of vapour to dry air.
constexpr float kGrainsPressureConstant = 4354.0f;
// Whole-degree start of the wet-bulb search of a cooling and of a heating case.
constexpr int kCoolingSearchStart = 30;
constexpr int kHeatingSearchStart = 7;
// Minimum distance of the supply air below the room dry bulb.
constexpr double kMinBelowRoomC = 5.0;
constexpr double kMinBelowRoomF = 9.0;
// The dew-point search of the summer calculation starts at 45 °F and matches
// the line ratio to 0.01.
constexpr float kAdpSearchStartF = 45.0f;
constexpr float kLineRatioTolerance = 0.01f;
// Grams per kilogram from grains per pound: 1000 / 7000.
constexpr double kGrainsToGramsPerKg = 1000.0 / 7000.0;

float moistureConstant() {
  return psy::kRAir / psy::kRVapour;
}

bool finite(std::initializer_list<float> values) {
  for (float v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

bool close(float a, float b, float relative) {
  return std::fabs(a - b) <= relative * std::max(1.0f, std::fabs(b));
}

// Humidity ratio of a state from its dry and wet bulbs (Carrier's equation).
float humidityRatio(float DB, float WB) {
  return psy::HumidityRatio(psy::CarrierPv(DB, WB));
}

// Humidity ratio of a state from its dry bulb and enthalpy, inverting
// H = 0.24·DB + W·(1060.5 + 0.45·DB).
float humidityFromEnthalpy(float DB, float H) {
  return (H - psy::kCpAir * DB) / (psy::kLatent0 + psy::kCpVapour * DB);
}

// Comparisons of temperatures typed and shown with one decimal are made in
// whole hundredths, so that 26.3 − 21.3 counts as 5 even in single precision.
long hundredths(double v) {
  return std::lround(v * 100.0);
}

}  // namespace

ChangeRecord noRaiseRecord() {
  ChangeRecord r;
  r.fill(kNotComputed);
  r[rec::RaiseReheat] = 0;
  r[rec::NewFlow] = 0;
  r[rec::NewCoilLoad] = 0;
  return r;
}

float bypassFactorRule(const StudyState& file) {
  // 100 % fresh air and the dew-point failure at 45 °F (which adds reheat)
  // both work with the small bypass factor.
  if (file.KindFresh != 0) return 0.05f;
  // A mixing unit whose loads needed no more air than the fresh air runs on
  // the fresh air alone (supply flow = fresh-air flow) with the deep coil.
  // The supply flow is a whole CFM (in m³/h converted from it).
  const bool metricFile = studySystemOf(file) == UnitSystem::Metric;
  if (file.KindMix != 0 && file.FreshFlow > 0 &&
      std::fabs(file.SupplyFlow - file.FreshFlow) <= (metricFile ? 1.0f : 0.5f))
    return 0.05f;
  if (file.Reheat > 0) return 0.05f;
  const float oash = file.FreshSensLoad;
  const float oalh = file.FreshLatLoad;
  float bf = 0.15f;
  if (oash == 0 && oalh == 0) {
    bf = 0.15f;
  } else if (oalh == 0) {
    // Outdoor air as moist as the room, or so dry that it takes up the whole
    // room latent load (the coil only cools and the results carry no
    // outdoor-air latent load): the small factor.
    return 0.05f;
  } else {
    // Moister outdoor air, or drier outdoor air that leaves the coil part of
    // the room latent load (a negative outdoor-air latent load).
    bf = file.SpaRH >= 65.0f ? 0.05f : 0.15f;
  }
  // The effective sensible heat factor of that choice (the ratio is the same
  // in any load unit).
  const float sens = file.SensLoad + bf * oash;
  const float lat = file.LatLoad + bf * oalh;
  // No latent load at all: the coil works at the room's dew point with the
  // small factor.
  if (lat <= 0) return 0.05f;
  const float eshf = sens / (sens + lat);
  // An effective line steeper than the line ratio at 45 °F fails the dew-point
  // search, which then settles at 48 °F with the small factor.
  StudyState e = file;
  if (studySystemOf(file) == UnitSystem::Metric) Convert_To_British(e);
  const float grR = psy::kGrainsPerLb * humidityRatio(e.SpaDB, e.SpaWB);
  const float pws = psy::SatPressure(kAdpSearchStartF);
  const float grSat = psy::kGrainsPerLb * moistureConstant() * pws / (psy::kPressure - pws);
  const float dt = 0.244f * (e.SpaDB - kAdpSearchStartF);
  const float r45 = dt / (dt + (1076.0f / 7000.0f) * (grR - grSat));
  if (std::isfinite(r45) && eshf < r45 - kLineRatioTolerance) return 0.05f;
  return bf;
}

bool basisFromResults(const StudyState& file, RaiseBasis& out) {
  StudyState e = file;
  if (studySystemOf(file) == UnitSystem::Metric) Convert_To_British(e);
  RaiseBasis b;
  b.heating = file.HeatingProcess && !file.CoolingProcess;
  b.DBr = e.SpaDB;
  b.RSH = e.SensLoad;
  b.REH = e.Reheat > 0 ? e.Reheat : 0.0f;
  b.OASH = e.FreshSensLoad;
  b.CFMsa = e.SupplyFlow;
  b.DBm = e.DB_M;
  b.Hm = e.h_M;
  b.DBc = e.DB_T;
  b.Hc = e.h_T;
  // A mixing system's enthalpies were formed from the dry bulb and the
  // humidity ratio, and the file keeps them to 0.01: they give the humidity
  // ratios more closely than the wet bulbs rounded to 0.1. The other kinds
  // form their enthalpies otherwise (by mixing enthalpies, or from the room's
  // loads) and use the wet bulbs.
  const bool byEnthalpy = file.KindCode == "AAA_NA";
  b.Wm = byEnthalpy ? humidityFromEnthalpy(e.DB_M, e.h_M) : humidityRatio(e.DB_M, e.WB_M);
  b.Wc = byEnthalpy ? humidityFromEnthalpy(e.DB_T, e.h_T) : humidityRatio(e.DB_T, e.WB_T);
  b.BF = bypassFactorRule(file);
  b.Wadp = (b.Wc - b.BF * b.Wm) / (1.0f - b.BF);
  if (!finite({b.DBr, b.RSH, b.OASH, b.CFMsa, b.DBm, b.Hm, b.Wm, b.DBc, b.Hc, b.Wc, b.Wadp}))
    return false;
  if (b.CFMsa <= 0 || b.Wc <= 0 || b.Wm <= 0 || b.Wadp <= 0) return false;
  out = b;
  return true;
}

bool basisFromCalculation(const StudyState& calc, const StudyState& file, RaiseBasis& out) {
  // The state belongs to the file when it carries the same study and results.
  if (calc.KindCode != file.KindCode || calc.MetricCode != file.MetricCode) return false;
  const float tol = 1e-4f;
  if (!close(calc.DB_T, file.DB_T, tol) || !close(calc.WB_T, file.WB_T, tol) ||
      !close(calc.h_T, file.h_T, tol) || !close(calc.DB_M, file.DB_M, tol) ||
      !close(calc.WB_M, file.WB_M, tol) || !close(calc.h_M, file.h_M, tol) ||
      !close(calc.SupplyFlow, file.SupplyFlow, tol) || !close(calc.SpaDB, file.SpaDB, tol) ||
      !close(calc.SensLoad, file.SensLoad, tol))
    return false;
  RaiseBasis b;
  if (!basisFromResults(file, b)) return false;
  // The calculation's own humidity ratios (lb/lb) and bypass factor, when they
  // are what they claim to be: near the values of the rounded states of the
  // file, and tied together by the coil's bypass relation.
  if (!finite({calc.W_T, calc.W_M, calc.W_ADP, calc.BF})) return false;
  if (!(calc.BF > 0 && calc.BF < 1)) return false;
  if (!close(calc.W_T, b.Wc, 0.02f) || !close(calc.W_M, b.Wm, 0.02f)) return false;
  const float wc = calc.W_ADP + calc.BF * (calc.W_M - calc.W_ADP);
  if (!close(wc, calc.W_T, 1e-3f)) return false;
  b.Wc = calc.W_T;
  b.Wm = calc.W_M;
  b.Wadp = calc.W_ADP;
  b.BF = calc.BF;
  out = b;
  return true;
}

bool coilDesign(const StudyState& calc, const StudyState& file, CoilDesign& out) {
  RaiseBasis b;
  if (basisFromCalculation(calc, file, b)) {
    if (!finite({calc.BF, calc.LineRatio, calc.ADP})) return false;
    out = {calc.BF, calc.LineRatio, calc.ADP};
    return true;
  }
  if (!basisFromResults(file, b)) return false;
  StudyState e = file;
  if (studySystemOf(file) == UnitSystem::Metric) Convert_To_British(e);
  const float sens = e.SensLoad + b.BF * e.FreshSensLoad;
  const float total = sens + e.LatLoad + b.BF * e.FreshLatLoad;
  CoilDesign d;
  d.BF = b.BF;
  d.ESHF = sens / total;
  d.ADP = (b.DBc - b.BF * b.DBm) / (1.0f - b.BF);
  if (!finite({d.ESHF, d.ADP})) return false;
  out = d;
  return true;
}

RaiseCheck checkRaise(float T, float roomDB, float presentOutlet, bool metric) {
  if (hundredths(T) >= hundredths(roomDB)) return RaiseCheck::NotBelowRoom;
  if (hundredths(T) <= hundredths(presentOutlet)) return RaiseCheck::NotAboveOutlet;
  const double minimum = metric ? kMinBelowRoomC : kMinBelowRoomF;
  if (hundredths(roomDB) - hundredths(T) < hundredths(minimum)) return RaiseCheck::TooClose;
  return RaiseCheck::Accepted;
}

bool searchWetBulb(float DB, float pw, bool heating, float& WB) {
  if (!finite({DB, pw}) || pw < 0) return false;
  // Carrier's equation at WB = DB gives the saturation pressure at DB, which
  // no real state exceeds: the crossing lies at or below the dry bulb.
  const int top = std::min(psy::kTableHighExtended, static_cast<int>(std::ceil(DB)));
  const int firstStart = heating ? kHeatingSearchStart : kCoolingSearchStart;
  for (int start : {firstStart, kHeatingSearchStart, psy::kTableLow}) {
    if (start > top) continue;
    bool havePrev = false;
    float prevT = 0, prevP = 0;
    bool passedAtStart = false;
    for (int t = start; t <= top; ++t) {
      const float pc = psy::CarrierPv(DB, static_cast<float>(t));
      if (std::isnan(pc)) return false;
      if (std::fabs(pw - pc) <= psy::kMatchTolerance) {
        WB = static_cast<float>(t);
        return true;
      }
      if (pc >= pw) {
        if (!havePrev) {
          passedAtStart = true;  // the wet bulb lies below this start
          break;
        }
        WB = prevT + (pw - prevP) / (pc - prevP);
        return std::isfinite(WB);
      }
      prevT = static_cast<float>(t);
      prevP = pc;
      havePrev = true;
    }
    if (!passedAtStart) return false;  // searched up to the dry bulb: no such state
  }
  return false;
}

bool CalcNewCoilOut(const RaiseBasis& b, float newFlow, float raiseReheat, CoilOutlet& out) {
  // The dew point that carries the room, outdoor-air and reheat sensible
  // loads on the new flow, and the coil outlet it gives.
  const float adp = b.DBr - (b.BF * b.OASH + b.RSH + b.REH + raiseReheat) /
                                ((1.0f - b.BF) * kSensibleFactor * newFlow);
  CoilOutlet c;
  c.DB = adp + b.BF * (b.DBm - adp);
  c.W = b.Wadp + b.BF * (b.Wm - b.Wadp);
  c.GR = psy::kGrainsPerLb * c.W;
  const float pw = psy::kPressure * c.W / (moistureConstant() + c.W);
  if (!finite({adp, c.DB, c.W, pw}) || c.W <= 0) return false;
  if (!searchWetBulb(c.DB, pw, b.heating, c.WB)) return false;
  c.RH = pw / psy::SatPressure(c.DB);
  c.H = psy::Enthalpy(c.DB, c.W);
  if (!finite({c.RH, c.H})) return false;
  out = c;
  return true;
}

bool computeRaise(const RaiseBasis& b, float T, bool metric, ChangeRecord& out) {
  const float P = psy::kPressure;
  const float Tf = static_cast<float>(roundHalfUp(metric ? T * 9.0 / 5.0 + 32.0 : T, 1));
  if (!finite({Tf}) || b.DBr - Tf <= 0 || b.CFMsa <= 0 || b.BF <= 0 || b.BF >= 1) return false;

  // MakeNewCalc: the supply air at T keeps the coil-outlet moisture.
  const float GRc = psy::kGrainsPerLb * b.Wc;
  const float pw = P * GRc / (GRc + kGrainsPressureConstant);
  const float pwsT = psy::SatPressure(Tf);
  const float RHs = pw / pwsT;
  float WBs = 0;
  if (!searchWetBulb(Tf, pw, b.heating, WBs)) return false;
  const float Hs = psy::Enthalpy(Tf, b.Wc);
  const float Rr = kSensibleFactor * b.CFMsa * (Tf - b.DBc);
  const float F = (b.RSH + b.REH) / (kSensibleFactor * (b.DBr - Tf));
  if (!finite({RHs, Hs, Rr, F}) || F <= 0) return false;

  CoilOutlet n;
  if (!CalcNewCoilOut(b, F, Rr, n)) return false;
  const float DBn = n.DB, WBn = n.WB, RHn = n.RH, Hn = n.H, GRn = n.GR;
  const float QC = kTotalFactor * F * (b.Hm - Hn);
  if (!finite({QC})) return false;

  // Flows and loads are whole English units, as the calculation gives them.
  const double reheatBtu = roundHalfUp(Rr, 0);
  const double flowCfm = roundHalfUp(F, 0);
  const double loadBtu = roundHalfUp(QC, 0);

  const auto temp = [&](double f) { return metric ? toCelsius(f) : roundHalfUp(f, 1); };
  const auto enth = [&](double h) { return roundHalfUp(metric ? h * kBtuLbToKcalKg : h, 2); };
  const auto grains = [&](double g) {
    return roundHalfUp(metric ? g * kGrainsToGramsPerKg : g, 1);
  };
  const auto percent = [&](double rh) { return roundHalfUp(rh * 100.0, 2); };

  ChangeRecord r;
  r[rec::SupplyDB] = static_cast<float>(temp(Tf));
  r[rec::SupplyWB] = static_cast<float>(temp(WBs));
  r[rec::SupplyRH] = static_cast<float>(percent(RHs));
  r[rec::SupplyH] = static_cast<float>(enth(Hs));
  r[rec::SupplyGr] = static_cast<float>(grains(GRc));
  r[rec::CoilDB] = static_cast<float>(temp(DBn));
  r[rec::CoilWB] = static_cast<float>(temp(WBn));
  r[rec::CoilRH] = static_cast<float>(percent(RHn));
  r[rec::CoilH] = static_cast<float>(enth(Hn));
  r[rec::CoilGr] = static_cast<float>(grains(GRn));
  r[rec::RaiseReheat] = static_cast<float>(metric ? reheatBtu / kKcalToBtu : reheatBtu);
  r[rec::NewFlow] = static_cast<float>(metric ? roundHalfUp(flowCfm * kCfmToM3h, 1) : flowCfm);
  r[rec::NewCoilLoad] = static_cast<float>(metric ? loadBtu / kKcalToBtu : loadBtu);
  // A raise exists only with a positive first value: a supply temperature at
  // or below 0 °C cannot be recorded as one.
  if (!(r[rec::SupplyDB] > 0)) return false;
  // Held exactly as the results file will hold them (seven significant digits),
  // so that the study and the file carry the same record.
  for (float& v : r) {
    const auto back = parseRecordNumber(formatSingle(v));
    if (!back) return false;
    v = static_cast<float>(*back);
  }
  out = r;
  return true;
}

QByteArray raiseRequestBytes(float T) {
  RecordWriter w;
  w.single(T).endLine();
  return w.bytes();
}

bool parseRaiseRequest(const QByteArray& bytes, float& T) {
  RecordReader r(bytes);
  float v = 0;
  if (!r.readSingle(v) || !std::isfinite(v)) return false;
  T = v;
  return true;
}

RaiseOutcome MakeNewCalc(const StudyState& calc) {
  RaiseOutcome outcome;
  const QString resPath = appfolder::path(QString::fromLatin1(kResultsFileName));
  const QString veePath = appfolder::path(QStringLiteral("PSY_VEE.TMP"));

  QFile vee(veePath);
  if (!vee.open(QIODevice::ReadOnly)) {
    outcome.error = QStringLiteral("PSY_VEE.TMP: ") + vee.errorString();
    return outcome;
  }
  const QByteArray request = vee.readAll();
  vee.close();
  QFile::remove(veePath);
  float T = 0;
  if (!parseRaiseRequest(request, T)) {
    outcome.error = QStringLiteral("PSY_VEE.TMP: δεν περιέχει θερμοκρασία");
    return outcome;
  }

  StudyState file;
  const ReadResult read = readResultsFileAt(resPath, file);
  if (!read) {
    outcome.error = QString::fromLatin1(kResultsFileName) + QStringLiteral(": ") + read.error;
    return outcome;
  }
  if (file.HeatingProcess && !file.CoolingProcess) {
    outcome.error = QStringLiteral("θερμαντική λειτουργία: δεν υπάρχει αύξηση θερμοκρασίας");
    return outcome;
  }

  // The same checks as the request window, against the file itself.
  const bool metric = studySystemOf(file) == UnitSystem::Metric;
  const ResultsView view(file, file.LoadUnit, 0);
  if (checkRaise(T, file.SpaDB, view.presentOutletTemperature(), metric) != RaiseCheck::Accepted) {
    outcome.error = QStringLiteral("μη αποδεκτή θερμοκρασία");
    return outcome;
  }

  RaiseBasis basis;
  if (!basisFromCalculation(calc, file, basis) && !basisFromResults(file, basis)) {
    outcome.error = QStringLiteral("τα αποτελέσματα δεν επιτρέπουν τον υπολογισμό");
    return outcome;
  }
  ChangeRecord record;
  if (!computeRaise(basis, T, metric, record)) {
    outcome.error = QStringLiteral("τα αποτελέσματα δεν επιτρέπουν τον υπολογισμό");
    return outcome;
  }
  file.CoilOutChange = record;
  QString error;
  if (!writeFileAtomically(resPath, resultsFileBytes(file), &error)) {
    outcome.error = QString::fromLatin1(kResultsFileName) + QStringLiteral(": ") + error;
    return outcome;
  }
  outcome.ok = true;
  outcome.record = record;
  return outcome;
}

}  // namespace aeriton::summer
