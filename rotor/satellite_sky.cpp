#include "rotor/satellite_sky.h"

#include <cmath>

#include "orbit/engine.h"

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

}  // namespace rdz
