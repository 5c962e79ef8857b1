#pragma once
#include <string>

#include "core/radio/transponder.h"

namespace rdz {

// What a transponder asks of the radio besides frequencies: the receive
// VFO's mode, the transmit VFO's mode (empty without an uplink) and the CTCSS
// tone in tenths of a hertz (0: none). Mode names are upper case, as Hamlib
// spells them.
struct RigModes {
  std::string receive, transmit;
  int toneTenths = 0;
  friend bool operator==(const RigModes&, const RigModes&) = default;
};

// The uplink's mode is UPMODE's; else the opposite sideband on an inverting
// SSB or CW transponder (USB goes up as LSB), else the downlink's.
RigModes ModesFor(const Transponder& t);

// "67.0" (Hz) for 670.
std::string ToneText(int tenthsHz);

}  // namespace rdz
