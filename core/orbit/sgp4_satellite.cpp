#include "core/orbit/sgp4_satellite.h"

#include <numbers>

namespace rdz::sgp4 {
namespace {
constexpr double kDeg = 180.0 / std::numbers::pi;
constexpr double kJulian1950 = 2433281.5;
}  // namespace

Satellite::Satellite(const MeanElementSet& set)
    : epochDays1950_(set.EpochDays1950), epochRev_(set.EpochRev), model_(ToSgp4Elements(set)) {}

double Satellite::MinutesSinceEpoch(const CivilTime& utc, double secondFraction) const {
  return (Days1950(utc, secondFraction) - epochDays1950_) * MinutesPerDay;
}

Instant Satellite::At(const EngineContext& station, const CivilTime& utc,
                      double secondFraction) const {
  return Compute(station, Days1950(utc, secondFraction), true);
}

Instant Satellite::LookAt(const EngineContext& station, double days1950) const {
  return Compute(station, days1950, false);
}

State Satellite::Orbit(const CivilTime& utc) const {
  return model_.At((Days1950(utc, 0.0) - epochDays1950_) * MinutesPerDay, &cursor_);
}

Instant Satellite::Compute(const EngineContext& station, double days, bool full) const {
  const State s = model_.At((days - epochDays1950_) * MinutesPerDay, &cursor_);
  Instant out;
  out.error = s.error;
  if (s.error != Error::None) return out;
  out.earthFixed =
      TemeToEarthFixed(s.position, s.velocity, GreenwichSiderealTime(days + kJulian1950));
  out.look = LookFrom(station, out.earthFixed);
  if (!full) return out;
  out.subPoint = ToGeodetic(out.earthFixed.position);
  out.meanAnomaly = s.meanAnomaly * kDeg;
  out.revolution = epochRev_ + s.revolutions;
  out.inclination = s.inclination * kDeg;
  out.raan = s.raan * kDeg;
  out.argPerigee = s.argPerigee * kDeg;
  return out;
}

}  // namespace rdz::sgp4
