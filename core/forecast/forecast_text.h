#pragma once
#include <string>

#include "core/orbit/sat_state.h"

namespace rdz {

// The pieces of the AOS/LOS list, each appended to the end of the box's text.
inline constexpr const char* kForecastCaption = "RodeDizevad - AOS LOS results";
inline constexpr const char* kForecastEndMarker = "\r\n\r\n--------  END  24h  --------\r\n";

// "AOS LOS next 24h [" + the name without its surrounding blanks + "]".
std::string ForecastTitle(const std::string& name);
// Two line breaks, the rule with the 7-character revolution field, a line break.
std::string PassHeader(double revolution);
// A line break, then date, time, azimuth, elevation and phase with their tabs.
std::string SampleLine(const std::string& date, const std::string& time, const SatState& s);

}  // namespace rdz
