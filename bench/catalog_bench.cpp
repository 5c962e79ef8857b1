// Passes of every set of a large file over three days: a 12,000-set catalog
// made from the sample's real sets (own model) and from the same sets as
// two-line elements (SGP4), on one thread and on every core.
#include <benchmark/benchmark.h>

#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"
#include "core/passes/catalog_passes.h"
#include "core/passes/pass_time.h"
#include "shifted_catalog.h"

namespace {

void Catalog(benchmark::State& bench, const char* file) {
  rdz::TrackerState state;
  rdz::UseSettings(state, rdz::ReadSettings(RDZ_SAMPLE_DIR));
  const auto read = rdz::ReadElementSets(rdz::test::FileText(file));
  const auto sets = static_cast<std::size_t>(bench.range(0));
  const rdz::PassCandidates satellites = rdz::CandidatesOfFile(rdz::test::ShiftedCatalog(read, sets));
  rdz::PassOptions options;
  options.start = rdz::UnixSeconds({2026, 5, 11, 12, 0, 0});
  std::size_t passes = 0;
  for (auto _ : bench) {
    const auto found = rdz::FindAllPasses(satellites, state.Station, options,
                                          static_cast<unsigned>(bench.range(1)));
    passes = 0;
    for (const auto& s : found) passes += s.search.passes.size();
    benchmark::DoNotOptimize(passes);
  }
  bench.counters["passes"] = static_cast<double>(passes);
}

void BM_CatalogPassesSgp4(benchmark::State& bench) {
  Catalog(bench, RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle");
}
void BM_CatalogPassesOwnModel(benchmark::State& bench) {
  Catalog(bench, RDZ_SAMPLE_DIR "/amateur.txt");
}
// Arguments: sets, threads (0: one per core).
BENCHMARK(BM_CatalogPassesSgp4)->Args({80, 0})->Args({12000, 1})->Args({12000, 0})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_CatalogPassesOwnModel)->Args({80, 0})->Args({12000, 1})->Args({12000, 0})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
