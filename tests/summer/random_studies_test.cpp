// Random studies of both seasons, drawn over the ranges the data screens
// accept, each taken through the screen's checks, the calculation and the
// results file exactly as the calculate button takes it. Whatever the draw:
// no crash, no hang, no NaN or infinity in a written field, a refusal always
// with its message code, and results that make physical sense - the mixed air
// between the room and the outdoor air, a cooling coil that neither heats nor
// wets the air, a heating coil that does not cool it, a humidifier that does
// not dry it, a positive supply flow and coil load.
//
// The ordinary run makes 10^4 draws with a fixed seed. A long run, with the
// number of draws and the seed from the environment,
//   AERITON_RANDOM_STUDIES=1000000 AERITON_RANDOM_SEED=7 test_summer
//   --gtest_filter='RandomStudies.*'
// prints the draws, the refusals by code and every failure.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "engine/Psychro.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

using namespace aeriton;

namespace random_studies_tests {
namespace {

long long envNumber(const char* name, long long fallback) {
  bool ok = false;
  const long long v = qEnvironmentVariable(name).toLongLong(&ok);
  return ok && v > 0 ? v : fallback;
}

constexpr long long kDefaultDraws = 10000;
constexpr long long kDefaultSeed = 20240611;
// A single study computes in well under a millisecond; anything near this
// means a search that does not end.
constexpr qint64 kMaxMillisecondsPerStudy = 2000;

double roundTo(double x, int decimals) {
  const double p = std::pow(10.0, decimals);
  return std::floor(x * p + 0.5) / p;
}

class Draw {
 public:
  explicit Draw(unsigned long long seed) : rng_(seed) {}
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng_);
  }
  // As typed into a box showing one decimal.
  double typed(double lo, double hi) { return roundTo(uniform(lo, hi), 1); }
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(double p) { return uniform(0, 1) < p; }
  // Spread evenly over the decades: loads and flows of a room and of a tower.
  double logUniform(double lo, double hi) { return std::exp(uniform(std::log(lo), std::log(hi))); }

 private:
  std::mt19937_64 rng_;
};

// One failure: what went wrong and the study that showed it.
struct Failure {
  std::string what;
  std::string study;
};

struct Tally {
  long long draws = 0;
  long long computed = 0;
  std::map<std::string, long long> refusals;  // "summer -2202" -> count
  std::vector<Failure> failures;
  std::map<std::string, long long> failureKinds;
  std::map<std::string, long long> checked;  // draws the screen's checks refused, redrawn

  void refuse(const char* season, int code) {
    refusals[std::string(season) + " " + std::to_string(code)]++;
  }
  void fail(const std::string& what, const std::string& study) {
    failureKinds[what]++;
    // The first few of each kind are kept with their study.
    if (failureKinds[what] <= 3) failures.push_back({what, study});
  }
};

// ---- summer ----------------------------------------------------------------------------

struct SummerDraw {
  summer::SummerEntry e;
  bool rhGiven[2] = {true, true};
};

std::string describe(const summer::SummerEntry& e, const summer::SummerRunInput& in) {
  std::ostringstream o;
  o << "summer unit " << in.loadUnit.toStdString() << " kind " << e.kindIndex << " outdoor "
    << e.outdoor.db << "/" << e.outdoor.wb << "/" << e.outdoor.rh << " room " << e.room.db << "/"
    << e.room.wb << "/" << e.room.rh << " loads " << in.sensible << "/" << in.latent << " "
    << (in.perCentMode ? "per cent " : "amount ") << (in.perCentMode ? in.perCent : in.amount);
  return o.str();
}

// Completes a state as the screen does when its box is left: the engine in °F,
// a °C state converted before and after, the computed value shown with one
// decimal and read back from the box.
void completeSummerState(summer::StateEntry& st, bool rhGiven, bool fahrenheit, bool outdoor) {
  const QString mode = outdoor ? QStringLiteral("n") : QStringLiteral("x");
  const float dbF = fahrenheit ? st.db : summer::celsiusToFahrenheit(st.db);
  float grains = 0;
  if (rhGiven) {
    float rh = st.rh, wbF = 0;
    if (psy::FindWB_AH(mode, dbF, wbF, rh, grains) && std::isfinite(wbF))
      st.wb = static_cast<float>(roundTo(fahrenheit ? wbF : summer::fahrenheitToCelsius(wbF), 1));
    else
      st.wbPending = true;
  } else {
    const float wbF = fahrenheit ? st.wb : summer::celsiusToFahrenheit(st.wb);
    float rh = 0;
    if (psy::FindRH_AH(mode, dbF, wbF, rh, grains) && std::isfinite(rh))
      st.rh = static_cast<float>(roundTo(rh * 100.0, 1));
    else
      st.rhPending = true;
  }
}

