#include <benchmark/benchmark.h>

#include <stdexcept>

#include "core/elements/element_formats.h"
#include "core/orbit/sgp4_satellite.h"

namespace {

// Made-up sets: a low orbit and a half-day resonant Molniya-type orbit, epochs 2026-05-11.
const char kSets[] =
    "LEO LIKE ISS\n"
    "1 25544U 98067A   26131.50000000  .00016717  00000-0  10270-3 0  9993\n"
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579 49999\n"
    "MOLNIYA-TYPE\n"
    "1 25485U 98054A   26131.50000000  .00000120  00000-0  10000-3 0  9995\n"
    "2 25485  62.9066 227.0150 7138011 286.6283  12.1455  2.00617839202039\n";

rdz::MeanElementSet Set(int k) {
  const auto file = rdz::ReadMeanElementText(kSets);
  if (file.Sets.size() != 2) throw std::runtime_error("benchmark element sets unreadable");
  return file.Sets[static_cast<std::size_t>(k)];
}

// One table cell's worth: propagation, Earth-fixed frame, sub-satellite point and
// look angles, one second later on every iteration as the live table asks.
void Track(benchmark::State& state, const rdz::MeanElementSet& set) {
  const rdz::sgp4::Satellite sat(set);
  const auto station = rdz::SetupEngine(rdz::Observer{46.5, 8.95, 273});
  rdz::CivilTime t{2026, 5, 12, 6, 0, 0};
  int fraction = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sat.At(station, t, fraction / 1000.0));
    if (++fraction == 1000) {
      fraction = 0;
      t = rdz::AddSeconds(t, 1);
    }
  }
}

void BM_Sgp4LookLeo(benchmark::State& state) { Track(state, Set(0)); }
BENCHMARK(BM_Sgp4LookLeo);

void BM_Sdp4LookMolniya(benchmark::State& state) { Track(state, Set(1)); }
BENCHMARK(BM_Sdp4LookMolniya);

// Without a remembered integration: the resonance terms run from epoch, a day here.
void BM_Sdp4MolniyaFromEpoch(benchmark::State& state) {
  const rdz::sgp4::Propagator model(rdz::ToSgp4Elements(Set(1)));
  double t = 1440;
  for (auto _ : state) {
    benchmark::DoNotOptimize(model.At(t));
    t += 1.0 / 60;
  }
}
BENCHMARK(BM_Sdp4MolniyaFromEpoch);

}  // namespace
