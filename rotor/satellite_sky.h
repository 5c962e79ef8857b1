#pragma once
#include <cstdint>

#include "config/observer.h"
#include "orbit/element_set.h"
#include "platform/civil_time.h"
#include "rotor/pass_planner.h"

namespace rdz {

// The civil UTC time of seconds since 1970 (the planner's time scale).
CivilTime UtcFromUnixSeconds(std::int64_t seconds);

// Where `sat` stands seen from `station`, computed by the table's engine;
// both are copied, so a later reload does not reach a running plan.
SkyPosition SatelliteSky(const Observer& station, const ElementSet& sat);

}  // namespace rdz
