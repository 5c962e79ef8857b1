#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/radio/transponder.h"

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

// A link as DOWN(...) and UP(...) give it, in MHz: "145.925-145.975", "145.97";
// empty without the link.
std::string BandText(const std::optional<double>& low, const std::optional<double>& high);

// The config line for a transponder of satellite `trimmedName`, read back
// as the same transponder (its description as NAME, without "(config.txt)").
std::string TransponderLine(std::string_view trimmedName, const Transponder& t);

// The file's bytes with the satellite's transponder lines replaced by
// `transponders` (where the first one stood, else at the end) and every
// other line, its attitude lines too, kept byte for byte.
std::string WithTransponderLines(std::string_view bytes, std::string_view trimmedName,
                                 const std::vector<Transponder>& transponders);

}  // namespace rdz
