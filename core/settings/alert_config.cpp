#include "core/settings/alert_config.h"

#include <cmath>

#include "core/settings/keyed_lines.h"
#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

constexpr std::string_view kSats = "ALERTSATS = ";
constexpr std::string_view kLead = "ALERTLEAD = ";
constexpr std::string_view kSound = "ALERTSOUND = ";
constexpr std::string_view kCommand = "ALERTCOMMAND = ";
constexpr std::string_view kKeys[] = {kSats, kLead, kSound};

std::vector<std::string> CommaList(std::string_view value) {
  std::vector<std::string> items;
  while (!value.empty()) {
    const std::size_t comma = value.find(',');
    const std::string item(TrimBlanks(value.substr(0, comma), " \t"));
    if (!item.empty()) items.push_back(item);
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  return items;
}

std::string LineFor(std::string_view key, const AlertConfig& config) {
  if (key == kSats) {
    std::string line(key);
    for (std::size_t i = 0; i < config.satellites.size(); ++i) line += (i ? ", " : "") + config.satellites[i];
    return config.satellites.empty() ? std::string() : line;
  }
  if (key == kLead) return std::string(key) + ShortestDecimalText(config.leadMinutes);
  return std::string(key) + (config.sound ? "1" : "0");
}

}  // namespace

AlertConfig ReadAlertLines(const std::vector<std::string>& lines) {
  AlertConfig config;
  for (const std::string& text : lines) {
    const std::string_view line = text;
    const auto value = [&](std::string_view key) -> std::optional<std::string_view> {
      if (line.substr(0, key.size()) != key) return std::nullopt;
      return line.substr(key.size());
    };
    if (const auto v = value(kSats)) {
      config.satellites = CommaList(*v);
    } else if (const auto v = value(kLead)) {
      const double minutes = LenientNumber(*v);
      if (std::isfinite(minutes) && minutes >= 0 && minutes <= kLongestAlertLead) config.leadMinutes = minutes;
    } else if (const auto v = value(kSound)) {
      config.sound = LenientNumber(*v) != 0;
    } else if (const auto v = value(kCommand)) {
      // A lone LF does not end a config line, but it ends the path.
      config.command = TrimBlanks(v->substr(0, v->find('\n')), " \t");
    }
  }
  return config;
}

std::string WithAlertConfig(std::string_view bytes, const AlertConfig& config) {
  return WithKeyedLines(
      bytes, kKeys, [&](std::string_view key) { return LineFor(key, config); },
      [](std::string_view) { return true; });
}

WriteOutcome SaveAlertConfig(const std::filesystem::path& programDir, const AlertConfig& config) {
  return RewriteConfigFile(programDir, [&](std::string_view bytes) { return WithAlertConfig(bytes, config); });
}

}  // namespace rdz
