#pragma once
#include <string>

#include "core/elements/element_set.h"

namespace rdz {

// Why a set's elements describe no orbit the table can show, e.g. "epoch day
// outside 1..366"; empty when they can. Such a set keeps its row, marked as
// failed, and is never propagated.
std::string ElementFault(const ElementSet& sat);

}  // namespace rdz
