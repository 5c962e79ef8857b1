#pragma once
#include <vector>

#include "core/orbit/observer.h"
#include "core/orbit/geo.h"
#include "core/sky/sky.h"
#include "core/orbit/sun_moon.h"
#include "core/base/civil_time.h"

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
