#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/element_set.h"

namespace rdz {

// Sets the satellite's antenna attitude to the default 0 / 180, then applies
// every config line that begins with its trimmed name ('AO-40 ALAT(0) ALON(210)'),
// in file order.
void ApplyAttitudeLines(const std::vector<std::string>& lines, std::string_view trimmedName,
                        ElementSet& sat);

// Reads config.txt in the program directory and applies it as above. A missing
// file leaves the default attitude and returns false.
bool LoadSatelliteAttitude(const std::filesystem::path& programDir, std::string_view trimmedName,
                           ElementSet& sat);

// Blanks removed from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace rdz