summer::SummerEntry drawSummer(Draw& d) {
  using namespace summer::limits;
  summer::SummerEntry e;
  e.unitIndex = d.pick(0, summer::kUnitCount - 1);
  const bool f = e.unitIndex == summer::kEnglishUnitIndex;
  const double k = f ? 1.8 : 1.0;  // °F per °C of a difference
  const double outMin = f ? kOutdoorDBMinF : kOutdoorDBMinC,
               outMax = f ? kOutdoorDBMaxF : kOutdoorDBMaxC;
  const double roomMin = f ? kRoomDBMinF : kRoomDBMinC, roomMax = f ? kRoomDBMaxF : kRoomDBMaxC;
  e.outdoor.db = static_cast<float>(d.typed(std::max(outMin, roomMin + 5 * k), outMax));
  e.room.db = static_cast<float>(d.typed(roomMin, std::min(roomMax, e.outdoor.db - 5 * k)));
  // Relative humidities over the accepted ranges; the wet bulb is typed
  // instead for about half of the states.
  e.outdoor.rh = static_cast<float>(d.typed(kOutdoorRHMin, kOutdoorRHMax));
  e.room.rh = static_cast<float>(d.typed(kRoomRHMin, kRoomRHMax));
  study().CoolingProcess = true;
  study().HeatingProcess = false;
  for (summer::StateEntry* st : {&e.outdoor, &e.room}) {
    const bool outdoor = st == &e.outdoor;
    if (d.chance(0.5)) {
      completeSummerState(*st, true, f, outdoor);
    } else {
      // The wet bulb of the drawn humidity, typed with one decimal.
      summer::StateEntry probe = *st;
      completeSummerState(probe, true, f, outdoor);
      st->wb = probe.wb;
      if (probe.wbPending) st->wb = static_cast<float>(d.typed(f ? 50 : 10, st->db));
      completeSummerState(*st, false, f, outdoor);
    }
  }
  // Loads from a small room to a tower (watts equivalent), now and then a
  // negative latent load (a room that gives off no moisture but takes it up).
  const double factor = e.unitIndex == 1   ? 0.8598555
                        : e.unitIndex == 2 ? 0.001
                        : e.unitIndex == 3 ? 1.0 / 3516.85
                        : e.unitIndex >= 4 ? 3.412
                                           : 1.0;
  e.kindIndex = d.pick(0, summer::kKindCount - 1);
  e.sens = static_cast<float>(roundTo(d.logUniform(100, 1e7) * factor, 2));
  const double latShare = d.chance(0.15) ? 0.0 : d.uniform(0, 1.2);
  e.lat = static_cast<float>(roundTo(e.sens * latShare, 2));
  if (e.kindIndex == summer::kKindFreshNoLoads) e.sens = e.lat = 0;
  e.amountMode = e.kindIndex != summer::kKindMixing || d.chance(0.5);
  // Fresh air from a small room to a large unit (m³/h, or CFM for °F).
  e.amount = static_cast<float>(roundTo(d.logUniform(10, 2e5) / (f ? 1.7 : 1.0), 1));
  e.perCent = d.pick(summer::kPerCentMin, summer::kPerCentMax);
  e.title = QStringLiteral("Τυχαία μελέτη");
  return e;
}

