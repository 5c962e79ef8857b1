#include "core/rotor/satellite_sky.h"

#include <cmath>

#include "core/orbit/body_look.h"
#include "core/orbit/engine.h"

namespace rdz {

SkyPosition SatelliteSky(const Observer& station, std::shared_ptr<const OrbitModel> model) {
  if (!model) return [](double) { return std::optional<LookAngles>(); };
  auto engine = std::make_shared<const EngineContext>(SetupEngine(station));
  return [engine, model = std::move(model)](double seconds) -> std::optional<LookAngles> {
    // Ten thousand years either way is beyond any element set.
    if (!std::isfinite(seconds) || std::abs(seconds) > 3e11) return std::nullopt;
    return model->Look(*engine, CivilFromUnix(static_cast<std::int64_t>(std::floor(seconds))));
  };
}

SkyPosition BodySky(const Observer& station, SkyBody body) {
  auto engine = std::make_shared<const EngineContext>(SetupEngine(station));
  return [engine, body](double seconds) -> std::optional<LookAngles> {
    if (!std::isfinite(seconds) || std::abs(seconds) > 3e11) return std::nullopt;
    return BodyLook(body, *engine, seconds);
  };
}

}  // namespace rdz
