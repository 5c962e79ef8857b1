#include "core/radio/transponder_config.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/base/text_lines.h"

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


// The transponder a line gives the satellite; nothing for another
// satellite's line or one without any usable key (an attitude line, say).
std::optional<Transponder> TransponderOf(std::string_view text, std::string_view trimmedName) {
  if (trimmedName.empty() || !text.starts_with(trimmedName) || text.size() <= trimmedName.size() ||
      text[trimmedName.size()] != ' ') {
    return std::nullopt;
  }
  const std::string_view rest = text.substr(trimmedName.size());
  Transponder t;
  bool any = ReadBand(rest, " DOWN(", t.downLow, t.downHigh);
  any = ReadBand(rest, " UP(", t.upLow, t.upHigh) || any;
  t.mode = ValueOf(rest, " MODE(");
  t.upMode = ValueOf(rest, " UPMODE(");
  t.tone = ToneOf(rest);
  t.invert = HasWord(rest, "INVERT");
  if (!any && t.mode.empty() && !t.invert) return std::nullopt;
  const std::string name = ValueOf(rest, " NAME(");
  t.description = (name.empty() ? t.mode : name);
  t.description += t.description.empty() ? "config.txt" : " (config.txt)";
  return t;
}

std::string Band(const char* key, const std::optional<double>& low, const std::optional<double>& high) {
  return low ? std::string(" ") + key + "(" + BandText(low, high) + ")" : std::string();
}

// Text that stays one value inside KEY(...).
std::string Plain(std::string text) {
  std::erase_if(text, [](char c) { return c == '(' || c == ')' || static_cast<unsigned char>(c) < 0x20; });
  return std::string(TrimBlanks(text, " \t"));
}

}  // namespace

std::string BandText(const std::optional<double>& low, const std::optional<double>& high) {
  if (!low) return {};
  std::string text = ShortestDecimalText(*low / kHzPerMHz);
  if (high && *high != *low) text += "-" + ShortestDecimalText(*high / kHzPerMHz);
  return text;
}

std::vector<Transponder> ConfiguredTransponders(const std::vector<std::string>& lines,
                                                std::string_view trimmedName) {
  std::vector<Transponder> found;
  for (const std::string& line : lines) {
    if (auto t = TransponderOf(line, trimmedName)) found.push_back(std::move(*t));
  }
  return found;
}

std::string TransponderLine(std::string_view trimmedName, const Transponder& t) {
  std::string line(trimmedName);
  std::string name = t.description;
  if (const auto own = name.rfind(" (config.txt)"); own != std::string::npos && own + 13 == name.size()) name.resize(own);
  if (name == "config.txt") name.clear();
  name = Plain(name);
  if (!name.empty() && name != Plain(t.mode)) line += " NAME(" + name + ")";
  line += Band("DOWN", t.downLow, t.downHigh) + Band("UP", t.upLow, t.upHigh);
  if (!Plain(t.mode).empty()) line += " MODE(" + Plain(t.mode) + ")";
  if (!Plain(t.upMode).empty()) line += " UPMODE(" + Plain(t.upMode) + ")";
  if (t.tone > 0) line += " TONE(" + ShortestDecimalText(t.tone) + ")";
  if (t.invert) line += " INVERT";
  return line;
}

std::string WithTransponderLines(std::string_view bytes, std::string_view trimmedName,
                                 const std::vector<Transponder>& transponders) {
  std::string lines;
  for (const Transponder& t : transponders) lines += TransponderLine(trimmedName, t) + "\r\n";
  std::string out;
  bool placed = false;
  for (std::size_t at = 0; at < bytes.size();) {
    const LineEnd end = FindLineEnd(bytes, at);
    if (TransponderOf(bytes.substr(at, end.end - at), trimmedName)) {
      if (!std::exchange(placed, true)) out += lines;
    } else {
      out += bytes.substr(at, end.next - at);
    }
    at = end.next;
  }
  if (!placed) {
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
    out += lines;
  }
  return out;
}

}  // namespace rdz
