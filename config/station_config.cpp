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

// The rest of the line without surrounding blanks. A lone LF does not end a
// line here, but it does end an address.
std::string UrlAfter(std::string_view line, std::string_view key) {
  std::string_view rest = line.substr(key.size());
  rest = rest.substr(0, rest.find('\n'));
  const auto first = rest.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(rest.substr(first, rest.find_last_not_of(" \t") - first + 1));
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
                       Observer& station, std::int16_t& tempoScann, std::string* kepUrl) {
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
    } else if (kepUrl != nullptr && StartsWith(line, "KEPURL = ")) {
      // An empty value is no address: the one in use stays.
      const std::string url = UrlAfter(line, "KEPURL = ");
      if (!url.empty()) *kepUrl = url;
    }
  }
  if (la) station.LA = la;
  if (lo) station.LO = lo;
  if (ht) station.HT = ht;
}

bool LoadStationConfig(const std::filesystem::path& programDir, bool withScanInterval,
                       Observer& station, std::int16_t& tempoScann, std::string* kepUrl) {
  const auto lines = ReadTextLines(programDir / kConfigFileName);
  if (!lines) return false;
  ApplyStationLines(*lines, withScanInterval, station, tempoScann, kepUrl);
  return true;
}

}  // namespace rdz
