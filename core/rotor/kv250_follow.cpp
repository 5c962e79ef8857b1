#include "core/rotor/kv250_follow.h"

#include <cmath>

namespace rdz {

std::optional<RotorCommand> Kv250Follow::Step(const SkyPosition& sky, double now) {
  const std::optional<LookAngles> a = sky(now);
  const bool up = a && std::isfinite(a->azimuth) && std::isfinite(a->elevation) && std::nearbyint(a->elevation) > 0 &&
                  a->elevation >= horizon_.At(a->azimuth);
  if (!up) {
    up_ = false;
    return std::nullopt;
  }
  if (!due_) {
    due_ = now;
  } else if (!up_) {
    due_ = now + kKv250IntervalSeconds;
  }
  up_ = true;
  if (now < *due_) return std::nullopt;
  due_ = now + kKv250IntervalSeconds;
  return RotorCommand{{std::nearbyint(a->azimuth), std::nearbyint(a->elevation)}, CommandReason::Track};
}

void Kv250Follow::Reset() {
  due_.reset();
  up_ = false;
}

}  // namespace rdz
