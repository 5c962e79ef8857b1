#pragma once
#include <string>

#include "core/orbit/horizon_mask.h"

namespace rdz {

// The mechanical range of the rotor's azimuth, in compass degrees. 0-450 has
// an overlap of 90 degrees past north; -180-180 has its stop in the south.
enum class AzimuthRange { From0To360, From180To180, From0To450 };

// How a Hamlib rotor is driven: its limits, the pace of commands and what it
// does between passes. Defaults are those of a plain az/el rotor.
struct RotorSettings {
  AzimuthRange azimuthRange = AzimuthRange::From0To360;
  double maxElevation = 90;   // 90, or 180 for a rotor that can flip
  double minChange = 2;       // degrees a position must move before it is sent
  double intervalSeconds = 1; // between two looks at the satellite
  double minElevation = 0;    // the satellite counts as up from this
  double parkAzimuth = 0;
  double parkElevation = 0;
  double waitMinutes = 5;     // wait at the AOS azimuth this long before a rise
  bool parkAfterLos = false;
  HorizonMask horizon{};      // the station's, from config.txt: up only above it too
  friend bool operator==(const RotorSettings&, const RotorSettings&) = default;
};

// The lowest and highest azimuth the rotor can be sent to.
struct AzimuthLimits {
  double low, high;
};
AzimuthLimits LimitsOf(AzimuthRange range);

}  // namespace rdz
