#include "radio/rig_sky.h"

#include <cmath>

namespace rdz {

RigSky RigSkyAt(const EngineContext& station, const OrbitModel& model, const CivilTime& utc) {
  const auto now = model.At(station, utc);
  if (!now || !now->raw.rangeRate || !std::isfinite(*now->raw.rangeRate)) return {};
  bool follow = now->raw.elevation > 0;
  if (!follow) {
    const auto soon = model.At(station, AddSeconds(utc, kRigLeadSeconds));
    follow = soon && soon->raw.elevation > 0;
  }
  return {follow, *now->raw.rangeRate};
}

}  // namespace rdz
