#pragma once
#include <cstdint>
#include <string>

#include "core/load/tracker_state.h"

namespace rdz {

// Who a table entry is, whatever row it stands in: its catalog number where
// the file gives one, and its trimmed name.
struct SatelliteId {
  std::uint32_t catalog = 0;  // 0: the file gives none
  std::string name;
};

SatelliteId IdentityOf(const ElementSet& sat);
// The same satellite: equal catalog numbers when both have one, else equal names.
bool SameSatellite(const SatelliteId& a, const SatelliteId& b);

// The satellite shown in row `option` (0..59) of the live table: its entry
// number from 1, or 0 when the row holds none (tracker off, an empty row).
int SatelliteOfRow(const TrackerState& state, int option);
// The entry of the live table's rows that holds `id`, or 0 when none does.
int RowEntryOf(const TrackerState& state, const SatelliteId& id);

}  // namespace rdz
