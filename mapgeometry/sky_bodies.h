#pragma once
#include <vector>

#include "config/observer.h"
#include "mapgeometry/geo.h"
#include "mapgeometry/sky.h"
#include "orbit/sun_moon.h"
#include "platform/civil_time.h"

namespace rdz {

// Where the body stands overhead at `utc`.
GeoPoint OverheadPoint(SkyBody body, const CivilTime& utc);

// The Sun or the Moon in the sky view: where it is now and its path over the
// UTC day of `utc`, every 10 minutes, cut into the pieces above the horizon.
struct SkyBodyView {
  SkyBody body = SkyBody::Sun;
  AzEl now;
  std::vector<std::vector<AzEl>> path;
};
inline constexpr int kBodyPathStepSeconds = 600;

std::vector<SkyBodyView> SkyBodiesSeen(const Observer& station, const CivilTime& utc);

}  // namespace rdz
