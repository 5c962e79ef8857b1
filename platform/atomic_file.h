#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace rdz {

// Replaces (or creates) the file with exactly these bytes. The bytes go to a
// temporary file in the same folder first, which is then renamed over the
// target, so a failed or interrupted write never leaves a half-written file.
// When anything fails the old file is untouched and `reason` says why.
struct WriteOutcome {
  bool ok = false;
  std::string reason;
};
WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace rdz
