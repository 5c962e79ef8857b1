// The Passes window's search: every entry of the sample table over three days.
#include <benchmark/benchmark.h>

#include "orbit/element_loader.h"
#include "orbit/settings_in_use.h"
#include "passes/pass_time.h"
#include "passes/table_passes.h"

namespace {

void BM_PassesOfTheSampleTableOverThreeDays(benchmark::State& bench) {
  rdz::TrackerState state;
  state.ElementFileName = "amateur.txt";
  rdz::UseSettings(state, rdz::ReadSettings(RDZ_SAMPLE_DIR));
  rdz::LoadElements(RDZ_SAMPLE_DIR, state);
  std::vector<rdz::ElementSet> satellites;
  for (int k = 1; k <= state.SatCount; ++k) satellites.push_back(state.Elements[k]);
  if (satellites.size() != 80) bench.SkipWithError("the sample table should hold 80 entries");
  rdz::PassOptions options;
  options.start = rdz::UnixSeconds({2026, 5, 11, 12, 0, 0});
  std::size_t passes = 0;
  for (auto _ : bench) {
    const auto found = rdz::FindTablePasses(satellites, state.Station, options);
    passes = rdz::TimeOrdered(found).size();
    benchmark::DoNotOptimize(passes);
  }
  bench.counters["passes"] = static_cast<double>(passes);
}
BENCHMARK(BM_PassesOfTheSampleTableOverThreeDays)->Unit(benchmark::kMillisecond);

}  // namespace
