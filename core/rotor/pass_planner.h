#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "core/rotor/follow_policy.h"
#include "core/settings/rotor_settings.h"

namespace rdz {

inline constexpr double kPlanStepSeconds = 10;
// The longest pass looked at: high orbits stay up for hours.
inline constexpr double kLongestPassSeconds = 12 * 3600;

// How the rotor follows one pass. Plain stays inside the range as it is;
// Overlap uses the azimuths past 360 (or below 0) of a 0-450 rotor; Flip turns
// the azimuth by 180 and tilts the elevation over the top (180 - el); Unwind
// is what is left when nothing else keeps the path inside the stops.
enum class PassWay { Plain, Overlap, Flip, Unwind };

struct PassPlan {
  double aos = 0;  // first second at the minimum elevation (or the start)
  double los = 0;  // first sample after it that is not
  PassWay way = PassWay::Plain;
  bool flipped = false;
  std::vector<LookAngle> path;  // rotor positions, one per 10 s from aos
};

// The pass from `start` (the satellite must be up then) to its LOS, sampled
// every 10 s, and the way through it. Nothing when the satellite is not up at
// `start` or cannot be computed.
std::optional<PassPlan> PlanPass(const SkyPosition& sky, double start, const RotorSettings& settings);

// Rotor position for a sky direction on a planned pass: flipped if the plan
// is, and on the azimuth scale nearest `near` (the rotor's last position),
// kept within the rotor's range.
LookAngle RotorPosition(const LookAngles& sky, bool flipped, double near, const RotorSettings& settings);

// Decides, tick by tick, where a Hamlib rotor should point for one satellite:
// follows a planned pass, waits at its AOS azimuth before a near rise, parks
// after LOS when asked, and sends nothing that has not moved by minChange.
class PassPlanner final : public FollowPolicy {
 public:
  explicit PassPlanner(RotorSettings settings) : settings_(settings) {}

  std::optional<RotorCommand> Step(const SkyPosition& sky, double now) override;
  // Forgets the pass as well.
  void Reset() override;
  void Unsent() override { sent_.reset(); }
  double Interval() const override { return settings_.intervalSeconds; }
  bool Following() const override { return plan_.has_value(); }
  LookAngle ParkPosition() const override { return {settings_.parkAzimuth, settings_.parkElevation}; }
  // The pass being followed, if any.
  const std::optional<PassPlan>& Plan() const { return plan_; }
  const RotorSettings& Settings() const { return settings_; }

 private:
  std::optional<RotorCommand> Send(const LookAngle& position, CommandReason reason);
  std::optional<double> AheadAos(const SkyPosition& sky, double now) const;

  RotorSettings settings_;
  std::optional<PassPlan> plan_;
  std::optional<LookAngle> sent_;
  bool parked_ = false;
};

}  // namespace rdz
