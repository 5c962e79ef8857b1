#pragma once
#include "platform/rig.h"

namespace rdz {

// How the radio is driven: which VFO receives the downlink and which sends
// the uplink, and how far a frequency may drift before it is set again.
struct RigSettings {
  RigVfo receive = RigVfo::Current;
  RigVfo transmit = RigVfo::B;
  double thresholdSsb = 20;  // Hz, SSB, CW and every mode that is not FM
  double thresholdFm = 350;  // Hz
  friend bool operator==(const RigSettings&, const RigSettings&) = default;
};

// How the uplink reaches the radio. A VFO cannot hold both links; with the
// current VFO receiving, the other is its split partner; otherwise each VFO
// is named in its own call (Main/Sub of a satellite radio, or a rigctld in
// VFO mode).
enum class UplinkPath { None, Split, Named };
inline UplinkPath UplinkPathOf(const RigSettings& s) {
  if (s.transmit == s.receive) return UplinkPath::None;
  return s.receive == RigVfo::Current ? UplinkPath::Split : UplinkPath::Named;
}

}  // namespace rdz
