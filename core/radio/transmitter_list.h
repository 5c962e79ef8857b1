#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/radio/transponder.h"

namespace rdz {

inline constexpr const char* kTransmitterFileName = "transmitters.json";

// One transmitter or transponder of the list and the satellite it belongs to.
struct ListedTransponder {
  std::uint32_t catalogNumber = 0;
  Transponder transponder;
};

struct TransmitterList {
  std::vector<ListedTransponder> entries;  // in file order
  int dead = 0;       // entries marked as no longer alive
  int malformed = 0;  // entries without a catalog number or a usable frequency
};

// A transmitter list as the SatNOGS DB serves it: an array of flat objects
// with description, norad_cat_id, uplink_low/high, downlink_low/high (Hz, null
// where the link is missing), mode, invert and alive. Entries that are dead or
// malformed are skipped and counted; the rest still count. Text that breaks
// off keeps the entries before the break.
TransmitterList ReadTransmitterList(std::string_view text);

// The list in the program directory; nothing when the file cannot be read.
std::optional<TransmitterList> ReadTransmitterFile(const std::filesystem::path& programDir);

// A satellite's transponders: its config lines first, then the list's entries
// of its catalog number, leaving out those whose downlink a config line
// already gives (within 10 kHz of its middle: the user's own line wins).
std::vector<Transponder> TranspondersFor(const std::vector<std::string>& configLines,
                                         const TransmitterList& list, std::string_view trimmedName,
                                         std::uint32_t catalogNumber);

}  // namespace rdz
