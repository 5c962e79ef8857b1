#include "core/orbit/orbit_model.h"

#include "core/orbit/engine.h"

namespace rdz {

LookAngles LookOf(const RawSatState& raw) {
  return {raw.azimuth, raw.elevation, raw.range, raw.rangeRate.value_or(0.0)};
}

std::optional<LookAngles> OrbitModel::Look(const EngineContext& station,
                                           const CivilTime& utc) const {
  const auto p = At(station, utc);
  if (!p) return std::nullopt;
  return LookOf(p->raw);
}

std::optional<LookAngles> OrbitModel::LookAt(const EngineContext& station,
                                             std::int64_t unixSeconds) const {
  return Look(station, CivilFromUnix(unixSeconds));
}

std::optional<OrbitLimits> OrbitModel::Limits(const EngineContext&, std::int64_t,
                                              std::int64_t) const {
  return std::nullopt;
}

}  // namespace rdz
