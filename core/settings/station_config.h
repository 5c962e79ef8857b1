#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/locator.h"
#include "core/orbit/observer.h"

namespace rdz {

// The keys of config lines besides the station, the devices and the
// satellites' own lines: "TEMPOSCANN = ", "KEPURL = ", "SATS = ", "AGEWARN = ",
// the group addresses ("GEOURL = " ...) and "TRANSPONDERURL = ", each at the
// very start of a line. The last line of a key wins; a key whose value is not
// a finite number, and an address left empty, count as absent there.
struct StationKeys {
  std::optional<std::int16_t> TEMPOSCANN{};  // rounded half to even, clamped into 16 bits
  std::optional<std::string> KEPURL{};       // blanks around it trimmed; never empty
  std::optional<std::string> SATS{};         // names or catalog numbers, comma-separated
  std::optional<double> AGEWARN{};           // days
  std::optional<std::string> GEOURL{}, GPSURL{}, MILURL{}, LEOURL{}, SHUTTLEURL{};
  std::optional<std::string> TRANSPONDERURL{};  // the transmitter list's address
  friend bool operator==(const StationKeys&, const StationKeys&) = default;
};

StationKeys ReadStationKeys(const std::vector<std::string>& lines);

// The station from its "LA = ", "LO = " and "HT = " lines and the pass horizon
// from "HORIZON = "; the last line of a key decides. A station key that is
// missing, not a number or out of range (latitude -90..90, longitude
// -180..360, height -500..9000 m), and a HORIZON outside -10..80, stays unset
// and gets a warning that names it. "LOCATOR = JN45FL" gives the centre of its
// square to LA and LO where the file has no line of theirs; a station outside
// the square is warned about, as is a LOCATOR that names no square.
// "STATION = " names the station.
struct StationReading {
  Observer station;
  std::optional<double> horizon;  // degrees
  std::optional<LocatorSquare> locator;
  std::string name;
  std::vector<std::string> warnings;
};
StationReading ReadStation(const std::vector<std::string>& lines);

}  // namespace rdz