// The screen's calculate button on an entry: checks, then the run. False when
// the checks refuse the entry (a draw outside what the screen accepts).
bool runSummer(const summer::SummerEntry& e, Tally& t) {
  using namespace summer;
  StudyState& s = study();
  const UnitPair pair = validationUnits(e.unitIndex);
  s.MetricCode = pair.metric;
  s.EnglishCode = pair.english;
  CheckResult r = CheckForLimits(e);
  if (r.ok()) {
    ZeroVariables(s);
    r = CheckPSValues(e);
    if (r.ok()) r = CheckStatesComplete(e);
    if (r.ok()) r = CheckLoadsAndFreshAir(e);
  }
  if (!r.ok()) {
    // A check refusal: its code is one the screen has a message for.
    if (r.code < 0 && messagesPS(r.code).text.isEmpty())
      t.fail("summer check code without a message", std::to_string(r.code));
    if (r.code > 0 && psMessage(r.code).text.isEmpty())
      t.fail("summer check notice without a text", std::to_string(r.code));
    t.checked["summer " + std::to_string(r.code)]++;
    return false;
  }

  SummerRunInput in;
  in.envDB = e.outdoor.db, in.envWB = e.outdoor.wb, in.envRH = e.outdoor.rh;
  in.spaDB = e.room.db, in.spaWB = e.room.wb, in.spaRH = e.room.rh;
  in.loadUnit = unitEntry(e.unitIndex).code;
  in.sensible = kindControls(e.kindIndex).loadsUsed ? e.sens : 0.0;
  in.latent = kindControls(e.kindIndex).loadsUsed ? e.lat : 0.0;
  in.kindIndex = e.kindIndex;
  in.perCentMode = e.kindIndex == kKindMixing && !e.amountMode;
  in.amount = e.amount;
  in.perCent = static_cast<float>(e.perCent);
  const std::string what = describe(e, in);

  QFile::remove(appfolder::path(QString::fromLatin1(kResultsFileName)));
  QElapsedTimer clock;
  clock.start();
  const RunOutcome out = runCalculation(in, s, [](float) { return true; });
  if (clock.elapsed() > kMaxMillisecondsPerStudy) t.fail("summer study takes too long", what);
  const bool written = QFile::exists(appfolder::path(QString::fromLatin1(kResultsFileName)));
  if (!out.ok()) {
    if (out.message.text.isEmpty()) t.fail("summer refusal without a message", what);
    if (out.message.code != out.code) t.fail("summer refusal shown under another code", what);
    if (written) t.fail("summer refusal wrote a results file", what);
    t.refuse("summer", out.code);
    return true;
  }
  ++t.computed;
  if (!written) t.fail("summer results file missing", what);
  if (!resultsFinite(s)) t.fail("summer NaN or infinity in the results file", what);
  StudyState back;
  if (!readResultsFile(test::readAll(appfolder::path(QString::fromLatin1(kResultsFileName))), back))
    t.fail("summer results file does not read back", what);
  if (out.heating) return true;  // not reachable: the checks keep the outdoor air warmer

  // Temperatures in the study's units, humidity ratios in lb/lb (they stay in
  // English units). Tolerances: the one-decimal rounding of the temperatures.
  constexpr float kTolT = 0.11f;
  constexpr float kTolW = 2e-5f;  // about 0.14 grains/lb
  const float lo = std::min(s.SpaDB, s.EnvDB), hi = std::max(s.SpaDB, s.EnvDB);
  if (s.DB_M < lo - kTolT || s.DB_M > hi + kTolT)
    t.fail("summer mixed air outside room and outdoor dry bulbs", what);
  const float wLo = std::min(s.SpaW, s.EnvW), wHi = std::max(s.SpaW, s.EnvW);
  if (s.W_M < wLo - kTolW || s.W_M > wHi + kTolW)
    t.fail("summer mixed air outside room and outdoor humidity", what);
  if (s.DB_T > s.DB_M + kTolT) t.fail("summer cooling coil heats the air", what);
  if (s.W_T > s.W_M + kTolW) t.fail("summer cooling coil adds moisture", what);
  if (!(s.SupplyFlow > 0)) t.fail("summer supply flow not positive", what);
  if (!(s.CoilLoad > 0)) t.fail("summer coil load not positive", what);
  if (s.Reheat < 0) t.fail("summer reheat negative", what);
  return true;
}

// ---- winter ----------------------------------------------------------------------------

std::string describe(const winter::WinterEntries& e) {
  std::ostringstream o;
  o << "winter unit " << e.unitIndex << " kind " << e.kindIndex << " summer side " << e.kindyIndex
    << " outdoor " << e.envDB << "/" << e.envWB << "/" << e.envRH << " room " << e.spaDB << "/"
    << e.spaWB << "/" << e.spaRH << " load " << e.load.in(e.unitIndex) << " coil out " << e.coilOut
    << " summer flow " << e.summerFlow << " " << (e.optAmount ? "amount " : "per cent ")
    << (e.optAmount ? e.amount : e.perCent);
  return o.str();
}

