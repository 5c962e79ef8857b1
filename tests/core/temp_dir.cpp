#include "core/temp_dir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace rdz::test {

namespace {
std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
}  // namespace

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "rdz-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, std::string_view content) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string TempDir::Read(const std::string& name) const { return ReadFile(path_ / name); }

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (auto line : lines) (out += line) += "\r\n";
  return out;
}

int CountOf(std::string_view text, std::string_view what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string SampleFile(const std::string& name) {
  return ReadFile(std::filesystem::path(RDZ_SAMPLE_DIR) / name);
}

std::string TransmittersFixture() {
  return ReadFile(std::filesystem::path(RDZ_RADIO_FIXTURES) / "transmitters.json");
}

}  // namespace rdz::test
