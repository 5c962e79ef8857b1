#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace rdz {

// Reads a number the forgiving way users' files need: leading blanks skipped,
// an optional sign, digits with "." as decimal point and an optional exponent;
// reading stops at the first character that cannot continue the number, so
// trailing units ("deg", "rev/day") are ignored. No number at all gives 0.
// A number too large for a double reads as an infinity of its sign.
double LenientNumber(std::string_view text);

// The number at the start of the text, read the same way, and the index just
// past it; nothing when the text does not begin with a number ("StBy", "AZ").
struct LeadingNumber {
  double value;
  std::size_t end;
};
std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text);

// A text that is one finite number as a whole, blanks around it allowed.
std::optional<double> WholeNumber(std::string_view text);

}  // namespace rdz
