#pragma once
#include <functional>
#include <optional>
#include <string>

namespace rdz {

struct GpsFix {
  double latitude = 0, longitude = 0;  // degrees, north and east positive
  std::optional<double> height;        // metres above sea level, with a 3D fix
};

// A fix, or the few words why there is none.
struct GpsReading {
  std::optional<GpsFix> fix;
  std::string reason;
};

// Asks the GPS receiver for the station's position. It may take seconds:
// never called on the user-interface thread.
using GpsSource = std::function<GpsReading()>;

}  // namespace rdz
