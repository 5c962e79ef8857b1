#pragma once
#include <string_view>

namespace rdz {

// Reads a number the forgiving way users' files need: leading blanks skipped,
// an optional sign, digits with "." as decimal point and an optional exponent;
// reading stops at the first character that cannot continue the number, so
// trailing units ("deg", "rev/day") are ignored. No number at all gives 0.
// A number too large for a double reads as an infinity of its sign.
double LenientNumber(std::string_view text);

}  // namespace rdz
