#include "config/station_config.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "platform/lenient_number.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

bool StartsWith(std::string_view line, std::string_view key) {
  return line.substr(0, key.size()) == key;
}

// The value starts at the blank that closes the key. Too large for a double
// is no number.
std::optional<double> ValueAfter(std::string_view line, std::string_view key) {
  const double value = LenientNumber(line.substr(key.size() - 1));
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// The rest of the line without surrounding blanks. A lone LF does not end a
// line here, but it does end an address.
std::optional<std::string> UrlAfter(std::string_view line, std::string_view key) {
  std::string_view rest = line.substr(key.size());
  const std::string_view url = TrimBlanks(rest.substr(0, rest.find('\n')), " \t");
  if (url.empty()) return std::nullopt;
  return std::string(url);
}

std::optional<std::int16_t> ToScanInterval(std::optional<double> value) {
  // Clamp before converting: a value outside the 16-bit range must not stop the load.
  constexpr double kMin = std::numeric_limits<std::int16_t>::min();
  constexpr double kMax = std::numeric_limits<std::int16_t>::max();
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(std::nearbyint(std::clamp(*value, kMin, kMax)));
}

// A later line replaces an earlier one only with a value.
template <typename T>
void Keep(std::optional<T>& key, std::optional<T> value) {
  if (value) key = std::move(value);
}

}  // namespace

StationKeys ReadStationKeys(const std::vector<std::string>& lines) {
  StationKeys keys;
  for (const std::string& line : lines) {
    if (StartsWith(line, "LA = ")) {
      Keep(keys.LA, ValueAfter(line, "LA = "));
    } else if (StartsWith(line, "LO = ")) {
      Keep(keys.LO, ValueAfter(line, "LO = "));
    } else if (StartsWith(line, "HT = ")) {
      Keep(keys.HT, ValueAfter(line, "HT = "));
    } else if (StartsWith(line, "TEMPOSCANN = ")) {
      Keep(keys.TEMPOSCANN, ToScanInterval(ValueAfter(line, "TEMPOSCANN = ")));
    } else if (StartsWith(line, "KEPURL = ")) {
      Keep(keys.KEPURL, UrlAfter(line, "KEPURL = "));
    } else if (StartsWith(line, "SATS = ")) {
      Keep(keys.SATS, UrlAfter(line, "SATS = "));
    } else if (StartsWith(line, "AGEWARN = ")) {
      Keep(keys.AGEWARN, ValueAfter(line, "AGEWARN = "));
    } else {
      const std::pair<const char*, std::optional<std::string>*> urls[] = {
          {"GEOURL = ", &keys.GEOURL}, {"GPSURL = ", &keys.GPSURL}, {"MILURL = ", &keys.MILURL},
          {"LEOURL = ", &keys.LEOURL}, {"SHUTTLEURL = ", &keys.SHUTTLEURL},
          {"TRANSPONDERURL = ", &keys.TRANSPONDERURL}};
      for (const auto& [key, value] : urls) {
        if (StartsWith(line, key)) Keep(*value, UrlAfter(line, key));
      }
    }
  }
  return keys;
}

Observer WithStationKeys(Observer station, const StationKeys& keys) {
  if (keys.LA) station.LA = keys.LA;
  if (keys.LO) station.LO = keys.LO;
  if (keys.HT) station.HT = keys.HT;
  return station;
}

std::optional<StationKeys> ReadStationConfig(const std::filesystem::path& programDir,
                                             std::string* reason) {
  const auto lines = ReadTextLines(programDir / kConfigFileName, reason);
  if (!lines) return std::nullopt;
  return ReadStationKeys(*lines);
}

}  // namespace rdz
