#include "core/orbit/body_look.h"

#include <cmath>

#include "core/orbit/astro_time.h"

namespace rdz {

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

double ApparentSiderealDegrees(double unixSeconds) {
  const Nutation n = NutationAt(CenturiesTt(unixSeconds));
  const double epsilon = (n.meanObliquity + n.obliquity) * kRad;
  return Revolution(MeanSiderealDegrees(unixSeconds) + n.longitude * std::cos(epsilon));
}

std::array<double, 3> EarthFixedPosition(const Equatorial& place, double unixSeconds) {
  const double hour = (place.rightAscension - ApparentSiderealDegrees(unixSeconds)) * kRad;
  const double dec = place.declination * kRad;
  const double r = place.distance;
  return {r * std::cos(dec) * std::cos(hour), r * std::cos(dec) * std::sin(hour), r * std::sin(dec)};
}

LookAngles BodyLook(SkyBody body, const EngineContext& station, double unixSeconds) {
  const std::array<double, 3> at = EarthFixedPosition(BodyPosition(body, unixSeconds), unixSeconds);
  const std::array<double, 3> d = {at[0] - station.StationPosition[0], at[1] - station.StationPosition[1],
                                   at[2] - station.StationPosition[2]};
  LookAngles look;
  look.range = std::sqrt(Dot(d, d));
  look.elevation = std::asin(Dot(d, station.Up) / look.range) / kRad;
  look.azimuth = Revolution(std::atan2(Dot(d, station.East), Dot(d, station.North)) / kRad);
  return look;
}

BodyState BodyStateAt(SkyBody body, const Observer& station, double unixSeconds) {
  const EngineContext engine = SetupEngine(station);
  BodyState s;
  s.look = BodyLook(body, engine, unixSeconds);
  s.look.rangeRate = BodyLook(body, engine, unixSeconds + 0.5).range - BodyLook(body, engine, unixSeconds - 0.5).range;
  const Equatorial place = BodyPosition(body, unixSeconds);
  s.subLatitude = place.declination;
  s.subLongitude = std::remainder(place.rightAscension - ApparentSiderealDegrees(unixSeconds), 360.0);
  return s;
}

}  // namespace rdz
