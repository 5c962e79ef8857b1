#include "core/radio/offset_file.h"

#include <cmath>
#include <sstream>

#include "core/base/text_lines.h"

namespace rdz {

namespace {

// Offsets beyond this are no drift but a typing slip.
constexpr double kMaxOffsetHz = 1e6;

std::optional<long long> NominalHz(const Transponder& t) {
  auto hz = DownlinkCentre(t);
  if (!hz) hz = UplinkCentre(t);
  if (!hz || !std::isfinite(*hz) || *hz <= 0 || *hz >= 1e13) return std::nullopt;
  return static_cast<long long>(std::nearbyint(*hz));
}

std::optional<long long> Integer(std::string_view word) {
  if (word.empty() || word.size() > 18) return std::nullopt;
  std::size_t at = word[0] == '-' ? 1 : 0;
  if (at == word.size()) return std::nullopt;
  long long value = 0;
  for (; at < word.size(); ++at) {
    if (word[at] < '0' || word[at] > '9') return std::nullopt;
    value = value * 10 + (word[at] - '0');
  }
  return word[0] == '-' ? -value : value;
}

}  // namespace

TransponderOffsets TransponderOffsets::Read(std::string_view text) {
  TransponderOffsets read;
  for (const std::string& whole : SplitTextLines(text)) {
    std::string_view line = TrimBlanks(whole, " \t");
    const auto last = line.rfind(' ');
    if (last == std::string_view::npos) continue;
    const auto offset = Integer(line.substr(last + 1));
    line = TrimBlanks(line.substr(0, last), " \t");
    const auto middle = line.rfind(' ');
    if (middle == std::string_view::npos) continue;
    const auto nominal = Integer(line.substr(middle + 1));
    const std::string_view satellite = TrimBlanks(line.substr(0, middle), " \t");
    if (!offset || !nominal || *nominal <= 0 || std::abs(*offset) > kMaxOffsetHz || satellite.empty()) continue;
    read.offsets_[{std::string(satellite), *nominal}] = *offset;
  }
  return read;
}

std::string TransponderOffsets::Text() const {
  std::ostringstream text;
  for (const auto& [key, offset] : offsets_) text << key.first << " " << key.second << " " << offset << "\r\n";
  return text.str();
}

std::string TransponderOffsets::Satellite(std::uint32_t catalogNumber, std::string_view trimmedName) {
  return catalogNumber != 0 ? std::to_string(catalogNumber) : std::string(trimmedName);
}

std::optional<double> TransponderOffsets::Find(const std::string& satellite, const Transponder& t) const {
  const auto nominal = NominalHz(t);
  if (!nominal) return std::nullopt;
  const auto found = offsets_.find({satellite, *nominal});
  if (found == offsets_.end()) return std::nullopt;
  return static_cast<double>(found->second);
}

void TransponderOffsets::Remember(const std::string& satellite, const Transponder& t, double offsetHz) {
  const auto nominal = NominalHz(t);
  if (!nominal || satellite.empty() || !std::isfinite(offsetHz) || std::abs(offsetHz) > kMaxOffsetHz) return;
  offsets_[{satellite, *nominal}] = static_cast<long long>(std::nearbyint(offsetHz));
}

void TransponderOffsets::Forget(const std::string& satellite, const Transponder& t) {
  if (const auto nominal = NominalHz(t)) offsets_.erase({satellite, *nominal});
}

TransponderOffsets ReadOffsetFile(const std::filesystem::path& programDir) {
  const auto text = ReadTextFile(programDir / kOffsetFileName);
  return text ? TransponderOffsets::Read(*text) : TransponderOffsets{};
}

WriteOutcome SaveOffsetFile(const std::filesystem::path& programDir, const TransponderOffsets& offsets) {
  return WriteFileAtomically(programDir / kOffsetFileName, offsets.Text());
}

}  // namespace rdz
