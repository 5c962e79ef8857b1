#include "core/elements/element_check.h"

#include <cmath>

namespace rdz {

std::string ElementFault(const ElementSet& s) {
  for (const double v : {s.EpochYear, s.EpochDay, s.Inclination, s.Raan, s.Eccentricity,
                         s.ArgPerigee, s.MeanAnomaly, s.MeanMotion, s.DecayRate, s.EpochRev}) {
    if (!std::isfinite(v)) return "a field that is no finite number";
  }
  // Day 366.x is the last day of a leap year.
  if (s.EpochDay < 1 || s.EpochDay >= 367) return "epoch day outside 1..366";
  if (s.Inclination < 0 || s.Inclination > 180) return "inclination outside 0..180";
  if (s.Eccentricity < 0 || s.Eccentricity >= 1) return "eccentricity outside 0..1";
  const std::pair<double, const char*> angles[] = {
      {s.Raan, "RAAN"}, {s.ArgPerigee, "argument of perigee"}, {s.MeanAnomaly, "mean anomaly"}};
  for (const auto& [angle, name] : angles) {
    if (angle < 0 || angle > 360) return std::string(name) + " outside 0..360";
  }
  if (s.MeanMotion <= 0) return "mean motion not above 0";
  if (s.EpochRev < 0) return "negative revolution number";
  return {};
}

}  // namespace rdz
