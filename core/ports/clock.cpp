#include "core/ports/clock.h"

#include <cmath>

namespace rdz {

namespace {
// Far beyond any real time zone, yet small enough that the shifted date stays
// a plain calendar date and the conversion to an integer is always defined.
constexpr double kMaxDifferenceHours = 1e6;
}  // namespace

std::optional<std::int64_t> UtcDifferenceSeconds(double hours) {
  if (!std::isfinite(hours) || std::fabs(hours) > kMaxDifferenceHours) return std::nullopt;
  return static_cast<std::int64_t>(std::nearbyint(hours * 3600.0));
}

}  // namespace rdz
