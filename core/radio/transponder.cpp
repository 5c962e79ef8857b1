#include "core/radio/transponder.h"

namespace rdz {

namespace {

std::optional<double> Centre(const std::optional<double>& low, const std::optional<double>& high) {
  if (low && high) return (*low + *high) / 2;
  return low ? low : high;
}

}  // namespace

std::optional<double> DownlinkCentre(const Transponder& t) { return Centre(t.downLow, t.downHigh); }

std::optional<double> UplinkCentre(const Transponder& t) { return Centre(t.upLow, t.upHigh); }

std::optional<double> UplinkFor(const Transponder& t, double downlink) {
  const auto up = UplinkCentre(t);
  const auto down = DownlinkCentre(t);
  if (!up || !down) return up;
  const double offset = downlink - *down;
  return t.invert ? *up - offset : *up + offset;
}

}  // namespace rdz
