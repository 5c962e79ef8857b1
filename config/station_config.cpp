#include "config/station_config.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "platform/lenient_number.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

bool StartsWith(std::string_view line, std::string_view key) {
  return line.substr(0, key.size()) == key;
}

// The value starts at the blank that closes the key.
double ValueAfter(std::string_view line, std::string_view key) {
  return LenientNumber(line.substr(key.size() - 1));
}

std::int16_t ToScanInterval(double value) {
  // Clamp before converting: a value outside the 16-bit range must not stop the load.
  constexpr double kMin = std::numeric_limits<std::int16_t>::min();
  constexpr double kMax = std::numeric_limits<std::int16_t>::max();
  if (std::isnan(value)) return 0;
  return static_cast<std::int16_t>(std::nearbyint(std::clamp(value, kMin, kMax)));
}

}  // namespace

void ApplyStationLines(const std::vector<std::string>& lines, bool withScanInterval,
                       Observer& station, std::int16_t& tempoScann) {
  std::optional<double> la, lo, ht;
  for (const std::string& line : lines) {
    if (StartsWith(line, "LA = ")) {
      la = ValueAfter(line, "LA = ");
    } else if (StartsWith(line, "LO = ")) {
      lo = ValueAfter(line, "LO = ");
    } else if (StartsWith(line, "HT = ")) {
      ht = ValueAfter(line, "HT = ");
    } else if (withScanInterval && StartsWith(line, "TEMPOSCANN = ")) {
      tempoScann = ToScanInterval(ValueAfter(line, "TEMPOSCANN = "));
    }
  }
  if (la) station.LA = la;
  if (lo) station.LO = lo;
  if (ht) station.HT = ht;
}

bool LoadStationConfig(const std::filesystem::path& programDir, bool withScanInterval,
                       Observer& station, std::int16_t& tempoScann) {
  const auto lines = ReadTextLines(programDir / kConfigFileName);
  if (!lines) return false;
  ApplyStationLines(*lines, withScanInterval, station, tempoScann);
  return true;
}

}  // namespace rdz
