#pragma once

namespace rdz {

inline constexpr double kSpeedOfLightKmS = 299792.458;

// Range rate in km/s, positive while the satellite moves away.
// What the ground receives of a satellite transmitting on `hz`.
double DownlinkToTune(double hz, double rangeRateKmS);
// What the ground must send for the satellite to receive `hz`.
double UplinkToSend(double hz, double rangeRateKmS);
// The satellite-side downlink that arrives on the ground at `tunedHz`
// (the inverse of DownlinkToTune, used when the operator turns the dial).
double DownlinkAtSatellite(double tunedHz, double rangeRateKmS);

}  // namespace rdz
