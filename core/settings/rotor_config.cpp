#include "core/settings/rotor_config.h"

#include <cmath>

#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/settings/device_keys.h"

namespace rdz {

namespace {

std::optional<RotorChoice> ReadChoice(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  if (words.empty()) return std::nullopt;
  RotorChoice choice;
  if (words[0] == "KV250") {
    choice.lpt = words.size() > 1 && words[1] == "LPT2" ? 2 : 1;
    return choice;
  }
  const auto address = ReadDeviceAddress(value);
  if (!address) return std::nullopt;
  choice.hamlib = true;
  choice.connection = *address;
  return choice;
}

// A finite number within [low, high], or the value kept.
void ReadNumber(std::string_view value, double low, double high, double& into) {
  const double v = LenientNumber(value);
  if (std::isfinite(v) && v >= low && v <= high) into = v;
}

constexpr std::pair<AzimuthRange, std::string_view> kRanges[] = {
    {AzimuthRange::From0To360, "0-360"}, {AzimuthRange::From180To180, "-180-180"}, {AzimuthRange::From0To450, "0-450"}};

std::string Number(double v) { return ShortestDecimalText(v); }

// The first key names the rotor; the KV250 has no settings.
constexpr DeviceKey<RotorConfig> kKeys[] = {
    {"ROTOR = ",
     [](std::string_view v, RotorConfig& c) { c.choice = ReadChoice(v).value_or(RotorChoice{}); },
     [](const RotorConfig& c) {
       if (!c.choice.hamlib) return std::string(c.choice.lpt == 2 ? "KV250 LPT2" : "");
       return DeviceAddressText(c.choice.connection);
     }},
    {"ROTORAZRANGE = ",
     [](std::string_view v, RotorConfig& c) {
       const std::vector<std::string> words = Words(v);
       for (const auto& [range, text] : kRanges) {
         if (!words.empty() && words[0] == text) c.settings.azimuthRange = range;
       }
     },
     [](const RotorConfig& c) {
       for (const auto& [range, text] : kRanges) {
         if (range == c.settings.azimuthRange) return std::string(text);
       }
       return std::string(kRanges[0].second);
     }},
    {"ROTORMAXEL = ", [](std::string_view v, RotorConfig& c) { c.settings.maxElevation = LenientNumber(v) >= 180 ? 180 : 90; },
     [](const RotorConfig& c) { return Number(c.settings.maxElevation); }},
    {"ROTORMINSTEP = ", [](std::string_view v, RotorConfig& c) { ReadNumber(v, 0.01, 90, c.settings.minChange); },
     [](const RotorConfig& c) { return Number(c.settings.minChange); }},
    {"ROTORINTERVAL = ", [](std::string_view v, RotorConfig& c) { ReadNumber(v, 0.1, 3600, c.settings.intervalSeconds); },
     [](const RotorConfig& c) { return Number(c.settings.intervalSeconds); }},
    {"ROTORMINEL = ", [](std::string_view v, RotorConfig& c) { ReadNumber(v, -10, 89, c.settings.minElevation); },
     [](const RotorConfig& c) { return Number(c.settings.minElevation); }},
    {"ROTORPARK = ",
     [](std::string_view v, RotorConfig& c) {
       const auto az = ReadLeadingNumber(v);
       ReadNumber(v, -180, 450, c.settings.parkAzimuth);
       if (az) ReadNumber(v.substr(az->end), 0, 180, c.settings.parkElevation);
     },
     [](const RotorConfig& c) { return Number(c.settings.parkAzimuth) + " " + Number(c.settings.parkElevation); }},
    {"ROTORWAIT = ", [](std::string_view v, RotorConfig& c) { ReadNumber(v, 0, 24 * 60, c.settings.waitMinutes); },
     [](const RotorConfig& c) { return Number(c.settings.waitMinutes); }},
    {"ROTORPARKLOS = ", [](std::string_view v, RotorConfig& c) { c.settings.parkAfterLos = LenientNumber(v) != 0; },
     [](const RotorConfig& c) { return Number(c.settings.parkAfterLos ? 1 : 0); }},
};

}  // namespace

RotorConfig ReadRotorLines(const std::vector<std::string>& lines) {
  RotorConfig config;
  ReadDeviceKeys<RotorConfig>(lines, kKeys, config);
  return config;
}

std::string WithRotorConfig(std::string_view bytes, const RotorConfig& config) {
  return WithDeviceKeys<RotorConfig>(bytes, kKeys, config, config.choice.hamlib);
}

WriteOutcome SaveRotorConfig(const std::filesystem::path& programDir, const RotorConfig& config) {
  return RewriteConfigFile(programDir, [&](std::string_view bytes) { return WithRotorConfig(bytes, config); });
}

}  // namespace rdz
