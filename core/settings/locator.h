#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rdz {

// A Maidenhead square: field (20 x 10 degrees), square (2 x 1), subsquare
// (5' x 2.5') and extended square (30" x 15"), by how many characters name it.
struct LocatorSquare {
  std::string name;   // upper case, 4, 6 or 8 characters
  double south = 0;   // degrees, the square's lower edges
  double west = 0;
  double height = 0;  // degrees of latitude
  double width = 0;   // degrees of longitude
  double CentreLatitude() const { return south + height / 2; }
  double CentreLongitude() const { return west + width / 2; }
  // Edges included; a longitude is taken modulo 360.
  bool Contains(double latitude, double longitude) const;
};

// "JN45", "jn45fl", "JN45FL27"; nothing for any other text (blanks around it
// are allowed).
std::optional<LocatorSquare> ParseLocator(std::string_view text);

// The locator of `length` characters (4, 6 or 8) of a point; latitude within
// -90..90, any longitude (taken modulo 360). The poles and the antimeridian
// fall in the last square of their row.
std::string LocatorOf(double latitude, double longitude, int length = 6);

}  // namespace rdz
