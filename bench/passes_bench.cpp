// The Passes window's search: 80 entries over three days, once with the
// program's own model (the AMSAT sample) and once with SGP4 (the same sets as
// two-line elements).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"
#include "core/passes/pass_time.h"
#include "core/passes/table_passes.h"

namespace {

// The sample's station (config.txt) and the given element file.
void Passes(benchmark::State& bench, const std::filesystem::path& file) {
  rdz::TrackerState state;
  state.ElementFileName = file.string();
  rdz::UseSettings(state, rdz::ReadSettings(RDZ_SAMPLE_DIR));
  rdz::LoadElements(RDZ_SAMPLE_DIR, state);
  if (state.SatCount != 80) bench.SkipWithError("the element table should hold 80 entries");
  const auto satellites = rdz::CandidatesOf(state.Elements, state.Models, state.SatCount);
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

void BM_PassesOfTheSampleTableOverThreeDays(benchmark::State& bench) {
  Passes(bench, std::filesystem::path(RDZ_SAMPLE_DIR) / "amateur.txt");
}
BENCHMARK(BM_PassesOfTheSampleTableOverThreeDays)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_PassesOfEightySgp4SetsOverThreeDays(benchmark::State& bench) {
  Passes(bench, std::filesystem::path(RDZ_PASS_FIXTURES) / "amateur-2026-05-11.tle");
}
BENCHMARK(BM_PassesOfEightySgp4SetsOverThreeDays)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
