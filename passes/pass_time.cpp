#include "passes/pass_time.h"

#include <cstdio>

namespace rdz {

namespace {

const CivilTime kUnixEpoch{1970, 1, 1, 0, 0, 0};

std::int64_t DaysSinceEpoch(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

std::string Format(std::int64_t seconds, const char* pattern) {
  const CivilTime t = CivilFromUnix(seconds);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buffer;
}

}  // namespace

std::int64_t UnixSeconds(const CivilTime& t) {
  return DaysSinceEpoch(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 +
         t.second;
}

CivilTime CivilFromUnix(std::int64_t seconds) { return AddSeconds(kUnixEpoch, seconds); }

std::string IsoUtc(std::int64_t seconds) {
  return Format(seconds, "%04d-%02d-%02dT%02d:%02d:%02dZ");
}

std::string CalendarUtc(std::int64_t seconds) {
  return Format(seconds, "%04d%02d%02dT%02d%02d%02dZ");
}

}  // namespace rdz
