// The work the download adds to the network time while the window waits:
// joining 2048-byte pieces, and checking and writing the element file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/download/element_download.h"
#include "core/download/read_url.h"

namespace {

// Hands out a body of the given size as fast as it is asked for.
struct MemoryInternet final : rdz::InternetLibrary {
  std::string body;
  std::size_t at = 0;
  Handle InternetOpenA(const char*, unsigned long, const char*, const char*, unsigned long) override {
    return 1;
  }
  Handle InternetOpenUrlA(Handle, const char*, const char*, unsigned long, unsigned long,
                          std::uintptr_t) override {
    at = 0;
    return 2;
  }
  bool InternetReadFile(Handle, char* buffer, unsigned long toRead, unsigned long& read) override {
    read = static_cast<unsigned long>(std::min<std::size_t>(toRead, body.size() - at));
    std::memcpy(buffer, body.data() + at, read);
    at += read;
    return true;
  }
  bool InternetCloseHandle(Handle) override { return true; }
  int HttpStatusCode(Handle) override { return 200; }
  std::string LastFailure() const override { return {}; }
  void Cancel() noexcept override {}
};

std::string SampleWithLf() {
  std::ifstream in(std::string(RDZ_SAMPLE_DIR) + "/amateur.txt", std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  std::string text = s.str();
  std::erase(text, '\r');
  return text;
}

void BM_ReadUrl(benchmark::State& state) {
  MemoryInternet net;
  net.body.assign(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) benchmark::DoNotOptimize(rdz::ReadUrl(net, "http://h/k"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadUrl)->Arg(200 << 10)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

// The shipped 99-satellite file, served with LF line ends, checked at its epoch and
// stored as amateur1.txt.
void BM_StoreElementDownload(benchmark::State& state) {
  const std::string body = SampleWithLf();
  const auto dir = std::filesystem::temp_directory_path() / "rdz-download-bench";
  std::filesystem::create_directories(dir);
  const rdz::DownloadRequest request{rdz::kNewFileDownload, "http://h/k", dir,
                                     {{}, rdz::CivilTime{2026, 5, 11, 12, 0, 0}}, std::nullopt};
  for (auto _ : state) benchmark::DoNotOptimize(rdz::StoreElementDownload(body, request));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(body.size()));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StoreElementDownload)->Unit(benchmark::kMillisecond);

}  // namespace
