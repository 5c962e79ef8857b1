#include "core/radio/rig_sky.h"

#include <cmath>

namespace rdz {

RigSky RigSkyAt(const EngineContext& station, const OrbitModel& model, const CivilTime& utc,
                const HorizonMask& horizon) {
  const auto now = model.At(station, utc);
  if (!now || !now->raw.rangeRate || !std::isfinite(*now->raw.rangeRate)) return {};
  const auto up = [&](const RawSatState& s) { return s.elevation > 0 && s.elevation >= horizon.At(s.azimuth); };
  bool follow = up(now->raw);
  if (!follow) {
    const auto soon = model.At(station, AddSeconds(utc, kRigLeadSeconds));
    follow = soon && up(soon->raw);
  }
  return {follow, *now->raw.rangeRate};
}

}  // namespace rdz
