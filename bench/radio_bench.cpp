// The transmitter list as SatNOGS serves it runs to a few thousand entries
// (1-2 MB); it is read after every load and download, away from the window.
#include <benchmark/benchmark.h>

#include <string>

#include "core/radio/transmitter_list.h"

namespace {

std::string SyntheticList(int entries) {
  std::string text = "[";
  for (int i = 0; i < entries; ++i) {
    const std::string n = std::to_string(i);
    if (i > 0) text += ",\n";
    text += R"({"uuid":"u)" + n + R"(","description":"Mode U/V Linear )" + n +
            R"(","alive":true,"type":"Transponder","uplink_low":432125000,"uplink_high":432175000,)"
            R"("uplink_drift":null,"downlink_low":145925000,"downlink_high":145975000,"downlink_drift":null,)"
            R"("mode_id":9,"mode":"USB","invert":true,"baud":null,"sat_id":"AAAA","norad_cat_id":)" +
            std::to_string(40000 + i % 1500) +
            R"(,"status":"active","updated":"2026-11-30T12:00:00Z","citation":"","service":"Amateur"})";
  }
  return text + "]";
}

void BM_ReadTransmitterList(benchmark::State& state) {
  const std::string text = SyntheticList(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(rdz::ReadTransmitterList(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadTransmitterList)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_TranspondersForOneSatellite(benchmark::State& state) {
  const rdz::TransmitterList list = rdz::ReadTransmitterList(SyntheticList(5000));
  const std::vector<std::string> config = {"AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT"};
  for (auto _ : state) benchmark::DoNotOptimize(rdz::TranspondersFor(config, list, "AO-07", 40007));
}
BENCHMARK(BM_TranspondersForOneSatellite)->Unit(benchmark::kMicrosecond);

}  // namespace
