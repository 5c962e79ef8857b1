#include "core/radio/passband.h"

#include <algorithm>
#include <cmath>

namespace rdz {

std::optional<PassbandPlace> PlaceIn(const Transponder& t, double satelliteDownlink) {
  if (!t.downLow || !t.downHigh || !std::isfinite(satelliteDownlink)) return std::nullopt;
  PassbandPlace p;
  p.low = *t.downLow;
  p.high = *t.downHigh;
  p.single = p.high <= p.low;
  p.downlink = p.single ? p.low : satelliteDownlink;
  p.uplink = UplinkFor(t, p.downlink);
  if (!p.single) {
    p.inside = p.downlink >= p.low && p.downlink <= p.high;
    p.fraction = std::clamp((p.downlink - p.low) / (p.high - p.low), 0.0, 1.0);
  }
  return p;
}

double TuningStep(bool fine, bool coarse) { return fine ? 10 : coarse ? 1000 : 100; }

}  // namespace rdz
