#include "core/load/sats_adding.h"

#include <algorithm>

#include "core/load/element_loader.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

std::string NameInSats(const ElementSet& sat, const std::string& fullName) {
  if (sat.CatalogNumber != 0) return std::to_string(sat.CatalogNumber);
  return fullName.find(',') == std::string::npos ? fullName : std::string();
}

}  // namespace

SatsChange SatsAdding(std::string_view sats, const ElementTable& table, int count,
                      std::uint32_t catalog, const std::string& fullName) {
  ElementSet sat;
  sat.CatalogNumber = catalog;
  sat.Name = fullName;
  const std::string item = NameInSats(sat, std::string(TrimBlanks(fullName)));
  if (item.empty()) return {"", fullName + " has neither a catalog number nor a name SATS can hold"};
  std::vector<std::string> selection = SplitSats(sats);
  if (!selection.empty() && SatsSelects(selection, sat, fullName)) return {std::string(sats), ""};
  const int entries = std::clamp(count, 0, ElementTable::kOrbitalCapacity);
  if (entries >= ElementTable::kOrbitalCapacity) {
    return {"", "The table is full (" + std::to_string(ElementTable::kOrbitalCapacity) +
                    " sets): take one out of SATS first"};
  }
  if (selection.empty()) {
    for (int k = 1; k <= entries; ++k) {
      const std::string name = NameInSats(table[k], std::string(TrimBlanks(table[k].Name)));
      if (name.empty()) return {"", "The table's " + std::string(TrimBlanks(table[k].Name)) + " cannot be named in SATS"};
      selection.push_back(name);
    }
  }
  selection.push_back(item);
  std::string value;
  for (const std::string& s : selection) value += (value.empty() ? "" : ", ") + s;
  return {value, ""};
}

}  // namespace rdz
