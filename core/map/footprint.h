#pragma once
#include "core/orbit/geo.h"

namespace rdz {

// Earth central angle (degrees) from the sub-satellite point to the edge of
// the area that sees a satellite `heightKm` above the equatorial radius on
// its horizon: acos(R / (R + h)). 0 for a height at or below the surface.
double FootprintRadius(double heightKm);

// The footprint's edge as a closed polygon for an equirectangular map: the
// longitudes run on without jumping at the date line (they may pass +-180, so
// draw it once more shifted by 360 either way), and when the footprint holds
// a pole the polygon goes along that pole's edge of the map to close.
GeoLine FootprintOnMap(const GeoPoint& centre, double heightKm, int points = 90);

// Cuts a line of points with longitudes in [-180, 180] where it crosses the
// date line, adding the crossing point to both pieces.
std::vector<GeoLine> SplitAtDateLine(const GeoLine& line);

}  // namespace rdz
