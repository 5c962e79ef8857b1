#pragma once
#include <optional>
#include <vector>

#include "core/orbit/engine.h"
#include "core/orbit/horizon_mask.h"

namespace rdz {

struct AzEl {
  double az = 0;  // degrees from north through east
  double el = 0;  // degrees
};

struct SkyXY {
  double x = 0;
  double y = 0;
};

// A sky plot of radius 1: the zenith at the centre, the horizon on the unit
// circle, north up and east to the right (as on a map); y grows downward, as
// on the screen. Below the horizon the point lies outside the circle.
SkyXY SkyPoint(const AzEl& at);

struct SkyPassPoint {
  CivilTime utc;
  AzEl at;
};

// One pass over the station: rise (AOS), highest point and set (LOS) to the
// second, AOS and LOS being the first and last second at or above the horizon
// mask,
// and the path between them. `current` when the satellite was up at the
// instant asked for; a rise or set beyond the search is missing.
struct SkyPass {
  bool current = false;
  std::optional<SkyPassPoint> aos;
  SkyPassPoint highest;
  std::optional<SkyPassPoint> los;
  std::vector<AzEl> path;
};

// The pass under way at `utc`, or else the next one within `searchHours`, by
// the pass search. Nothing when there is no pass in the window or the model
// cannot be computed at `utc`.
std::optional<SkyPass> FindPass(const OrbitModel& model, const EngineContext& station,
                             const CivilTime& utc, double searchHours = 24.0,
                             const HorizonMask& horizon = {});

}  // namespace rdz
