#include "config/rig_config.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "config/keyed_lines.h"
#include "platform/lenient_number.h"
#include "platform/number_text.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

constexpr std::string_view kRig = "RIG = ";
constexpr std::string_view kRx = "RIGRXVFO = ";
constexpr std::string_view kTx = "RIGTXVFO = ";
constexpr std::string_view kSsb = "RIGSSBHZ = ";
constexpr std::string_view kFm = "RIGFMHZ = ";
constexpr std::string_view kKeys[] = {kRig, kRx, kTx, kSsb, kFm};

constexpr std::pair<RigVfo, std::string_view> kVfoNames[] = {
    {RigVfo::Current, "CURRENT"}, {RigVfo::A, "A"}, {RigVfo::B, "B"}, {RigVfo::Main, "MAIN"}, {RigVfo::Sub, "SUB"}};

std::optional<RigConnection> ReadConnection(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  if (words.size() < 2) return std::nullopt;
  const auto model = WholeDigits(words[0], 999999);
  if (!model) return std::nullopt;
  RigConnection c{*model, words[1], 0};
  if (words.size() > 2) c.speed = WholeDigits(words[2], 10000000).value_or(0);
  return c;
}

void ReadHz(std::string_view value, double& into) {
  const double v = LenientNumber(value);
  if (std::isfinite(v) && v > 0 && v <= 100000) into = v;
}

void ReadVfo(std::string_view value, RigVfo& into) {
  const std::vector<std::string> words = Words(value);
  if (!words.empty()) into = RigVfoNamed(words[0]).value_or(into);
}

std::string LineFor(std::string_view key, const RigConfig& config) {
  const RigSettings& s = config.settings;
  const std::string k(key);
  if (key == kRig) {
    if (!config.connection) return {};
    const RigConnection& c = *config.connection;
    std::string line = k + std::to_string(c.model) + " " + c.port;
    if (c.speed > 0) line += " " + std::to_string(c.speed);
    return line;
  }
  if (key == kRx) return k + std::string(RigVfoName(s.receive));
  if (key == kTx) return k + std::string(RigVfoName(s.transmit));
  return k + ShortestDecimalText(key == kSsb ? s.thresholdSsb : s.thresholdFm);
}

}  // namespace

std::string_view RigVfoName(RigVfo vfo) {
  for (const auto& [v, name] : kVfoNames) {
    if (v == vfo) return name;
  }
  return {};
}

std::optional<RigVfo> RigVfoNamed(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (const auto& [v, n] : kVfoNames) {
    if (n == upper) return v;
  }
  return std::nullopt;
}

RigConfig ReadRigLines(const std::vector<std::string>& lines) {
  RigConfig config;
  RigSettings& s = config.settings;
  for (const std::string& text : lines) {
    const std::string_view line = text;
    const auto value = [&](std::string_view key) -> std::optional<std::string_view> {
      if (line.substr(0, key.size()) != key) return std::nullopt;
      return line.substr(key.size());
    };
    if (const auto v = value(kRig)) {
      config.connection = ReadConnection(*v);
    } else if (const auto v = value(kRx)) {
      ReadVfo(*v, s.receive);
    } else if (const auto v = value(kTx)) {
      ReadVfo(*v, s.transmit);
    } else if (const auto v = value(kSsb)) {
      ReadHz(*v, s.thresholdSsb);
    } else if (const auto v = value(kFm)) {
      ReadHz(*v, s.thresholdFm);
    }
  }
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
