#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "radio/transponder.h"

namespace rdz {

// The transponders that config lines give a satellite, in file order:
//   'AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT'
// frequencies in MHz, a passband as 'DOWN(145.925-145.975)'; NAME(text) names
// it, UPMODE(LSB) gives the uplink's own mode and TONE(67.0) its CTCSS tone in Hz. A line belongs to
// the satellite when it begins with the trimmed name and a blank, so 'AO-7'
// does not take the lines of 'AO-73'. A line without any usable key (an
// attitude line, say) gives no transponder; a frequency that is not a positive
// finite number is left out.
std::vector<Transponder> ConfiguredTransponders(const std::vector<std::string>& lines,
                                                std::string_view trimmedName);

}  // namespace rdz
