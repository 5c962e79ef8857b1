#pragma once
#include <vector>

#include "core/orbit/observer.h"
#include "core/orbit/engine.h"
#include "core/passes/table_passes.h"

namespace rdz {

// The Sun this far below the horizon or lower: civil dusk, dark enough to see a satellite.
inline constexpr double kDuskSunElevation = -6;
inline constexpr std::int64_t kVisibleStepSeconds = 10;

// Whether a satellite seen at `look` from the engine's station at that instant
// is in sunlight (the Earth's shadow taken as a cylinder).
bool Sunlit(const EngineContext& station, const LookAngles& look, double unixSeconds);

// Whether, at some sample of the pass (every 10 s and its LOS), the satellite
// is sunlit while the station's Sun stands below -6 degrees.
bool PassVisible(const Pass& pass, const OrbitModel& model, const EngineContext& station);

// The rows whose pass is visible, in their order. A filter on a finished
// search: entry k's model is at index k - 1 of `satellites`.
std::vector<PassRow> VisibleOnly(const std::vector<PassRow>& rows, const PassCandidates& satellites,
                                 const Observer& station);

}  // namespace rdz
