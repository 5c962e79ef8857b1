#include "core/radio/doppler.h"

namespace rdz {

double DownlinkToTune(double hz, double rangeRateKmS) {
  return hz * (1.0 - rangeRateKmS / kSpeedOfLightKmS);
}

double UplinkToSend(double hz, double rangeRateKmS) {
  return hz * (1.0 + rangeRateKmS / kSpeedOfLightKmS);
}

double DownlinkAtSatellite(double tunedHz, double rangeRateKmS) {
  return tunedHz / (1.0 - rangeRateKmS / kSpeedOfLightKmS);
}

}  // namespace rdz
