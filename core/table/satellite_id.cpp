#include "core/table/satellite_id.h"

#include <algorithm>

#include "core/table/live_table.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

// The rows that show a satellite: loaded, computed and on screen.
int ShownRows(const TrackerState& state) {
  return std::min({state.SatCount, static_cast<int>(state.Models.size()), kTableRows});
}

}  // namespace

SatelliteId IdentityOf(const ElementSet& sat) {
  return {sat.CatalogNumber, std::string(TrimBlanks(sat.Name))};
}

bool SameSatellite(const SatelliteId& a, const SatelliteId& b) {
  if (a.catalog != 0 && b.catalog != 0) return a.catalog == b.catalog;
  return a.name == b.name;
}

int SatelliteOfRow(const TrackerState& state, int option) {
  return option >= 0 && option < ShownRows(state) ? option + 1 : 0;
}

int RowEntryOf(const TrackerState& state, const SatelliteId& id) {
  for (int k = 1; k <= ShownRows(state); ++k) {
    if (SameSatellite(IdentityOf(state.Elements[k]), id)) return k;
  }
  return 0;
}

}  // namespace rdz
