#pragma once
#include <cstdint>
#include <optional>

#include "core/base/civil_time.h"

namespace rdz {

// The PC's local date and time with whole seconds. Windows take it as a
// service so that tests can set the time instead of waiting for it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilTime Now() = 0;
  // The system's current offset from UTC (local minus UTC, daylight saving
  // included); nothing where the clock cannot tell.
  virtual std::optional<std::int64_t> UtcOffsetSeconds() { return std::nullopt; }
};

// A UTC difference in hours (local time minus UTC) as whole seconds, rounded to
// the nearest second. Nothing for a value that is not a number a clock can use:
// not finite, or beyond a million hours either way.
std::optional<std::int64_t> UtcDifferenceSeconds(double hours);

}  // namespace rdz
