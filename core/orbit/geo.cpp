#include "core/orbit/geo.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rdz {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;

}  // namespace

double CentralAngle(const GeoPoint& a, const GeoPoint& b) {
  const double c = std::sin(a.lat * kRad) * std::sin(b.lat * kRad) +
                   std::cos(a.lat * kRad) * std::cos(b.lat * kRad) * std::cos((b.lon - a.lon) * kRad);
  return std::acos(std::clamp(c, -1.0, 1.0)) / kRad;
}

double WrapLongitude(double lon) {
  double w = std::fmod(lon + 180.0, 360.0);
  if (w < 0) w += 360.0;
  return w - 180.0;
}

}  // namespace rdz
