#pragma once
#include <functional>
#include <optional>

#include "core/orbit/look_angles.h"

namespace rdz {

// Where a rotor points: azimuth in compass degrees on the rotor's own scale (so
// it may be negative or above 360), elevation above the horizon (above 90 when
// tipped over).
struct LookAngle {
  double azimuth = 0;
  double elevation = 0;
};

// Where the satellite stands at an instant given in seconds on the caller's
// UTC scale; nothing when it cannot be computed. Any orbit model will do.
using SkyPosition = std::function<std::optional<LookAngles>(double seconds)>;

enum class CommandReason { Wait, Track, Park };

struct RotorCommand {
  LookAngle position;
  CommandReason reason;
};

// How a rotor follows a satellite, look by look: the pass planner for Hamlib
// rotors, the KV250's own rule for the KV250.
class FollowPolicy {
 public:
  virtual ~FollowPolicy() = default;
  // The command to send at `now`, if any.
  virtual std::optional<RotorCommand> Step(const SkyPosition& sky, double now) = 0;
  // Forget what was sent: another satellite, or a rotor that answers again.
  virtual void Reset() = 0;
  // The last command did not reach the rotor: the next look sends again.
  virtual void Unsent() = 0;
  // Seconds between two looks at the satellite.
  virtual double Interval() const = 0;
  // Whether the last look found the satellite to follow (not standing by).
  virtual bool Following() const = 0;
  virtual LookAngle ParkPosition() const = 0;
};

}  // namespace rdz
