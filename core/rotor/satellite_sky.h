#pragma once
#include <memory>

#include "core/orbit/observer.h"
#include "core/orbit/orbit_model.h"
#include "core/orbit/sun_moon.h"
#include "core/base/civil_time.h"
#include "core/rotor/pass_planner.h"

namespace rdz {

// Where the satellite of `model` stands seen from `station`, at whole seconds
// (a fraction is dropped). The model is shared and the station copied, so a
// later reload does not reach a running plan. No model: nowhere.
SkyPosition SatelliteSky(const Observer& station, std::shared_ptr<const OrbitModel> model);

// The Sun or the Moon seen from `station` (copied), to the fraction of a second.
SkyPosition BodySky(const Observer& station, SkyBody body);
// The rotor driver's target number for a body: below 0, so never a table entry.
inline int BodyTarget(SkyBody body) { return body == SkyBody::Sun ? -1 : -2; }

}  // namespace rdz
