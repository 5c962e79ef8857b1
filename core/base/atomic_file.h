#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace rdz {

struct WriteOutcome {
  bool ok = false;
  std::string reason;  // when not ok: a few words from the system, e.g. "permission denied"
};

// Replaces (or creates) the file with exactly these bytes. The bytes go to a
// temporary file in the same folder first, which is then renamed over the
// target, so a failed or interrupted write never leaves a half-written file.
// A symbolic link is followed and its target replaced; a link to nothing, a
// file without write permission, or anything but a regular file, is refused.
// Temporaries carry the writer's process number, and those of writers that
// are gone are removed. When not ok, the old file is untouched.
WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace rdz
