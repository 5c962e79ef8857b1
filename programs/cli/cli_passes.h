#pragma once
#include <filesystem>
#include <string>

#include "core/load/tracker_state.h"
#include "core/base/civil_time.h"

namespace rdz {

// The forecast text of satellite `sat` (from 1) as the window makes it, with
// sample k at `start` UTC plus 2k minutes and CR LF written as a line feed.
std::string PassesText(const TrackerState& state, int sat, const CivilTime& start);

}  // namespace rdz
