#pragma once
#include <vector>

namespace rdz {

// A point on the Earth in degrees: latitude north positive, longitude east
// positive. Longitudes may run past +-180 where a shape is kept continuous.
struct GeoPoint {
  double lat = 0;
  double lon = 0;
  friend bool operator==(const GeoPoint&, const GeoPoint&) = default;
};

using GeoLine = std::vector<GeoPoint>;

// Angle at the Earth's centre between two points, degrees.
double CentralAngle(const GeoPoint& a, const GeoPoint& b);

// Longitude brought into [-180, 180).
double WrapLongitude(double lon);

}  // namespace rdz
