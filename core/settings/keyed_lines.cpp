#include "core/settings/keyed_lines.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <vector>

#include "core/settings/settings.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"

namespace rdz {

std::string WithKeyedLines(std::string_view bytes, std::span<const std::string_view> keys,
                           const std::function<std::string(std::string_view key)>& lineFor,
                           const std::function<bool(std::string_view key)>& owned) {
  std::string out;
  std::vector<std::string_view> written;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // Each line's end is kept exactly as it was.
    const auto [end, next] = FindLineEnd(bytes, pos);
    const std::string_view line = bytes.substr(pos, end - pos);
    const auto key = std::find_if(keys.begin(), keys.end(),
                                  [&](std::string_view k) { return line.substr(0, k.size()) == k; });
    if (key == keys.end() || !owned(*key)) {
      out += bytes.substr(pos, next - pos);
    } else if (std::find(written.begin(), written.end(), *key) == written.end()) {
      written.push_back(*key);
      const std::string replacement = lineFor(*key);
      if (!replacement.empty()) out += replacement + std::string(bytes.substr(end, next - end));
    }
    pos = next;
  }
  for (const std::string_view key : keys) {
    if (std::find(written.begin(), written.end(), key) != written.end() || !owned(key)) continue;
    const std::string line = lineFor(key);
    if (line.empty()) continue;
    // After a last line without its end.
    if (!out.empty() && !out.ends_with('\r') && !out.ends_with('\n')) out += "\r\n";
    out += line + "\r\n";
  }
  return out;
}

WriteOutcome RewriteConfigFile(const std::filesystem::path& programDir,
                               const std::function<std::string(std::string_view bytes)>& edit) {
  std::string reason;
  bool missing = false;
  auto bytes = ReadConfigBytes(programDir, &reason, &missing);
  if (!bytes && !missing) return {false, reason};
  return WriteFileAtomically(programDir / kConfigFileName, edit(bytes.value_or("")));
}

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::optional<int> WholeDigits(const std::string& word, int max) {
  if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const int value = std::stoi(word);
  return value <= max ? std::optional<int>(value) : std::nullopt;
}

}  // namespace rdz
