#pragma once
#include "core/orbit/horizon_mask.h"
#include "core/rotor/follow_policy.h"

namespace rdz {

inline constexpr double kKv250IntervalSeconds = 4;  // one command every 4 s while tracking

// The KV250's rule: while the satellite's rounded elevation is above 0 its
// rounded position goes out every 4 s, the first at once after a selection;
// below the horizon it stands by and sends nothing, and once the satellite is
// up again the 4 s start over. The park position is north at the horizon.
// A station's horizon mask holds it back until the satellite clears it too.
class Kv250Follow final : public FollowPolicy {
 public:
  explicit Kv250Follow(HorizonMask horizon = {}) : horizon_(std::move(horizon)) {}
  std::optional<RotorCommand> Step(const SkyPosition& sky, double now) override;
  void Reset() override;
  void Unsent() override { due_.reset(); }
  double Interval() const override { return 1; }
  bool Following() const override { return up_; }
  LookAngle ParkPosition() const override { return {0, 0}; }

 private:
  HorizonMask horizon_;
  std::optional<double> due_;
  bool up_ = false;
};

}  // namespace rdz
