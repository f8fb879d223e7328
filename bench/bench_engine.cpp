// Timing of the property engine over a spread of design states: winter
// outdoor air near freezing up to hot summer air, dry to saturated.

#include <benchmark/benchmark.h>

#include <QString>
#include <vector>

#include "engine/Psychro.h"
#include "study/StudyState.h"

namespace {

using namespace aeriton;
using namespace aeriton::psy;

struct State {
  float db, rhPercent, wb;
};

// Dry bulbs 0..110 °F in steps of 5, relative humidities 10..100 % in steps
// of 10, with the wet bulb of each state found once beforehand.
const std::vector<State>& states() {
  static const std::vector<State> list = [] {
    std::vector<State> out;
    for (int db = 0; db <= 110; db += 5) {
      for (int rh = 10; rh <= 100; rh += 10) {
        float wb = 0, frac = 0, grains = 0;
        if (FindWB(static_cast<float>(db), static_cast<float>(rh), db >= 60, wb, frac, grains))
          out.push_back(State{static_cast<float>(db), static_cast<float>(rh), wb});
      }
    }
    return out;
  }();
  return list;
}

void BM_FindWB_AH(benchmark::State& st, bool cooling) {
  const auto& list = states();
  const QString mode = QStringLiteral("n");
  study().CoolingProcess = cooling;
  size_t i = 0;
  for (auto _ : st) {
    const State& s = list[i++ % list.size()];
    float wb = 0, rh = s.rhPercent, grains = 0;
    benchmark::DoNotOptimize(FindWB_AH(mode, s.db, wb, rh, grains));
    benchmark::DoNotOptimize(wb);
  }
}
BENCHMARK_CAPTURE(BM_FindWB_AH, cooling_start_30F, true);
BENCHMARK_CAPTURE(BM_FindWB_AH, heating_start_7F, false);

void BM_FindRH_AH(benchmark::State& st) {
  const auto& list = states();
  const QString mode = QStringLiteral("n");
  size_t i = 0;
  for (auto _ : st) {
    const State& s = list[i++ % list.size()];
    float rh = 0, grains = 0;
    benchmark::DoNotOptimize(FindRH_AH(mode, s.db, s.wb, rh, grains));
    benchmark::DoNotOptimize(rh);
  }
}
BENCHMARK(BM_FindRH_AH);

void BM_FindRH(benchmark::State& st) {
  const auto& list = states();
  size_t i = 0;
  for (auto _ : st) {
    const State& s = list[i++ % list.size()];
    float rh = 0, grains = 0;
    benchmark::DoNotOptimize(FindRH(s.db, s.wb, rh, grains));
    benchmark::DoNotOptimize(rh);
  }
}
BENCHMARK(BM_FindRH);

void BM_FindEnthalpy(benchmark::State& st) {
  const auto& list = states();
  size_t i = 0;
  for (auto _ : st) {
    const State& s = list[i++ % list.size()];
    float h = 0, W = 0;
    FindEnthalpy(s.db, s.wb, h, W);
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(W);
  }
}
BENCHMARK(BM_FindEnthalpy);

}  // namespace
