#pragma once
#include <array>

#include "core/orbit/observer.h"
#include "core/orbit/engine.h"
#include "core/orbit/look_angles.h"
#include "core/orbit/sun_moon.h"

namespace rdz {

// Apparent sidereal time at Greenwich, degrees 0..360.
double ApparentSiderealDegrees(double unixSeconds);

// A body's place in the Earth-fixed frame of the engine (x to Greenwich, z to
// the north pole), km.
std::array<double, 3> EarthFixedPosition(const Equatorial& place, double unixSeconds);

// The body seen from the engine's station: geometric (no refraction), the
// parallax included. rangeRate is left 0.
LookAngles BodyLook(SkyBody body, const EngineContext& station, double unixSeconds);

// What `state SUN` shows: the look angles with the range rate, and the point
// where the body stands overhead (latitude the declination, longitude -180..180).
struct BodyState {
  LookAngles look;
  double subLatitude = 0;
  double subLongitude = 0;
};
BodyState BodyStateAt(SkyBody body, const Observer& station, double unixSeconds);

}  // namespace rdz
