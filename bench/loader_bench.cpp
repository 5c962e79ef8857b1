// The start-up load: the shipped 99-block element file with a 40-line config.txt,
// which is read once per stored satellite and once more for the station.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"

namespace {

std::filesystem::path PrepareProgramDir() {
  const auto dir = std::filesystem::temp_directory_path() / "rdz-loader-bench";
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(std::string(RDZ_SAMPLE_DIR) + "/amateur.txt", dir / "amateur.txt",
                             std::filesystem::copy_options::overwrite_existing);
  std::ofstream config(dir / "config.txt", std::ios::binary | std::ios::trunc);
  config << "LA = 46.5\r\nLO = 8.95\r\nHT = 420\r\nTEMPOSCANN = 1000\r\n";
  const char* names[] = {"AO-07", "UO-11", "AO-27", "FO-29", "GO-32", "ISS", "NO-44", "SO-50"};
  for (int i = 0; i < 36; ++i) {
    if (i % 2 == 0) {
      config << names[i / 2 % 8] << " ALAT(" << i << ") ALON(" << 100 + i << ")\r\n";
    } else {
      config << "# comment line number " << i << " about the station and its antenna\r\n";
    }
  }
  return dir;
}

void BM_LoadElements(benchmark::State& state) {
  const auto dir = PrepareProgramDir();
  for (auto _ : state) {
    rdz::TrackerState tracker;
    tracker.ElementFileName = "amateur.txt";
    rdz::UseSettings(tracker, rdz::ReadSettings(dir));
    benchmark::DoNotOptimize(rdz::LoadElements(dir, tracker));
    benchmark::DoNotOptimize(tracker.SatCount);
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadElements)->Unit(benchmark::kMillisecond);

}  // namespace
