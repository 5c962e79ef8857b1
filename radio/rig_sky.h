#pragma once
#include "orbit/orbit_model.h"
#include "platform/civil_time.h"

namespace rdz {

// What the radio needs of the tracked satellite at one instant.
struct RigSky {
  bool follow = false;   // up, or rising within kRigLeadSeconds
  double rangeRate = 0;  // km/s, positive moving away
};

inline constexpr int kRigLeadSeconds = 120;

// Nothing to follow when the model gives no range rate.
RigSky RigSkyAt(const EngineContext& station, const OrbitModel& model, const CivilTime& utc);

}  // namespace rdz
