#include "rotor/satellite_sky.h"

#include <cmath>
#include <memory>

#include "orbit/engine.h"

namespace rdz {

CivilTime UtcFromUnixSeconds(std::int64_t seconds) { return AddSeconds(CivilTime{1970, 1, 1, 0, 0, 0}, seconds); }

SkyPosition SatelliteSky(const Observer& station, const ElementSet& sat) {
  auto engine = std::make_shared<const EngineContext>(SetupEngine(station));
  return [engine, sat](double seconds) -> std::optional<LookAngle> {
    // Ten thousand years either way is beyond any element set.
    if (!std::isfinite(seconds) || std::abs(seconds) > 3e11) return std::nullopt;
    const double whole = std::floor(seconds);
    const CivilTime t = UtcFromUnixSeconds(static_cast<std::int64_t>(whole));
    const double tn = TimeNow(*engine, t.year, t.month, t.day, t.hour, t.minute, t.second) +
                      (seconds - whole) / 86400;
    const auto p = PropagateSatellite(*engine, sat, t.year, tn);
    if (!p) return std::nullopt;
    return LookAngle{p->raw.azimuth, p->raw.elevation};
  };
}

}  // namespace rdz
