#pragma once
#include <filesystem>
#include <string>

#include "orbit/tracker_state.h"
#include "platform/civil_time.h"

namespace rdz {

// The forecast text of satellite `sat` (from 1) as the window makes it, with
// sample k at `start` UTC plus 2k minutes and CR LF written as a line feed.
// `dir` is where the forecast reads config.txt again.
std::string PassesText(TrackerState& state, int sat, const std::filesystem::path& dir,
                       const CivilTime& start);

}  // namespace rdz
