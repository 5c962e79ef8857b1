#pragma once
#include <array>

#include "core/orbit/engine.h"
#include "core/orbit/look_angles.h"

namespace rdz::sgp4 {

using Vec3 = std::array<double, 3>;

// Earth-fixed (pseudo Earth-fixed: polar motion left out) state.
struct EarthFixed {
  Vec3 position{};  // km
  Vec3 velocity{};  // km/s, relative to the rotating Earth
};

// From the TEME frame to Earth-fixed axes by the Greenwich mean sidereal time (radians).
EarthFixed TemeToEarthFixed(const Vec3& position, const Vec3& velocity, double gmst);

struct Geodetic {
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, -180..180, east positive
  double height = 0;     // km above the WGS-84 ellipsoid
};

// Geodetic coordinates of an Earth-fixed position on the WGS-84 ellipsoid.
Geodetic ToGeodetic(const Vec3& position);

using rdz::LookAngles;

// Look angles from the station of an engine run (its up/east/north axes and position).
LookAngles LookFrom(const EngineContext& station, const EarthFixed& satellite);

}  // namespace rdz::sgp4
