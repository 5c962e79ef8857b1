#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "config/observer.h"

namespace rdz {

inline constexpr const char* kConfigFileName = "config.txt";

// Applies the station keys ("LA = ", "LO = ", "HT = " and, when asked,
// "TEMPOSCANN = ") of config lines, and "KEPURL = " (the rest of the line, blanks
// trimmed) when kepUrl is given. The last line of a key wins; Observer fields
// whose key is absent keep their value. TEMPOSCANN is clamped into its range.
void ApplyStationLines(const std::vector<std::string>& lines, bool withScanInterval,
                       Observer& station, std::int16_t& tempoScann,
                       std::string* kepUrl = nullptr);

// Reads config.txt in the program directory and applies it as above.
// False, with nothing changed, when the file cannot be read.
bool LoadStationConfig(const std::filesystem::path& programDir, bool withScanInterval,
                       Observer& station, std::int16_t& tempoScann,
                       std::string* kepUrl = nullptr);

}  // namespace rdz
