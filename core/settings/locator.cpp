#include "core/settings/locator.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace rdz {

namespace {

// Each pair of characters: how many steps it counts and its first character.
struct Pair {
  int steps;
  char first;
};
constexpr Pair kPairs[] = {{18, 'A'}, {10, '0'}, {24, 'A'}, {10, '0'}};
constexpr double kFieldWidth = 20, kFieldHeight = 10;

double Wrapped(double longitude) {
  const double l = std::fmod(longitude + 180.0, 360.0);
  return (l < 0 ? l + 360.0 : l) - 180.0;
}

}  // namespace

bool LocatorSquare::Contains(double latitude, double longitude) const {
  double lon = Wrapped(longitude);
  // A square on the antimeridian's west side owns +180.
  if (lon < west) lon += 360;
  return latitude >= south && latitude <= south + height && lon >= west && lon <= west + width;
}

std::optional<LocatorSquare> ParseLocator(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.size() != 4 && text.size() != 6 && text.size() != 8) return std::nullopt;
  LocatorSquare square;
  square.west = -180;
  square.south = -90;
  square.width = kFieldWidth * kPairs[0].steps;
  square.height = kFieldHeight * kPairs[0].steps;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const Pair& p = kPairs[i / 2];
    square.width /= p.steps;
    square.height /= p.steps;
    int along[2];
    for (int k = 0; k < 2; ++k) {
      const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + k])));
      along[k] = c - p.first;
      if (along[k] < 0 || along[k] >= p.steps) return std::nullopt;
      square.name += c;
    }
    square.west += along[0] * square.width;
    square.south += along[1] * square.height;
  }
  return square;
}

std::string LocatorOf(double latitude, double longitude, int length) {
  double lon = Wrapped(longitude) + 180.0;
  double lat = std::clamp(latitude, -90.0, 90.0) + 90.0;
  double width = kFieldWidth * kPairs[0].steps, height = kFieldHeight * kPairs[0].steps;
  std::string name;
  for (int i = 0; i < length / 2 && i < 4; ++i) {
    const Pair& p = kPairs[i];
    width /= p.steps;
    height /= p.steps;
    const int x = std::clamp(static_cast<int>(std::floor(lon / width)), 0, p.steps - 1);
    const int y = std::clamp(static_cast<int>(std::floor(lat / height)), 0, p.steps - 1);
    name += static_cast<char>(p.first + x);
    name += static_cast<char>(p.first + y);
    lon -= x * width;
    lat -= y * height;
  }
  return name;
}

}  // namespace rdz
