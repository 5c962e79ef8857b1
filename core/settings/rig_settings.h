#pragma once
#include "core/ports/rig.h"

namespace rdz {

// How the uplink is sent: through the radio's split, in its satellite mode,
// by a second radio, or not at all.
enum class UplinkWay { Split, SatelliteMode, SecondRadio, ReceiveOnly };

// How the radio is driven: which VFO receives the downlink and which sends
// the uplink (on the second radio when there is one), and how far a frequency
// may drift before it is set again.
struct RigSettings {
  RigVfo receive = RigVfo::Current;
  RigVfo transmit = RigVfo::B;
  double thresholdSsb = 20;  // Hz, SSB, CW and every mode that is not FM
  double thresholdFm = 350;  // Hz
  UplinkWay uplink = UplinkWay::Split;
  friend bool operator==(const RigSettings&, const RigSettings&) = default;
};

// How the uplink reaches a radio. A VFO cannot hold both links; with the
// current VFO receiving, the other is its split partner; otherwise each VFO
// is named in its own call (Main/Sub of a satellite radio, or a rigctld in
// VFO mode). A second radio is sent the uplink on its own VFO.
enum class UplinkPath { None, Split, Named, SecondRadio };
inline UplinkPath UplinkPathOf(const RigSettings& s) {
  switch (s.uplink) {
    case UplinkWay::ReceiveOnly: return UplinkPath::None;
    case UplinkWay::SecondRadio: return UplinkPath::SecondRadio;
    case UplinkWay::SatelliteMode:
    case UplinkWay::Split: break;
  }
  if (s.transmit == s.receive) return UplinkPath::None;
  return s.receive == RigVfo::Current && s.uplink == UplinkWay::Split ? UplinkPath::Split : UplinkPath::Named;
}

}  // namespace rdz
