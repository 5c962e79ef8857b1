#pragma once
#include <ctime>
#include <functional>

#include "core/ports/clock.h"

namespace rdz {

// The PC clock in the system's time zone (TZ and the zone database), with the
// zone's current offset from UTC. `now` gives the instant; tests pin it.
class SystemClock final : public Clock {
 public:
  using Source = std::function<std::time_t()>;
  explicit SystemClock(Source now = [] { return std::time(nullptr); }) : now_(std::move(now)) {}
  CivilTime Now() override;
  std::optional<std::int64_t> UtcOffsetSeconds() override;

 private:
  Source now_;
};

}  // namespace rdz
