#pragma once
#include <chrono>
#include <string>

#include "core/base/gps_position.h"

namespace rdz {

// The position gpsd at host:port reports within `limit`: latitude and
// longitude from a 2D fix, the height too from a 3D one, which is waited for
// a few seconds after the first 2D fix.
GpsReading ReadGpsd(const std::string& host, const std::string& port, std::chrono::milliseconds limit);

}  // namespace rdz
