#pragma once
#include "core/orbit/orbit_model.h"
#include "core/orbit/horizon_mask.h"
#include "core/base/civil_time.h"

namespace rdz {

// What the radio needs of the tracked satellite at one instant.
struct RigSky {
  bool follow = false;   // above the horizon, or rising above it within kRigLeadSeconds
  double rangeRate = 0;  // km/s, positive moving away
};

inline constexpr int kRigLeadSeconds = 120;

// Nothing to follow when the model gives no range rate.
RigSky RigSkyAt(const EngineContext& station, const OrbitModel& model, const CivilTime& utc,
                const HorizonMask& horizon = {});

}  // namespace rdz
