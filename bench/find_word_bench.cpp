// The word-finding driver, fast against literal, on the dictionaries a researcher is likely
// to try at the largest presets.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "support/experiment_setup.h"
#include "support/literal_estimation.h"

namespace tesselo {
namespace {

using test_support::Experiment;
using test_support::RandomDictionary;
using test_support::SeriesBounds;
using test_support::StartAlphabet;

struct Scenario {
  int N;
  int known;
  int words;
  int letters;
  std::uint32_t seed;  // the seed whose count makes the known-count programme slowest
};

// Words of exactly `letters` letters; the pattern is word 1.
SeriesModel ScenarioModel(const Scenario& s) {
  std::vector<test_support::Letters> dictionary = RandomDictionary(2026, s.words, s.letters);
  for (std::size_t i = 0; i < dictionary.size(); ++i)
    dictionary[i].resize(s.letters, static_cast<int>(1 + i % 21));
  return Experiment(SeriesBounds::Preset(s.N), dictionary, 1, s.seed, 60);
}

const Scenario kScenarios[] = {
    {1200, 1, 20, 10, 17},  // 0: the 1200 preset, known count (M = 20)
    {1200, 0, 20, 10, 17},  // 1: the same, unknown count
    {600, 1, 99, 5, 10},    // 2: the largest dictionary at the 600 preset (M = 10)
};

void Report(benchmark::State& state, const SeriesModel& m, int found) {
  state.counters["M"] = m.M;
  state.counters["found"] = found;
}

void BM_FindWordFast(benchmark::State& state) {
  const Scenario& s = kScenarios[state.range(0)];
  SeriesModel m = ScenarioModel(s);
  int found = 0;
  for (auto _ : state) benchmark::DoNotOptimize(found = m.FindWord(StartAlphabet(), s.known));
  Report(state, m, found);
}

void BM_FindWordLiteral(benchmark::State& state) {
  const Scenario& s = kScenarios[state.range(0)];
  const SeriesModel m = ScenarioModel(s);
  int found = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(found = literal::FindWord(m, StartAlphabet(), s.known).number);
  Report(state, m, found);
}

BENCHMARK(BM_FindWordFast)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FindWordLiteral)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tesselo

BENCHMARK_MAIN();