winter::WinterEntries drawWinter(Draw& d) {
  using namespace winter;
  WinterEntries e;
  e.unitIndex = d.pick(0, kUnitCount - 1);
  const bool f = fahrenheitUnits(e.unitIndex);
  auto temp = [f](double c) { return f ? c * 1.8 + 32 : c; };
  e.spaDB = d.typed(temp(15), temp(33));
  e.envDB = d.typed(temp(-20), std::min(temp(15), e.spaDB - (f ? 9 : 5)));
  e.envRH = d.typed(30, 100);
  e.spaRH = d.typed(35, 100);
  // The wet bulb follows from the humidity (the screen's completion), or is
  // typed and the humidity follows from it.
  for (int k = 0; k < 2; ++k) {
    const double db = k == 0 ? e.envDB : e.spaDB;
    double& rh = k == 0 ? e.envRH : e.spaRH;
    double& wb = k == 0 ? e.envWB : e.spaWB;
    bool& placeholder = k == 0 ? e.envWBPlaceholder : e.spaWBPlaceholder;
    double computed = 0;
    const bool found = wetBulbFromHumidity(db, rh, f, computed);
    placeholder = !found;
    wb = found ? computed : 0;
    if (found && d.chance(0.5)) {
      double back = 0;
      if (humidityFromWetBulb(db, wb, f, back)) rh = back;
    }
  }
  const double factor = e.unitIndex == kUnitKcal   ? 0.8598555
                        : e.unitIndex == kUnitKW   ? 0.001
                        : e.unitIndex == kUnitRT   ? 1.0 / 3516.85
                        : e.unitIndex >= kUnitBtuC ? 3.412
                                                   : 1.0;
  e.kindIndex = d.pick(0, 3);
  if (e.kindIndex != kKindFreshNoLoads)
    e.load.set(e.unitIndex, static_cast<float>(roundTo(d.logUniform(100, 1e7) * factor, 2)));
  e.kindyIndex = d.chance(0.5) ? kSummerSameUnit : kSummerOtherUnit;
  if (e.kindyIndex == kSummerSameUnit) {
    e.summerFlow = roundTo(d.logUniform(50, 5e5) / (f ? 1.7 : 1.0), 1);
  } else if (e.kindIndex == kKindFreshNoLoads) {
    // Typed freely: anything from the outdoor air to the top of the list.
    e.coilOut = d.typed(e.envDB, f ? kCoilOutLastF : kCoilOutLastC);
  } else {
    e.coilOut = f ? d.pick(kCoilOutFirstF, kCoilOutLastF) : d.pick(kCoilOutFirstC, kCoilOutLastC);
  }
  e.optAmount = e.kindIndex != kKindMixing || d.chance(0.5);
  e.amount = roundTo(d.logUniform(10, 2e5) / (f ? 1.7 : 1.0), 1);
  e.perCent = d.pick(kPerCentMin, kPerCentMax);
  e.title = QStringLiteral("Τυχαία μελέτη");
  return e;
}

