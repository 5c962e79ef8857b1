#pragma once
#include <optional>
#include <string>

namespace rdz {

// One transponder or beacon of a satellite, frequencies in Hz on the
// satellite's side. A single frequency has low == high; a link the
// satellite does not have is empty.
struct Transponder {
  std::string description;
  std::optional<double> downLow, downHigh;
  std::optional<double> upLow, upHigh;
  std::string mode;     // "USB", "FM", ...; empty when not known
  bool invert = false;  // linear transponder that mirrors its passband
  std::string upMode{};  // the uplink's mode where it is not the downlink's
  double tone = 0;      // CTCSS in Hz sent on the uplink; 0: none
  friend bool operator==(const Transponder&, const Transponder&) = default;
};

// The middle of the downlink (uplink) passband; empty without that link.
std::optional<double> DownlinkCentre(const Transponder& t);
std::optional<double> UplinkCentre(const Transponder& t);

// The satellite-side uplink that lands on satellite-side downlink `downlink`:
// offset from the passband's middle the same way, or mirrored when the
// transponder inverts (then uplink + downlink stays constant). Empty without
// an uplink; the nominal uplink when there is no downlink to follow.
std::optional<double> UplinkFor(const Transponder& t, double downlink);

}  // namespace rdz
