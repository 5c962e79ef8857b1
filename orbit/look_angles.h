#pragma once

namespace rdz {

// Where a satellite stands for the station at one instant, unrounded.
struct LookAngles {
  double azimuth = 0;    // degrees, 0..360 from north through east
  double elevation = 0;  // degrees
  double range = 0;      // km
  double rangeRate = 0;  // km/s, positive when moving away
};

// Bounds that hold for an orbit over a span of time. With them a pass search
// steps over the stretches where the satellite cannot reach the horizon.
struct OrbitLimits {
  double stationRadius = 0;   // km from the Earth's centre
  double minRadius = 0;       // satellite, km from the Earth's centre
  double maxRadius = 0;
  double maxAngularRate = 0;  // radians per second about the Earth's centre,
                              // the station's own turning included
};

}  // namespace rdz
