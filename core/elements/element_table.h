#pragma once
#include <array>
#include <cassert>

#include "core/elements/element_set.h"

namespace rdz {

// Satellites numbered from 1 in file order. The loader stores orbital
// elements for entries 1..kOrbitalCapacity; names and attitudes have room for
// entries up to kNameCapacity (a chosen row may lie beyond the loaded ones).
class ElementTable {
 public:
  static constexpr int kOrbitalCapacity = 80;
  static constexpr int kNameCapacity = 100;

  ElementSet& operator[](int k) {
    assert(k >= 1 && k <= kNameCapacity);
    return entries_[static_cast<std::size_t>(k - 1)];
  }
  const ElementSet& operator[](int k) const {
    assert(k >= 1 && k <= kNameCapacity);
    return entries_[static_cast<std::size_t>(k - 1)];
  }

 private:
  std::array<ElementSet, kNameCapacity> entries_{};
};

}  // namespace rdz
