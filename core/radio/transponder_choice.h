#pragma once
#include <vector>

#include "core/radio/transponder.h"

namespace rdz {

// The transponders of the selected satellite and the one the operator works;
// the first is the default.
struct TransponderChoice {
  int satellite = 0;  // element table entry; 0 when none is selected
  std::vector<Transponder> transponders;
  int chosen = 0;
  const Transponder* Chosen() const {
    if (chosen < 0 || chosen >= static_cast<int>(transponders.size())) return nullptr;
    return &transponders[static_cast<std::size_t>(chosen)];
  }
};

}  // namespace rdz
