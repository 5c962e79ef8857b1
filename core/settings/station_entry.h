#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/atomic_file.h"

namespace rdz {

// An angle as a user types it: decimal degrees ("46.5", "-8.25") or degrees
// and minutes ("46 30", "46°30.5'", "8 27 W", "N46 30"); a hemisphere letter
// (N/S for a latitude, E/W for a longitude, any case) stands for the sign.
// Nothing for any other text, minutes of 60 or more, or a sign and a letter.
std::optional<double> ParseAngle(std::string_view text, bool latitude);

// The station dialog's fields as typed.
struct StationFields {
  std::string locator, latitude, longitude, height, name;
};

// The station to write: LA, LO, HT, LOCATOR and STATION.
struct StationEntry {
  double latitude = 0, longitude = 0, height = 0;
  std::string locator;  // upper case
  std::string name;     // one line, blanks trimmed; empty: no STATION line
};

// The fields checked one by one: each refused field gets its message, and
// the entry is there only when none was. An empty latitude and longitude
// take the locator's centre; an empty locator is that of the position (6
// characters); a position outside the locator's square is refused.
struct StationCheck {
  std::optional<StationEntry> entry;
  std::string locator, latitude, longitude, height;  // empty: accepted
};
StationCheck CheckStation(const StationFields& fields);

// config.txt with the entry's station lines, every other line kept byte for
// byte; and the file rewritten that way, atomically.
std::string WithStation(std::string_view bytes, const StationEntry& entry);
WriteOutcome SaveStation(const std::filesystem::path& programDir, const StationEntry& entry);

}  // namespace rdz
