#pragma once
#include <array>
#include <string_view>
#include <vector>

namespace rdz {

// The live table's columns, name first, in characters. A row text (or the
// header) of exactly their sum splits into its fields, so a window can set
// the columns apart; anything else (a failed row, "NO SAT", a value wider
// than its column) does not split and is shown as it is.
inline constexpr std::array<int, 11> kRowColumnWidths{9, 4, 4, 4, 6, 6, 4, 4, 4, 4, 7};

// The fields of `row` in column order, or nothing when it is not a full row.
std::vector<std::string_view> RowColumns(std::string_view row);

}  // namespace rdz
