#include "core/orbit/sgp4_frames.h"

#include <cmath>
#include <numbers>

namespace rdz::sgp4 {
namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;
constexpr double kEarthRotation = 7.29211514670698e-5;  // radians per second
constexpr double kWgs84A = 6378.137;
constexpr double kWgs84F = 1.0 / 298.257223563;
constexpr double kWgs84E2 = kWgs84F * (2.0 - kWgs84F);

double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

}  // namespace

EarthFixed TemeToEarthFixed(const Vec3& r, const Vec3& v, double gmst) {
  const double c = std::cos(gmst), s = std::sin(gmst);
  EarthFixed out;
  out.position = {c * r[0] + s * r[1], -s * r[0] + c * r[1], r[2]};
  // Subtract the frame's rotation: v - w x r with w along z.
  out.velocity = {c * v[0] + s * v[1] + kEarthRotation * out.position[1],
                  -s * v[0] + c * v[1] - kEarthRotation * out.position[0], v[2]};
  return out;
}

Geodetic ToGeodetic(const Vec3& r) {
  // Bowring's closed form: one step from the parametric latitude is already far
  // below a millimetre for anything from the ground to geostationary height.
  constexpr double b = kWgs84A * (1.0 - kWgs84F);
  constexpr double ep2 = kWgs84E2 / (1.0 - kWgs84E2);
  const double p = std::sqrt(r[0] * r[0] + r[1] * r[1]);
  Geodetic g;
  g.longitude = std::atan2(r[1], r[0]) * kDeg;
  const double ua = r[2] * kWgs84A, ub = p * b;
  const double un = std::sqrt(ua * ua + ub * ub);
  const double su = un > 0.0 ? ua / un : 1.0, cu = un > 0.0 ? ub / un : 0.0;
  const double y = r[2] + ep2 * b * su * su * su;
  const double x = p - kWgs84E2 * kWgs84A * cu * cu * cu;
  const double d = std::sqrt(x * x + y * y);
  const double s = y / d, c = x / d;
  g.latitude = std::atan2(y, x) * kDeg;
  g.height = p * c + r[2] * s - kWgs84A * std::sqrt(1.0 - kWgs84E2 * s * s);
  return g;
}

LookAngles LookFrom(const EngineContext& station, const EarthFixed& sat) {
  const Vec3 rho = {sat.position[0] - station.StationPosition[0],
                    sat.position[1] - station.StationPosition[1],
                    sat.position[2] - station.StationPosition[2]};
  LookAngles look;
  look.range = std::sqrt(Dot(rho, rho));
  const double up = Dot(rho, station.Up);
  const double east = Dot(rho, station.East);
  const double north = Dot(rho, station.North);
  look.azimuth = std::atan2(east, north) * kDeg;
  if (look.azimuth < 0.0) look.azimuth += 360.0;
  const double horizontal = std::sqrt(east * east + north * north);
  look.elevation = std::atan2(up, horizontal) * kDeg;
  look.rangeRate = look.range > 0.0 ? Dot(rho, sat.velocity) / look.range : 0.0;
  // sin(el) = up / range, differentiated.
  look.elevationRate = horizontal > 0.0 ? (Dot(sat.velocity, station.Up) - up / look.range * look.rangeRate) /
                                              horizontal * kDeg
                                        : 0.0;
  look.position = sat.position;
  look.velocity = sat.velocity;
  return look;
}

}  // namespace rdz::sgp4
