#pragma once
#include <optional>
#include <string>

#include "core/elements/element_table.h"

namespace rdz {

// The element set of the satellite in table row `row` (0-based) as the element
// box shows it: name untrimmed, "nr. " and the number, one labelled value per
// line, CR LF line ends. Nothing when the row lies beyond the table.
std::optional<std::string> SatelliteElementsText(const ElementTable& table, int row);

// A number in its shortest form with up to 15 significant digits: no trailing
// zeros, an exponent for very small or very large values ("1.5e-05").
std::string GeneralNumberText(double value);

}  // namespace rdz
