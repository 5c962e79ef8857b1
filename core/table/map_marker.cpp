#include "core/table/map_marker.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/base/lenient_number.h"

namespace rdz {
namespace {

// The lenient reader gives 0 for text without a number; here that must not
// send the marker to 0, 0.
std::optional<double> Degrees(std::string_view text) {
  const bool hasDigit = std::any_of(text.begin(), text.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
  if (!hasDigit) return std::nullopt;
  const double value = LenientNumber(text);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<TwipsPoint> MarkerOnPoint(std::string_view latitude, std::string_view longitude,
                                        int markerWidth, int markerHeight) {
  const std::optional<double> lat = Degrees(latitude);
  const std::optional<double> lon = Degrees(longitude);
  if (!lat || !lon) return std::nullopt;
  const double x = (std::clamp(*lon, -180.0, 180.0) + 180.0) * MapScale - markerWidth / 2.0;
  const double y = (90.0 - std::clamp(*lat, -90.0, 90.0)) * MapScale - markerHeight / 2.0;
  // Both stay within the map's few thousand twips, so the conversion is safe.
  return TwipsPoint{static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y))};
}

}  // namespace rdz
