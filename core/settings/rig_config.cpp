#include "core/settings/rig_config.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/settings/device_keys.h"

namespace rdz {

namespace {

constexpr std::string_view kNone = "NONE";

constexpr std::pair<RigVfo, std::string_view> kVfoNames[] = {
    {RigVfo::Current, "CURRENT"}, {RigVfo::A, "A"}, {RigVfo::B, "B"}, {RigVfo::Main, "MAIN"}, {RigVfo::Sub, "SUB"}};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::string FirstWord(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  return words.empty() ? std::string() : words[0];
}

// The lines as read: the uplink follows from several keys, whatever their order.
struct RigLines {
  RigConfig config;
  bool satMode = false, none = false;
};

void ReadHz(std::string_view value, double& into) {
  const double v = LenientNumber(value);
  if (std::isfinite(v) && v > 0 && v <= 100000) into = v;
}

bool On(std::string_view value) { return FirstWord(value) == "1"; }

std::string Flag(bool on) { return on ? "1" : ""; }

// The first key names the radio.
constexpr DeviceKey<RigLines> kKeys[] = {
    {"RIG = ", [](std::string_view v, RigLines& r) { r.config.connection = ReadDeviceAddress(v); },
     [](const RigLines& r) { return r.config.connection ? DeviceAddressText(*r.config.connection) : std::string(); }},
    {"RIGRXVFO = ",
     [](std::string_view v, RigLines& r) {
       r.config.settings.receive = RigVfoNamed(FirstWord(v)).value_or(r.config.settings.receive);
     },
     [](const RigLines& r) { return std::string(RigVfoName(r.config.settings.receive)); }},
    {"RIGTXVFO = ",
     [](std::string_view v, RigLines& r) {
       r.none = Upper(FirstWord(v)) == kNone;
       r.config.settings.transmit = RigVfoNamed(FirstWord(v)).value_or(r.config.settings.transmit);
     },
     [](const RigLines& r) {
       const RigSettings& s = r.config.settings;
       return std::string(s.uplink == UplinkWay::ReceiveOnly ? kNone : RigVfoName(s.transmit));
     }},
    {"RIGSSBHZ = ", [](std::string_view v, RigLines& r) { ReadHz(v, r.config.settings.thresholdSsb); },
     [](const RigLines& r) { return ShortestDecimalText(r.config.settings.thresholdSsb); }},
    {"RIGFMHZ = ", [](std::string_view v, RigLines& r) { ReadHz(v, r.config.settings.thresholdFm); },
     [](const RigLines& r) { return ShortestDecimalText(r.config.settings.thresholdFm); }},
    {"RIGSATMODE = ", [](std::string_view v, RigLines& r) { r.satMode = On(v); },
     [](const RigLines& r) { return Flag(r.config.settings.uplink == UplinkWay::SatelliteMode); }},
    {"RIGTX = ", [](std::string_view v, RigLines& r) { r.config.transmitter = ReadDeviceAddress(v); },
     [](const RigLines& r) {
       const bool second = r.config.settings.uplink == UplinkWay::SecondRadio && r.config.transmitter;
       return second ? DeviceAddressText(*r.config.transmitter) : std::string();
     }},
    {"RIGLOSOFFSET = ", [](std::string_view v, RigLines& r) { r.config.offsetAtLos = On(v); },
     [](const RigLines& r) { return Flag(r.config.offsetAtLos); }},
};

}  // namespace

std::string_view RigVfoName(RigVfo vfo) {
  for (const auto& [v, name] : kVfoNames) {
    if (v == vfo) return name;
  }
  return {};
}

std::optional<RigVfo> RigVfoNamed(std::string_view name) {
  const std::string upper = Upper(std::string(name));
  for (const auto& [v, n] : kVfoNames) {
    if (n == upper) return v;
  }
  return std::nullopt;
}

RigConfig ReadRigLines(const std::vector<std::string>& lines) {
  RigLines r;
  ReadDeviceKeys<RigLines>(lines, kKeys, r);
  r.config.settings.uplink = r.config.transmitter ? UplinkWay::SecondRadio
                             : r.satMode          ? UplinkWay::SatelliteMode
                             : r.none             ? UplinkWay::ReceiveOnly
                                                  : UplinkWay::Split;
  return r.config;
}

std::string WithRigConfig(std::string_view bytes, const RigConfig& config) {
  return WithDeviceKeys<RigLines>(bytes, kKeys, RigLines{config}, config.connection.has_value());
}

WriteOutcome SaveRigConfig(const std::filesystem::path& programDir, const RigConfig& config) {
  return RewriteConfigFile(programDir, [&](std::string_view bytes) { return WithRigConfig(bytes, config); });
}

}  // namespace rdz
