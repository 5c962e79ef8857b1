#include "config/station_config.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "platform/lenient_number.h"
#include "platform/number_text.h"
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
    if (StartsWith(line, "TEMPOSCANN = ")) {
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

StationReading ReadStation(const std::vector<std::string>& lines) {
  struct Checked {
    const char* key;
    const char* what;
    double low, high;
    bool required;
    std::optional<double>* into;
  };
  StationReading reading;
  const Checked checked[] = {{"LA", "latitude", -90, 90, true, &reading.station.LA},
                             {"LO", "longitude", -180, 360, true, &reading.station.LO},
                             {"HT", "height", -500, 9000, true, &reading.station.HT},
                             {"HORIZON", "horizon", -10, 80, false, &reading.horizon}};
  for (const Checked& c : checked) {
    const std::string key = std::string(c.key) + " = ";
    std::optional<std::string_view> last;
    for (const std::string& line : lines) {
      if (StartsWith(line, key)) last = std::string_view(line).substr(key.size());
    }
    if (!last) {
      if (c.required) reading.warnings.push_back(std::string("config.txt has no ") + c.key + ": " + c.what + " 0 is used");
      continue;
    }
    const auto number = ReadLeadingNumber(*last);
    if (number && std::isfinite(number->value) && number->value >= c.low && number->value <= c.high) {
      *c.into = number->value;
      continue;
    }
    std::string shown(TrimBlanks(last->substr(0, last->find('\n')), " \t"));
    if (shown.empty()) shown = "(nothing)";
    reading.warnings.push_back(std::string("config.txt: ") + c.key + " = " + shown + " is not a " + c.what +
                               " from " + ShortestDecimalText(c.low) + " to " + ShortestDecimalText(c.high) +
                               ": 0 is used");
  }
  return reading;
}

}  // namespace rdz
