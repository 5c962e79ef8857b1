#include "core/passes/pass_time.h"

#include <cstdio>

namespace rdz {

namespace {

std::string Format(std::int64_t seconds, const char* pattern) {
  const CivilTime t = CivilFromUnix(seconds);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buffer;
}

}  // namespace

std::string IsoUtc(std::int64_t seconds) {
  return Format(seconds, "%04d-%02d-%02dT%02d:%02d:%02dZ");
}

std::string CalendarUtc(std::int64_t seconds) {
  return Format(seconds, "%04d%02d%02dT%02d%02d%02dZ");
}

}  // namespace rdz
