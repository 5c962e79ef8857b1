// One rotor transfer: the word from a position and its 49 writes, into a
// port that keeps only the last byte, so the figure is the encoding cost alone.
#include <benchmark/benchmark.h>

#include "core/rotor/kv250.h"

namespace {

struct LastByte final : rdz::ParallelPort {
  int last = 0;
  void OutPort(int, int value) noexcept override { last = value; }
};

void BM_SendTrackerTransfer(benchmark::State& state) {
  LastByte port;
  for (auto _ : state) {
    rdz::SendTracker(157.0, 34.0, port);
    benchmark::DoNotOptimize(port.last);
  }
}
BENCHMARK(BM_SendTrackerTransfer);

}  // namespace
