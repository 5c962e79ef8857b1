#include "core/settings/station_entry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "core/settings/keyed_lines.h"
#include "core/settings/locator.h"
#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

constexpr std::array<std::string_view, 5> kKeys = {"LA = ", "LO = ", "HT = ", "LOCATOR = ", "STATION = "};

// A hemisphere letter at either end: +1 or -1, and the text without it.
int Hemisphere(std::string& text, bool latitude) {
  const std::string plus = latitude ? "Nn" : "Ee", minus = latitude ? "Ss" : "Ww";
  for (const bool front : {true, false}) {
    if (text.empty()) return 0;
    const char c = front ? text.front() : text.back();
    const int sign = plus.find(c) != std::string::npos ? 1 : minus.find(c) != std::string::npos ? -1 : 0;
    if (sign == 0) continue;
    text.erase(front ? 0 : text.size() - 1, 1);
    return sign;
  }
  return 0;
}

// Six decimals: a tenth of a metre, and no trace of binary fractions.
std::string Decimal(double value) { return ShortestDecimalText(std::nearbyint(value * 1e6) / 1e6); }

}  // namespace

std::optional<double> ParseAngle(std::string_view typed, bool latitude) {
  std::string text(TrimBlanks(typed, " \t"));
  const int hemisphere = Hemisphere(text, latitude);
  // Degree and minute marks are separators like blanks.
  for (const std::string_view mark : {"\xC2\xB0", "\xB0", "'", "\""}) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark)) text.replace(at, mark.size(), " ");
  }
  const std::vector<std::string> words = Words(text);
  if (words.empty() || words.size() > 2) return std::nullopt;
  const auto degrees = WholeNumber(words[0]);
  if (!degrees) return std::nullopt;
  double value = *degrees;
  if (words.size() == 2) {
    const auto minutes = WholeNumber(words[1]);
    if (!minutes || *minutes < 0 || *minutes >= 60 || words[1][0] == '+' || words[1][0] == '-' ||
        *degrees != std::trunc(*degrees)) {
      return std::nullopt;
    }
    value = std::abs(value) + *minutes / 60;
    if (words[0][0] == '-') value = -value;
  }
  if (hemisphere != 0) {
    if (words[0][0] == '-' || words[0][0] == '+') return std::nullopt;
    value *= hemisphere;
  }
  return value;
}

StationCheck CheckStation(const StationFields& f) {
  StationCheck check;
  StationEntry entry;
  const auto square = ParseLocator(f.locator);
  const bool noLocator = TrimBlanks(f.locator, " \t").empty();
  if (!square && !noLocator) check.locator = "not a locator of 4, 6 or 8 characters such as JN45FL";

  const struct {
    const std::string& typed;
    bool latitude;
    double low, high;
    double* into;
    std::string* refused;
  } angles[] = {{f.latitude, true, -90, 90, &entry.latitude, &check.latitude},
                {f.longitude, false, -180, 360, &entry.longitude, &check.longitude}};
  for (const auto& a : angles) {
    const bool empty = TrimBlanks(a.typed, " \t").empty();
    const auto value = ParseAngle(a.typed, a.latitude);
    if (empty && square) {
      *a.into = a.latitude ? square->CentreLatitude() : square->CentreLongitude();
    } else if (value && *value >= a.low && *value <= a.high) {
      *a.into = *value;
    } else {
      *a.refused = std::string("degrees from ") + ShortestDecimalText(a.low) + " to " +
                   ShortestDecimalText(a.high) + (a.latitude ? ", e.g. 46.5 or 46 30 N" : ", e.g. -8.25 or 8 15 W");
    }
  }
  const auto height = WholeNumber(f.height);
  if (height && *height >= -500 && *height <= 9000) {
    entry.height = *height;
  } else {
    check.height = "metres from -500 to 9000";
  }
  const bool placed = check.latitude.empty() && check.longitude.empty();
  if (square && placed && !square->Contains(entry.latitude, entry.longitude)) {
    check.locator = "the latitude and longitude lie outside " + square->name;
  }
  if (!check.locator.empty() || !check.latitude.empty() || !check.longitude.empty() || !check.height.empty()) {
    return check;
  }
  entry.locator = square ? square->name : LocatorOf(entry.latitude, entry.longitude);
  // One line: a line end in the name would add lines of its own.
  std::string name = f.name;
  std::replace_if(name.begin(), name.end(), [](unsigned char c) { return std::iscntrl(c); }, ' ');
  entry.name = TrimBlanks(name, " ");
  check.entry = entry;
  return check;
}

std::string WithStation(std::string_view bytes, const StationEntry& entry) {
  const auto line = [&](std::string_view key) -> std::string {
    const std::string k(key);
    if (key == kKeys[0]) return k + Decimal(entry.latitude);
    if (key == kKeys[1]) return k + Decimal(entry.longitude);
    if (key == kKeys[2]) return k + Decimal(entry.height);
    if (key == kKeys[3]) return k + entry.locator;
    return entry.name.empty() ? std::string() : k + entry.name;
  };
  return WithKeyedLines(bytes, kKeys, line, [](std::string_view) { return true; });
}

WriteOutcome SaveStation(const std::filesystem::path& programDir, const StationEntry& entry) {
  return RewriteConfigFile(programDir, [&](std::string_view bytes) { return WithStation(bytes, entry); });
}

}  // namespace rdz
