#include "core/table/row_columns.h"

#include <numeric>

namespace rdz {

std::vector<std::string_view> RowColumns(std::string_view row) {
  constexpr std::size_t kRowLength =
      static_cast<std::size_t>(std::accumulate(kRowColumnWidths.begin(), kRowColumnWidths.end(), 0));
  if (row.size() != kRowLength) return {};
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  for (const int width : kRowColumnWidths) {
    fields.push_back(row.substr(at, static_cast<std::size_t>(width)));
    at += static_cast<std::size_t>(width);
  }
  return fields;
}

}  // namespace rdz
