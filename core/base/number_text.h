#pragma once
#include <string>

namespace rdz {

// The shortest plain decimal text that reads back as the same value:
// 46.5, 8.95, 420, -0.0001 (never an exponent, never trailing zeros).
std::string ShortestDecimalText(double value);

// Prepends blanks until the text is `width` characters long; longer text is kept whole.
std::string RightAlign(const std::string& text, std::size_t width);

}  // namespace rdz
