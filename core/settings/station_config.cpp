#include "core/settings/station_config.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/base/text_lines.h"

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

namespace {

// The rest of the last line of `key`, if any.
std::optional<std::string_view> LastValue(const std::vector<std::string>& lines, const std::string& key) {
  std::optional<std::string_view> last;
  for (const std::string& line : lines) {
    if (StartsWith(line, key)) last = std::string_view(line).substr(key.size());
  }
  return last;
}

std::string Shown(std::string_view value) {
  std::string shown(TrimBlanks(value.substr(0, value.find('\n')), " \t"));
  return shown.empty() ? "(nothing)" : shown;
}

void ReadLocator(const std::vector<std::string>& lines, StationReading& reading) {
  const auto value = LastValue(lines, "LOCATOR = ");
  if (!value) return;
  reading.locator = ParseLocator(Shown(*value));
  if (!reading.locator) {
    reading.warnings.push_back("config.txt: LOCATOR = " + Shown(*value) +
                               " is not a locator of 4, 6 or 8 characters such as JN45FL");
  }
}

}  // namespace

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
  ReadLocator(lines, reading);
  if (const auto name = LastValue(lines, "STATION = ")) reading.name = TrimBlanks(name->substr(0, name->find('\n')), " \t");
  const auto& square = reading.locator;
  for (const Checked& c : checked) {
    const std::string key = std::string(c.key) + " = ";
    const std::optional<std::string_view> last = LastValue(lines, key);
    if (!last) {
      if (square && c.into == &reading.station.LA) {
        *c.into = square->CentreLatitude();
      } else if (square && c.into == &reading.station.LO) {
        *c.into = square->CentreLongitude();
      } else if (c.required) {
        reading.warnings.push_back(std::string("config.txt has no ") + c.key + ": " + c.what + " 0 is used");
      }
      continue;
    }
    const auto number = ReadLeadingNumber(*last);
    if (number && std::isfinite(number->value) && number->value >= c.low && number->value <= c.high) {
      *c.into = number->value;
      continue;
    }
    reading.warnings.push_back(std::string("config.txt: ") + c.key + " = " + Shown(*last) + " is not a " + c.what +
                               " from " + ShortestDecimalText(c.low) + " to " + ShortestDecimalText(c.high) +
                               ": 0 is used");
  }
  const Observer& at = reading.station;
  if (square && at.LA && at.LO && !square->Contains(*at.LA, *at.LO)) {
    reading.warnings.push_back("config.txt: the station at LA = " + ShortestDecimalText(*at.LA) + ", LO = " +
                               ShortestDecimalText(*at.LO) + " lies outside LOCATOR = " + square->name);
  }
  return reading;
}

}  // namespace rdz
