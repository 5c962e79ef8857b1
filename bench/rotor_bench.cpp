// One rotor transfer: the word from two label texts and its 49 writes, into
// a port that only records, so the figure is the encoding cost alone.
#include <benchmark/benchmark.h>

#include "rotor/kv250.h"
#include "rotor/recording_port.h"

namespace {

void BM_SendTrackerTransfer(benchmark::State& state) {
  rdz::RecordingPort port;
  port.writes.reserve(rdz::kTransferWrites);
  for (auto _ : state) {
    port.writes.clear();
    rdz::SendTracker("157", "34", port);
    benchmark::DoNotOptimize(port.writes.data());
  }
}
BENCHMARK(BM_SendTrackerTransfer);

}  // namespace
