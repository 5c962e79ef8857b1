#include "core/settings/rotor_config.h"

#include <cmath>

#include "core/settings/keyed_lines.h"
#include "core/base/atomic_file.h"
#include "core/base/lenient_number.h"
#include "core/base/number_text.h"

namespace rdz {

namespace {

constexpr std::string_view kRotor = "ROTOR = ";
constexpr std::string_view kRange = "ROTORAZRANGE = ";
constexpr std::string_view kMaxEl = "ROTORMAXEL = ";
constexpr std::string_view kMinChange = "ROTORMINSTEP = ";
constexpr std::string_view kInterval = "ROTORINTERVAL = ";
constexpr std::string_view kMinEl = "ROTORMINEL = ";
constexpr std::string_view kPark = "ROTORPARK = ";
constexpr std::string_view kWait = "ROTORWAIT = ";
constexpr std::string_view kParkLos = "ROTORPARKLOS = ";
constexpr std::string_view kKeys[] = {kRotor, kRange, kMaxEl, kMinChange, kInterval,
                                      kMinEl, kPark, kWait, kParkLos};

std::optional<RotorChoice> ReadChoice(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  if (words.empty()) return std::nullopt;
  RotorChoice choice;
  if (words[0] == "KV250") {
    choice.lpt = words.size() > 1 && words[1] == "LPT2" ? 2 : 1;
    return choice;
  }
  const auto model = WholeDigits(words[0], 999999);
  if (!model || words.size() < 2) return std::nullopt;
  choice.hamlib = true;
  choice.connection.model = *model;
  choice.connection.port = words[1];
  if (words.size() > 2) choice.connection.speed = WholeDigits(words[2], 10000000).value_or(0);
  return choice;
}

// A finite number within [low, high], or the value kept.
void ReadNumber(std::string_view value, double low, double high, double& into) {
  const double v = LenientNumber(value);
  if (std::isfinite(v) && v >= low && v <= high) into = v;
}

std::optional<AzimuthRange> ReadRange(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  if (words.empty()) return std::nullopt;
  if (words[0] == "0-360") return AzimuthRange::From0To360;
  if (words[0] == "-180-180") return AzimuthRange::From180To180;
  if (words[0] == "0-450") return AzimuthRange::From0To450;
  return std::nullopt;
}

const char* RangeText(AzimuthRange range) {
  switch (range) {
    case AzimuthRange::From180To180: return "-180-180";
    case AzimuthRange::From0To450: return "0-450";
    case AzimuthRange::From0To360: break;
  }
  return "0-360";
}

// The line each key gets; empty for no line at all.
std::string LineFor(std::string_view key, const RotorConfig& config) {
  const RotorSettings& s = config.settings;
  const auto number = [&](double v) { return std::string(key) + ShortestDecimalText(v); };
  if (key == kRotor) {
    const RotorChoice& c = config.choice;
    if (!c.hamlib) return c.lpt == 2 ? std::string(key) + "KV250 LPT2" : std::string();
    std::string line = std::string(key) + std::to_string(c.connection.model) + " " + c.connection.port;
    if (c.connection.speed > 0) line += " " + std::to_string(c.connection.speed);
    return line;
  }
  if (key == kRange) return std::string(key) + RangeText(s.azimuthRange);
  if (key == kMaxEl) return number(s.maxElevation);
  if (key == kMinChange) return number(s.minChange);
  if (key == kInterval) return number(s.intervalSeconds);
  if (key == kMinEl) return number(s.minElevation);
  if (key == kPark) return number(s.parkAzimuth) + " " + ShortestDecimalText(s.parkElevation);
  if (key == kWait) return number(s.waitMinutes);
  return number(s.parkAfterLos ? 1 : 0);
}

}  // namespace

RotorConfig ReadRotorLines(const std::vector<std::string>& lines) {
  RotorConfig config;
  RotorSettings& s = config.settings;
  for (const std::string& text : lines) {
    const std::string_view line = text;
    const auto value = [&](std::string_view key) -> std::optional<std::string_view> {
      if (line.substr(0, key.size()) != key) return std::nullopt;
      return line.substr(key.size());
    };
    if (const auto v = value(kRotor)) {
      config.choice = ReadChoice(*v).value_or(RotorChoice{});
    } else if (const auto v = value(kRange)) {
      s.azimuthRange = ReadRange(*v).value_or(s.azimuthRange);
    } else if (const auto v = value(kMaxEl)) {
      s.maxElevation = LenientNumber(*v) >= 180 ? 180 : 90;
    } else if (const auto v = value(kMinChange)) {
      ReadNumber(*v, 0.01, 90, s.minChange);
    } else if (const auto v = value(kInterval)) {
      ReadNumber(*v, 0.1, 3600, s.intervalSeconds);
    } else if (const auto v = value(kMinEl)) {
      ReadNumber(*v, -10, 89, s.minElevation);
    } else if (const auto v = value(kPark)) {
      const auto az = ReadLeadingNumber(*v);
      ReadNumber(*v, -180, 450, s.parkAzimuth);
      if (az) ReadNumber(v->substr(az->end), 0, 180, s.parkElevation);
    } else if (const auto v = value(kWait)) {
      ReadNumber(*v, 0, 24 * 60, s.waitMinutes);
    } else if (const auto v = value(kParkLos)) {
      s.parkAfterLos = LenientNumber(*v) != 0;
    }
  }
  return config;
}

std::string WithRotorConfig(std::string_view bytes, const RotorConfig& config) {
  // The KV250 has no settings: only its ROTOR line changes.
  return WithKeyedLines(
      bytes, kKeys, [&](std::string_view key) { return LineFor(key, config); },
      [&](std::string_view key) { return config.choice.hamlib || key == kRotor; });
}

WriteOutcome SaveRotorConfig(const std::filesystem::path& programDir, const RotorConfig& config) {
  return RewriteConfigFile(programDir, [&](std::string_view bytes) { return WithRotorConfig(bytes, config); });
}

}  // namespace rdz
