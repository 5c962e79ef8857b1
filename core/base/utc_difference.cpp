#include "core/base/utc_difference.h"

#include <cstdio>
#include <cstdlib>

namespace rdz {

std::string HoursText(std::int64_t seconds) {
  // Zones run in whole minutes; a hundredth of an hour is exact for all of them
  // (quarter hours at most) and close enough for anything else.
  const std::int64_t hundredths = (std::llabs(seconds) * 100 + 1800) / 3600;
  std::string text = (seconds < 0 && hundredths != 0 ? "-" : "") + std::to_string(hundredths / 100);
  if (const std::int64_t fraction = hundredths % 100; fraction != 0) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(fraction));
    text += '.';
    text += digits[0];
    if (digits[1] != '0') text += digits[1];
  }
  return text;
}

std::optional<std::string> UtcDifferenceDefault::Follow(std::optional<std::int64_t> zoneOffsetSeconds) {
  if (typed_ || !zoneOffsetSeconds || zoneOffsetSeconds == shown_) return std::nullopt;
  shown_ = zoneOffsetSeconds;
  return HoursText(*zoneOffsetSeconds);
}

}  // namespace rdz
