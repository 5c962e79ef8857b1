#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace rdz::test {

// A fresh directory under the system temp directory, removed with the object.
// Stands in for the program directory in tests.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes the bytes exactly as given (no line-end translation).
  void Write(const std::string& name, std::string_view content) const;
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Joins lines with CR LF, as the program's own files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

// How often `what` occurs in `text`, overlaps included.
int CountOf(std::string_view text, std::string_view what);

// A shipped sample file ("amateur.txt", "config.txt").
std::string SampleFile(const std::string& name);
inline std::string SampleElements() { return SampleFile("amateur.txt"); }
// The test list of transponders, tests/radio/transmitters.json.
std::string TransmittersFixture();

}  // namespace rdz::test
