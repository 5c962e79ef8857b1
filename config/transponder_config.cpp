#include "config/transponder_config.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/lenient_number.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

constexpr double kHzPerMHz = 1e6;

std::optional<double> PositiveMHz(std::string_view text) {
  const auto read = ReadLeadingNumber(text);
  if (!read || read->value <= 0) return std::nullopt;
  const double hz = read->value * kHzPerMHz;
  return std::isfinite(hz) ? std::optional(hz) : std::nullopt;
}

// "KEY(low)" or "KEY(low-high)" into the pair; false when absent or unusable.
bool ReadBand(std::string_view rest, std::string_view key, std::optional<double>& low,
              std::optional<double>& high) {
  const auto at = rest.find(key);
  if (at == std::string_view::npos) return false;
  const std::string_view value = rest.substr(at + key.size());
  const auto first = ReadLeadingNumber(value);
  const auto from = PositiveMHz(value);
  if (!first || !from) return false;
  std::optional<double> to = from;
  if (first->end < value.size() && value[first->end] == '-') {
    if (const auto second = PositiveMHz(value.substr(first->end + 1))) to = second;
  }
  low = std::min(*from, *to);
  high = std::max(*from, *to);
  return true;
}

bool HasWord(std::string_view rest, std::string_view word) {
  for (auto at = rest.find(word); at != std::string_view::npos; at = rest.find(word, at + 1)) {
    const bool startsWord = at == 0 || rest[at - 1] == ' ';
    const std::size_t end = at + word.size();
    if (startsWord && (end == rest.size() || rest[end] == ' ')) return true;
  }
  return false;
}

// The text of " KEY(text)"; empty when absent.
std::string ValueOf(std::string_view rest, std::string_view key) {
  const auto at = rest.find(key);
  if (at == std::string_view::npos) return {};
  std::string_view value = rest.substr(at + key.size());
  value = value.substr(0, value.find(')'));
  return std::string(TrimBlanks(value, " \t"));
}

// CTCSS tones lie between 60 and 260 Hz; anything else is no tone.
double ToneOf(std::string_view rest) {
  const std::string text = ValueOf(rest, " TONE(");
  const auto read = ReadLeadingNumber(text);
  return read && read->value >= 60 && read->value <= 260 ? read->value : 0;
}

}  // namespace

std::vector<Transponder> ConfiguredTransponders(const std::vector<std::string>& lines,
                                                std::string_view trimmedName) {
  std::vector<Transponder> found;
  if (trimmedName.empty()) return found;
  for (const std::string& line : lines) {
    const std::string_view text(line);
    if (!text.starts_with(trimmedName) || text.size() <= trimmedName.size() ||
        text[trimmedName.size()] != ' ') {
      continue;
    }
    const std::string_view rest = text.substr(trimmedName.size());
    Transponder t;
    bool any = ReadBand(rest, " DOWN(", t.downLow, t.downHigh);
    any = ReadBand(rest, " UP(", t.upLow, t.upHigh) || any;
    t.mode = ValueOf(rest, " MODE(");
    t.upMode = ValueOf(rest, " UPMODE(");
    t.tone = ToneOf(rest);
    t.invert = HasWord(rest, "INVERT");
    if (!any && t.mode.empty() && !t.invert) continue;
    const std::string name = ValueOf(rest, " NAME(");
    t.description = (name.empty() ? t.mode : name);
    t.description += t.description.empty() ? "config.txt" : " (config.txt)";
    found.push_back(std::move(t));
  }
  return found;
}

}  // namespace rdz
