#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_file.h"

namespace rdz {

// config.txt with the lines of some keys replaced: the first line of each
// key (a line that starts with it, e.g. "RIG = ") becomes `lineFor(key)`,
// later ones are dropped, missing ones are added at the end, and every other
// line is kept byte for byte with its own line end. An empty line from
// `lineFor` removes the key; `owned(key)` false leaves that key's lines as they are.
std::string WithKeyedLines(std::string_view bytes, std::span<const std::string_view> keys,
                           const std::function<std::string(std::string_view key)>& lineFor,
                           const std::function<bool(std::string_view key)>& owned);

// Rewrites config.txt in `programDir` through `edit`, atomically. Only a file
// that reads whole is replaced, a missing one is made; on failure the old file
// is untouched and the outcome says why.
WriteOutcome RewriteConfigFile(const std::filesystem::path& programDir,
                               const std::function<std::string(std::string_view bytes)>& edit);

// A value's blank-separated words ("2 localhost:4532 9600").
std::vector<std::string> Words(std::string_view text);
// A word of digits only, at most `max`; nothing otherwise (signs and
// fractions are not device numbers).
std::optional<int> WholeDigits(const std::string& word, int max);

}  // namespace rdz
