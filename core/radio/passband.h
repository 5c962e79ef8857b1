#pragma once
#include <optional>

#include "core/radio/transponder.h"

namespace rdz {

// Where a satellite-side downlink stands in a transponder's passband, and
// the uplink that matches it, for the radio row's bar.
struct PassbandPlace {
  double low = 0, high = 0;      // the downlink passband, Hz
  double downlink = 0;           // the position
  std::optional<double> uplink;  // satellite side
  bool single = false;           // one frequency: nothing to tune in
  bool inside = true;
  double fraction = 0.5;         // along the passband, 0 to 1 (held at the ends)
};

// Nothing for a transponder without a downlink.
std::optional<PassbandPlace> PlaceIn(const Transponder& t, double satelliteDownlink);

// A step of the wheel or an arrow key: 100 Hz, 10 Hz fine, 1 kHz coarse.
double TuningStep(bool fine, bool coarse);

}  // namespace rdz
