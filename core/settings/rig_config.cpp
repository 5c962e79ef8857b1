#include "core/settings/rig_config.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/settings/keyed_lines.h"
#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

constexpr std::string_view kRig = "RIG = ";
constexpr std::string_view kRx = "RIGRXVFO = ";
constexpr std::string_view kTx = "RIGTXVFO = ";
constexpr std::string_view kSsb = "RIGSSBHZ = ";
constexpr std::string_view kFm = "RIGFMHZ = ";
constexpr std::string_view kSatMode = "RIGSATMODE = ";
constexpr std::string_view kTxRig = "RIGTX = ";
constexpr std::string_view kLos = "RIGLOSOFFSET = ";
constexpr std::string_view kKeys[] = {kRig, kRx, kTx, kSsb, kFm, kSatMode, kTxRig, kLos};
constexpr std::string_view kNone = "NONE";

constexpr std::pair<RigVfo, std::string_view> kVfoNames[] = {
    {RigVfo::Current, "CURRENT"}, {RigVfo::A, "A"}, {RigVfo::B, "B"}, {RigVfo::Main, "MAIN"}, {RigVfo::Sub, "SUB"}};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::optional<RigConnection> ReadRigConnection(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  if (words.size() < 2) return std::nullopt;
  const auto model = WholeDigits(words[0], 999999);
  if (!model) return std::nullopt;
  RigConnection c{*model, words[1], 0};
  if (words.size() > 2) c.speed = WholeDigits(words[2], 10000000).value_or(0);
  return c;
}

namespace {

void ReadHz(std::string_view value, double& into) {
  const double v = LenientNumber(value);
  if (std::isfinite(v) && v > 0 && v <= 100000) into = v;
}

void ReadVfo(std::string_view value, RigVfo& into) {
  const std::vector<std::string> words = Words(value);
  if (!words.empty()) into = RigVfoNamed(words[0]).value_or(into);
}

bool On(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  return !words.empty() && words[0] == "1";
}


std::string LineFor(std::string_view key, const RigConfig& config) {
  const RigSettings& s = config.settings;
  const std::string k(key);
  if (key == kRig) return config.connection ? k + RigConnectionText(*config.connection) : std::string();
  if (key == kTxRig) {
    const bool second = s.uplink == UplinkWay::SecondRadio && config.transmitter;
    return second ? k + RigConnectionText(*config.transmitter) : std::string();
  }
  if (key == kSatMode) return s.uplink == UplinkWay::SatelliteMode ? k + "1" : std::string();
  if (key == kLos) return config.offsetAtLos ? k + "1" : std::string();
  if (key == kRx) return k + std::string(RigVfoName(s.receive));
  if (key == kTx) return k + std::string(s.uplink == UplinkWay::ReceiveOnly ? kNone : RigVfoName(s.transmit));
  return k + ShortestDecimalText(key == kSsb ? s.thresholdSsb : s.thresholdFm);
}

}  // namespace

std::string RigConnectionText(const RigConnection& c) {
  std::string text = std::to_string(c.model) + " " + c.port;
  if (c.speed > 0) text += " " + std::to_string(c.speed);
  return text;
}

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
  RigConfig config;
  RigSettings& s = config.settings;
  bool satMode = false, none = false;
  for (const std::string& text : lines) {
    const std::string_view line = text;
    const auto value = [&](std::string_view key) -> std::optional<std::string_view> {
      if (line.substr(0, key.size()) != key) return std::nullopt;
      return line.substr(key.size());
    };
    if (const auto v = value(kRig)) {
      config.connection = ReadRigConnection(*v);
    } else if (const auto v = value(kRx)) {
      ReadVfo(*v, s.receive);
    } else if (const auto v = value(kTx)) {
      none = Upper(Words(*v).empty() ? std::string() : Words(*v)[0]) == kNone;
      ReadVfo(*v, s.transmit);
    } else if (const auto v = value(kSatMode)) {
      satMode = On(*v);
    } else if (const auto v = value(kTxRig)) {
      config.transmitter = ReadRigConnection(*v);
    } else if (const auto v = value(kLos)) {
      config.offsetAtLos = On(*v);
    } else if (const auto v = value(kSsb)) {
      ReadHz(*v, s.thresholdSsb);
    } else if (const auto v = value(kFm)) {
      ReadHz(*v, s.thresholdFm);
    }
  }
  s.uplink = config.transmitter ? UplinkWay::SecondRadio
             : satMode          ? UplinkWay::SatelliteMode
             : none             ? UplinkWay::ReceiveOnly
                                : UplinkWay::Split;
  return config;
}

std::string WithRigConfig(std::string_view bytes, const RigConfig& config) {
  return WithKeyedLines(
      bytes, kKeys, [&](std::string_view key) { return LineFor(key, config); },
      [&](std::string_view key) { return config.connection || key == kRig; });
}

WriteOutcome SaveRigConfig(const std::filesystem::path& programDir, const RigConfig& config) {
  return RewriteConfigFile(programDir, [&](std::string_view bytes) { return WithRigConfig(bytes, config); });
}

}  // namespace rdz
