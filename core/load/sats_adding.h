#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/elements/element_table.h"

namespace rdz {

// The SATS value that puts one more set of the element file into the table:
// the selection with the set's catalog number (its name when it has none),
// or, where SATS is empty (the file's first sets), the table's sets and it.
// `value` empty and `why` saying so when the table is full or the set cannot
// be named in SATS.
struct SatsChange {
  std::string value;
  std::string why;
};
SatsChange SatsAdding(std::string_view sats, const ElementTable& table, int count,
                      std::uint32_t catalog, const std::string& fullName);

}  // namespace rdz
