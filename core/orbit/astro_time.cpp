#include "core/orbit/astro_time.h"

#include <cmath>

namespace rdz {

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

}  // namespace

double Revolution(double degrees) {
  const double r = std::fmod(degrees, 360.0);
  return r < 0 ? r + 360.0 : r;
}

double JulianDay(double unixSeconds) { return kUnixEpochJd + unixSeconds / 86400.0; }

double DeltaT(double y) {
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double CenturiesTt(double unixSeconds) {
  const double jd = JulianDay(unixSeconds);
  const double year = 2000 + (jd - kJ2000) / 365.25;
  return (jd + DeltaT(year) / 86400.0 - kJ2000) / 36525.0;
}

double MeanSiderealDegrees(double unixSeconds) {
  const double d = JulianDay(unixSeconds) - kJ2000;
  const double t = d / 36525.0;
  return Revolution(280.46061837 + 360.98564736629 * d + t * t * (0.000387933 - t / 38710000.0));
}

Nutation NutationAt(double t) {
  const double node = (125.04452 - 1934.136261 * t) * kRad;
  const double sun = (280.4665 + 36000.7698 * t) * kRad;
  const double moon = (218.3165 + 481267.8813 * t) * kRad;
  Nutation n;
  n.longitude = (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
                 0.21 * std::sin(2 * node)) / 3600.0;
  n.obliquity = (9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) + 0.10 * std::cos(2 * moon) -
                 0.09 * std::cos(2 * node)) / 3600.0;
  n.meanObliquity = 23.4392911111 + t * (-46.8150 + t * (-0.00059 + t * 0.001813)) / 3600.0;
  return n;
}

}  // namespace rdz
