// The whole summer calculation of one study, as the calculate button and the
// batch calculator run it from the data file on: read the data file, convert
// a metric study, compute, convert back, and format the results file.
// One benchmark per kind of air system, English ("BTU") and metric ("WATT").

#include <benchmark/benchmark.h>

#include <QByteArray>

#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/SummerCalc.h"
#include "summer/SummerRun.h"

namespace {

using namespace aeriton;

QByteArray dataFile(const char* kind, bool metric, const char* flags, const char* mode,
                    double fresh, double sens, double lat, bool humid) {
  QByteArray b;
  auto line = [&b](const QByteArray& l) { b.append(l).append("\r\n"); };
  line(QByteArray("\"") + kind + "\"," + (metric ? "0" : "1"));
  // A humid room (72 %) also computes the humid-room variant.
  if (humid) {
    line(metric ? "35,27,55" : "95,80.6,55");
    line(metric ? "26,22,72" : "78.8,71.6,72");
  } else {
    line(metric ? "35,24,40" : "95,75.2,40");
    line(metric ? "26,18,45" : "78.8,64.4,45");
  }
  line(QByteArray::number(sens, 'g', 9) + "," + QByteArray::number(lat, 'g', 9));
  const bool perCent = mode[0] == 'P';
  line(perCent ? "0," + QByteArray::number(fresh) : QByteArray::number(fresh) + ",0");
  line(metric ? "1,1,0,-100000,0" : "0,1,0,-100000,0");
  line(QByteArray(flags) + ",\"" + mode + "\"");
  line(QByteArray::number(fresh));
  return b;
}

void runStudy(benchmark::State& state, const QByteArray& data) {
  // The program keeps one study state; each calculation overwrites it.
  StudyState s;
  for (auto _ : state) {
    const summer::RunOutcome out = summer::calculateData(data, s);
    QByteArray res = resultsFileBytes(s);
    benchmark::DoNotOptimize(res.data());
    if (!out.ok()) state.SkipWithError("calculation refused");
  }
}

// Loads: 100000 / 20000 Btu/h, or 25183 / 5037 kcal/h; fresh air 1000 CFM = 1700 m³/h.
#define SUMMER_BENCH(name, kind, flags, mode, freshE, freshM, sensE, latE, humid)                  \
  void BM_Summer_##name##_English(benchmark::State& st) {                                          \
    runStudy(st, dataFile(kind, false, flags, mode, freshE, sensE, latE, humid));                  \
  }                                                                                                \
  void BM_Summer_##name##_Metric(benchmark::State& st) {                                           \
    runStudy(st,                                                                                   \
             dataFile(kind, true, flags, mode, freshM, sensE / 3.970923, latE / 3.970923, humid)); \
  }                                                                                                \
  BENCHMARK(BM_Summer_##name##_English);                                                           \
  BENCHMARK(BM_Summer_##name##_Metric);

SUMMER_BENCH(Mixing, "AAA_NA", "1,0,0,0", "C", 1000, 1700, 100000, 20000, false)
SUMMER_BENCH(MixingPerCent, "AAA_NA", "1,0,0,0", "P", 30, 30, 100000, 20000, false)
SUMMER_BENCH(MixingHumidRoom, "AAA_NA", "1,0,0,0", "C", 1000, 1700, 60000, 15000, true)
SUMMER_BENCH(Recirculation, "AA_100", "0,1,0,0", "C", 0.1, 0.1, 100000, 20000, false)
SUMMER_BENCH(FreshWithLoads, "NA_PAF", "0,0,1,2", "C", 4000, 6800, 100000, 20000, false)
SUMMER_BENCH(FreshNoLoads, "NA_DPF", "0,0,1,1", "C", 2000, 3400, 0, 0, false)

}  // namespace

namespace {

// The calculation alone (the study already read and in English units), to
// separate it from the reading and writing of the exchange files.
void BM_Summer_Mixing_CalculationOnly(benchmark::State& state) {
  using namespace aeriton;
  StudyState read;
  summer::readData(dataFile("AAA_NA", false, "1,0,0,0", "C", 1000, 100000, 20000, false), read);
  StudyState s;
  for (auto _ : state) {
    s = read;
    const summer::CalcResult r = summer::calculateEnglish(s);
    benchmark::DoNotOptimize(s.CoilLoad);
    if (!r.ok()) state.SkipWithError("calculation refused");
  }
}
BENCHMARK(BM_Summer_Mixing_CalculationOnly);

}  // namespace
