#include <cctype>
#include <cmath>
#include <string>

#include "core/orbit/astro_time.h"
#include "core/orbit/sun_moon.h"

namespace rdz {

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;
constexpr double kAstronomicalUnit = 149597870.7;  // km
constexpr double kMoonShare = 1 / 82.30057;        // Moon mass / (Earth + Moon)

}  // namespace

const char* BodyName(SkyBody body) { return body == SkyBody::Sun ? "Sun" : "Moon"; }

std::optional<SkyBody> BodyNamed(std::string_view word) {
  std::string upper;
  for (const char c : word) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "SUN") return SkyBody::Sun;
  if (upper == "MOON") return SkyBody::Moon;
  return std::nullopt;
}

Equatorial SunPosition(double unixSeconds) {
  const double t = CenturiesTt(unixSeconds);
  const double meanLongitude = 280.46646 + t * (36000.76983 + t * 0.0003032);
  const double m = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kRad;
  const double e = 0.016708634 - t * (0.000042037 + t * 0.0000001267);
  const double centre = (1.914602 - t * (0.004817 + t * 0.000014)) * std::sin(m) +
                        (0.019993 - t * 0.000101) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  const double trueAnomaly = m + centre * kRad;
  const double radius = 1.000001018 * (1 - e * e) / (1 + e * std::cos(trueAnomaly));
  // Nutation and aberration folded into the longitude, as the theory gives them.
  const double node = (125.04 - 1934.136 * t) * kRad;
  const double lambda = (meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node)) * kRad;
  const double epsilon = (NutationAt(t).meanObliquity + 0.00256 * std::cos(node)) * kRad;
  // The theory follows the Earth-Moon barycentre; the Earth's centre swings
  // about it by 1/82.3 of the Moon's distance (up to 6").
  const double r = radius * kAstronomicalUnit;
  const Equatorial moon = MoonPosition(unixSeconds);
  const double ma = moon.rightAscension * kRad, md = moon.declination * kRad;
  const double x = r * std::cos(lambda) + kMoonShare * moon.distance * std::cos(md) * std::cos(ma);
  const double y = r * std::cos(epsilon) * std::sin(lambda) + kMoonShare * moon.distance * std::cos(md) * std::sin(ma);
  const double z = r * std::sin(epsilon) * std::sin(lambda) + kMoonShare * moon.distance * std::sin(md);
  Equatorial p;
  p.rightAscension = Revolution(std::atan2(y, x) / kRad);
  p.distance = std::sqrt(x * x + y * y + z * z);
  p.declination = std::asin(z / p.distance) / kRad;
  return p;
}

Equatorial BodyPosition(SkyBody body, double unixSeconds) {
  return body == SkyBody::Sun ? SunPosition(unixSeconds) : MoonPosition(unixSeconds);
}

}  // namespace rdz
