#pragma once
#include <string>

#include "core/orbit/observer.h"

namespace rdz {

inline constexpr const char* kPersonalDataTitle = "VelkTrack - Load LON/LAT/HIG";

// The four CR LF joined lines of the "Check Personal data" box.
std::string PersonalDataText(const Observer& station);

}  // namespace rdz
