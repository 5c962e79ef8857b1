#pragma once
#include <memory>

#include "core/settings/settings.h"
#include "core/load/tracker_state.h"

namespace rdz {

// Takes a reading of config.txt into use: the station, TEMPOSCANN, AGEWARN and
// the attitude of every loaded satellite, whose model is made again with it.
// The table itself changes only with a load (SATS picks its sets).
void UseSettings(TrackerState& state, std::shared_ptr<const Settings> settings);
inline void UseSettings(TrackerState& state, Settings settings) {
  UseSettings(state, std::make_shared<const Settings>(std::move(settings)));
}

}  // namespace rdz
