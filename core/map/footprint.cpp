#include "core/map/footprint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/orbit/engine.h"

namespace rdz {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;

}  // namespace

double FootprintRadius(double heightKm) {
  if (!(heightKm > 0)) return 0;
  const double r = model::EarthRadius;
  return std::acos(r / (r + heightKm)) / kRad;
}

GeoLine FootprintOnMap(const GeoPoint& centre, double heightKm, int points) {
  const double rho = FootprintRadius(heightKm) * kRad;
  const double lat0 = centre.lat * kRad;
  const int n = std::max(points, 8);
  GeoLine out;
  out.reserve(static_cast<std::size_t>(n) + 3);
  for (int i = 0; i < n; ++i) {
    const double bearing = 2.0 * std::numbers::pi * i / n;
    const double sinLat =
        std::sin(lat0) * std::cos(rho) + std::cos(lat0) * std::sin(rho) * std::cos(bearing);
    const double lat = std::asin(std::clamp(sinLat, -1.0, 1.0));
    const double dlon = std::atan2(std::sin(bearing) * std::sin(rho) * std::cos(lat0),
                                   std::cos(rho) - std::sin(lat0) * sinLat);
    double lon = centre.lon + dlon / kRad;
    // Keep the outline continuous: each step moves less than half a turn.
    if (!out.empty()) {
      const double prev = out.back().lon;
      while (lon - prev > 180.0) lon -= 360.0;
      while (lon - prev < -180.0) lon += 360.0;
    }
    out.push_back({lat / kRad, lon});
  }
  // A pole inside the footprint: the outline has gone once round the Earth.
  const double turn = out.back().lon - out.front().lon;
  if (std::fabs(turn) > 180.0) {
    const double pole = centre.lat >= 0 ? 90.0 : -90.0;
    const double end = out.front().lon + (turn > 0 ? 360.0 : -360.0);
    out.push_back({out.front().lat, end});
    out.push_back({pole, end});
    out.push_back({pole, out.front().lon});
  }
  return out;
}

std::vector<GeoLine> SplitAtDateLine(const GeoLine& line) {
  std::vector<GeoLine> pieces;
  if (line.empty()) return pieces;
  pieces.push_back({line.front()});
  for (std::size_t i = 1; i < line.size(); ++i) {
    const GeoPoint& a = line[i - 1];
    const GeoPoint& b = line[i];
    const double step = b.lon - a.lon;
    if (std::fabs(step) > 180.0) {
      // Crossing eastward (a near +180, b near -180) or westward.
      const double edge = step < 0 ? 180.0 : -180.0;
      const double bUnwrapped = b.lon + (step < 0 ? 360.0 : -360.0);
      const double f = (edge - a.lon) / (bUnwrapped - a.lon);
      const double lat = a.lat + f * (b.lat - a.lat);
      pieces.back().push_back({lat, edge});
      pieces.push_back({{lat, -edge}});
    }
    pieces.back().push_back(b);
  }
  return pieces;
}

}  // namespace rdz
