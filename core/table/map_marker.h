#pragma once
#include <optional>
#include <string_view>

namespace rdz {

// The world map is equirectangular: longitude -180 at the left edge to +180
// at the right, latitude +90 at the top to -90 at the bottom.
inline constexpr int MapScale = 20;  // twips per degree
inline constexpr int kMapWidthTwips = 360 * MapScale;
inline constexpr int kMapHeightTwips = 180 * MapScale;

struct TwipsPoint {
  int left = 0;
  int top = 0;
  friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// The marker's top-left corner when the window opens: the map's centre.
inline constexpr TwipsPoint kMarkerAtLoad{180 * MapScale, 90 * MapScale};

// The top-left corner that puts the centre of a marker of the given size on
// the point (latitude and longitude texts in degrees, as the live table
// formats them). Points beyond the map are held at its edge. Nothing when
// either text holds no number, e.g. before the first live-table pass.
std::optional<TwipsPoint> MarkerOnPoint(std::string_view latitude, std::string_view longitude,
                                        int markerWidth, int markerHeight);

}  // namespace rdz
