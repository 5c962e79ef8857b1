#include "config/attitude_config.h"

#include "config/station_config.h"
#include "platform/lenient_number.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

// A key missing from the line leaves its value as it was.
void ApplyKey(std::string_view line, std::string_view key, double& value) {
  const auto at = line.find(key);
  if (at != std::string_view::npos) value = LenientNumber(line.substr(at + key.size()));
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

void ApplyAttitudeLines(const std::vector<std::string>& lines, std::string_view trimmedName,
                        ElementSet& sat) {
  sat.Alat = 0;
  sat.Alon = 180;
  for (const std::string& line : lines) {
    if (std::string_view(line).substr(0, trimmedName.size()) != trimmedName) continue;
    ApplyKey(line, "ALAT(", sat.Alat);
    ApplyKey(line, "ALON(", sat.Alon);
  }
}

bool LoadSatelliteAttitude(const std::filesystem::path& programDir, std::string_view trimmedName,
                           ElementSet& sat) {
  const auto lines = ReadTextLines(programDir / kConfigFileName);
  ApplyAttitudeLines(lines ? *lines : std::vector<std::string>{}, trimmedName, sat);
  return lines.has_value();
}

}  // namespace rdz