bool runWinter(const winter::WinterEntries& e, bool yes, Tally& t) {
  using namespace winter;
  StudyState& s = study();
  s.EnglishCode = fahrenheitUnits(e.unitIndex) ? 1 : 0;
  CheckResult r = CheckForLimits(e);
  if (!r) {
    ZeroVariables(s);
    r = CheckPSValues(e);
    if (!r) r = CheckEntries(e);
  }
  if (r) {
    t.checked["winter " + std::to_string(r.code)]++;
    return false;
  }
  const std::string what = describe(e);
  CollectInputs(e, s);
  QFile::remove(appfolder::path(QString::fromLatin1(kResultsFileName)));
  QElapsedTimer clock;
  clock.start();
  const RunOutcome out = runWinterStudy(s, [yes](float) { return yes; });
  if (clock.elapsed() > kMaxMillisecondsPerStudy) t.fail("winter study takes too long", what);
  const bool written = QFile::exists(appfolder::path(QString::fromLatin1(kResultsFileName)));
  if (out.code != 0) {
    // Only the user's own "no" to the hot-supply question ends without a message.
    if (!out.showMessage && !(out.code == kCodeSupplyTooHot && !yes))
      t.fail("winter refusal without a message", what);
    if (out.showMessage && out.message.text.isEmpty())
      t.fail("winter refusal with an empty message", what);
    if (written) t.fail("winter refusal wrote a results file", what);
    t.refuse("winter", out.code);
    return true;
  }
  ++t.computed;
  if (!written) t.fail("winter results file missing", what);
  if (!resultsFinite(s) || !std::isfinite(s.HumidWaterKg) || !std::isfinite(s.HumidWaterLb))
    t.fail("winter NaN or infinity in the results", what);
  StudyState back;
  if (!readResultsFile(test::readAll(appfolder::path(QString::fromLatin1(kResultsFileName))), back))
    t.fail("winter results file does not read back", what);

  // Dry bulbs in the study's units (one decimal), grains/lb in both systems.
  constexpr double kTolT = 0.11, kTolGr = 0.11;
  const double lo = std::min(s.SpaDB, s.EnvDB), hi = std::max(s.SpaDB, s.EnvDB);
  if (s.DB_M < lo - kTolT || s.DB_M > hi + kTolT)
    t.fail("winter mixed air outside room and outdoor dry bulbs", what);
  const double gLo = std::min(s.SpaGr, s.EnvGr), gHi = std::max(s.SpaGr, s.EnvGr);
  if (s.Gr_M < gLo - kTolGr || s.Gr_M > gHi + kTolGr)
    t.fail("winter mixed air outside room and outdoor humidity", what);
  if (s.DB_T < s.DB_M - kTolT) t.fail("winter heating coil cools the air", what);
  if (!(s.SupplyFlow > 0)) t.fail("winter supply flow not positive", what);
  if (s.CoilLoad < 0) t.fail("winter heating capacity negative", what);
  if (s.Gr_S < s.Gr_T - kTolGr || s.HumidWaterKg < 0)
    t.fail("winter humidifier dries the air", what);
  return true;
}

std::string report(const Tally& t) {
  std::ostringstream o;
  o << t.draws << " draws, " << t.computed << " computed\n";
  for (const auto& [code, n] : t.refusals) o << "  refused " << code << ": " << n << "\n";
  for (const auto& [code, n] : t.checked)
    o << "  redrawn after the screen's check " << code << ": " << n << "\n";
  for (const auto& [kind, n] : t.failureKinds) o << "  FAILED " << kind << ": " << n << "\n";
  for (const Failure& f : t.failures) o << "    " << f.what << ": " << f.study << "\n";
  return o.str();
}

}  // namespace

TEST(RandomStudies, EveryDrawComputesOrIsRefusedWithItsCode) {
  test::ProgramFolderFixture fx;
  // Every study writes its files as the program does, each committed to the
  // disk; on a memory file system, where there is one, that costs nothing.
  const QString shm = QStringLiteral("/dev/shm");
  QTemporaryDir dir(
      (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
      QStringLiteral("/aeriton-random-XXXXXX"));
  ASSERT_TRUE(dir.isValid());
  appfolder::setFolder(dir.path());

  const long long draws = envNumber("AERITON_RANDOM_STUDIES", kDefaultDraws);
  const long long seed = envNumber("AERITON_RANDOM_SEED", kDefaultSeed);
  Draw d(static_cast<unsigned long long>(seed));
  Tally t;
  // A draw the screen's checks refuse is drawn again: the studies that count
  // are those the screen lets through to the calculation.
  const long long maxTries = draws * 50;
  for (long long tries = 0; t.draws < draws && tries < maxTries; ++tries) {
    resetStudy();
    bool accepted = false;
    if (d.chance(0.5)) {
      const summer::SummerEntry e = drawSummer(d);
      accepted = runSummer(e, t);
    } else {
      const winter::WinterEntries e = drawWinter(d);
      accepted = runWinter(e, d.chance(0.5), t);
    }
    if (accepted) ++t.draws;
  }
  appfolder::setFolder(fx.folder());
  std::printf("seed %lld: %s", seed, report(t).c_str());
  EXPECT_EQ(t.draws, draws);
  EXPECT_TRUE(t.failures.empty()) << report(t);
  // The draws are meant to be studies the program computes: most must be.
  EXPECT_GT(t.computed, t.draws / 2);
}

}  // namespace random_studies_tests
