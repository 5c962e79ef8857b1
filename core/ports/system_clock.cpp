#include "core/ports/system_clock.h"

namespace rdz {

namespace {

std::optional<std::tm> LocalNow(const SystemClock::Source& now) {
  // Picks up a changed TZ, and the zone's next daylight-saving rule.
  tzset();
  const std::time_t t = now();
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return std::nullopt;
  return local;
}

}  // namespace

CivilTime SystemClock::Now() {
  const auto local = LocalNow(now_);
  if (!local) return {};
  // A leap second (60) shows as the second before it, as the other clocks do.
  return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
          local->tm_hour,        local->tm_min,     local->tm_sec > 59 ? 59 : local->tm_sec};
}

std::optional<std::int64_t> SystemClock::UtcOffsetSeconds() {
  const auto local = LocalNow(now_);
  if (!local) return std::nullopt;
  return local->tm_gmtoff;
}

}  // namespace rdz
