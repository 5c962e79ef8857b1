#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/observer.h"

namespace rdz {

// The station keys of config lines: "LA = ", "LO = ", "HT = ", "TEMPOSCANN = "
// "KEPURL = ", "SATS = ", "AGEWARN = " the group addresses ("GEOURL = " ...) and "TRANSPONDERURL = ", each at the very start of a line. The last line of a key
// wins; a key whose value is not a finite number, and a KEPURL without an
// address, count as absent there.
struct StationKeys {
  std::optional<double> LA{};
  std::optional<double> LO{};
  std::optional<double> HT{};
  std::optional<std::int16_t> TEMPOSCANN{};  // rounded half to even, clamped into 16 bits
  std::optional<std::string> KEPURL{};       // blanks around it trimmed; never empty
  std::optional<std::string> SATS{};         // names or catalog numbers, comma-separated
  std::optional<double> AGEWARN{};           // days
  std::optional<std::string> GEOURL{}, GPSURL{}, MILURL{}, LEOURL{}, SHUTTLEURL{};
  std::optional<std::string> TRANSPONDERURL{};  // the transmitter list's address
  friend bool operator==(const StationKeys&, const StationKeys&) = default;
};

StationKeys ReadStationKeys(const std::vector<std::string>& lines);

// The station record with the fields the keys give replaced; the others stay.
Observer WithStationKeys(Observer station, const StationKeys& keys);

// config.txt in the program directory read as above. Nothing when it cannot
// be read; `reason` then says why.
std::optional<StationKeys> ReadStationConfig(const std::filesystem::path& programDir,
                                             std::string* reason = nullptr);

}  // namespace rdz
