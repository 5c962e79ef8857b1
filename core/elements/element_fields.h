#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace rdz {

// Strict readers for the fields of TLE and OMM files: blanks around the text are
// allowed, anything else that is not part of the number makes the field unreadable.
std::optional<double> ReadDecimal(std::string_view text);

// A catalog number of 1 to 9 digits.
std::optional<std::uint32_t> ReadCatalogNumber(std::string_view text);

std::string_view TrimField(std::string_view text);

}  // namespace rdz
