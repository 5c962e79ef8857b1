#pragma once
#include <array>
#include <limits>

namespace rdz {

// Where a satellite stands for the station at one instant, unrounded.
struct LookAngles {
  double azimuth = 0;    // degrees, 0..360 from north through east
  double elevation = 0;  // degrees
  double range = 0;      // km
  double rangeRate = 0;  // km/s, positive when moving away
  // The satellite on the Earth-fixed axes of the station's geometry, for
  // searches that reason about its orbit; zero where a model does not give it.
  std::array<double, 3> position{};  // km
  std::array<double, 3> velocity{};  // km/s, relative to the turning Earth
  // Degrees per second; NaN where a model does not give it.
  double elevationRate = std::numeric_limits<double>::quiet_NaN();
};

// Bounds that hold for an orbit over a span of time. With them a pass search
// steps over the stretches where the satellite cannot reach the horizon.
struct OrbitLimits {
  double stationRadius = 0;   // km from the Earth's centre
  double minRadius = 0;       // satellite, km from the Earth's centre
  double maxRadius = 0;
  double maxAngularRate = 0;  // radians per second about the Earth's centre,
                              // the station's own turning included
  std::array<double, 3> station{};  // km, on the axes of LookAngles::position
  // The unit vector whose dot product with the line of sight has the sign of
  // the elevation; zero where a model's elevation is not defined by one.
  std::array<double, 3> up{};
};

}  // namespace rdz
