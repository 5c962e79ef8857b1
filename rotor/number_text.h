#pragma once
#include <optional>
#include <string_view>

namespace rdz {

// A text that is one number as a whole (blanks around it allowed): optional
// sign, digits with '.' as decimal point, optional exponent. Anything else,
// or a value too large for a double, is no number.
std::optional<double> WholeNumber(std::string_view text);

// Whether the text begins with a number as the lenient number reader finds
// one ("0", "12 deg"), as opposed to a status word ("StBy", "PARK", "AZ").
bool StartsWithNumber(std::string_view text);

}  // namespace rdz
