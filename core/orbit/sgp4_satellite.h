#pragma once
#include "core/elements/mean_elements.h"
#include "core/orbit/sgp4_frames.h"
#include "core/sgp4/sgp4.h"

namespace rdz::sgp4 {

// Everything the table needs of one set at one instant.
struct Instant {
  Error error = Error::None;
  EarthFixed earthFixed;
  Geodetic subPoint;  // the satellite's latitude, longitude and height
  LookAngles look;
  double meanAnomaly = 0;  // degrees, 0..360
  double revolution = 0;   // revolution number at epoch plus whole revolutions since
  double inclination = 0;  // degrees
  double raan = 0;         // degrees
  double argPerigee = 0;   // degrees
};

// A TLE/OMM set set up once for SGP4/SDP4, then asked at UTC instants. One object
// is not for use from two threads at once: it remembers where the resonance
// integration of a deep-space set stopped (copies are independent).
class Satellite {
 public:
  explicit Satellite(const MeanElementSet& set);

  Error error() const { return model_.error(); }
  const Propagator& model() const { return model_; }

  double MinutesSinceEpoch(const CivilTime& utc, double secondFraction = 0) const;

  // UTC stands in for UT1 in the sidereal time (under a second apart).
  Instant At(const EngineContext& station, const CivilTime& utc, double secondFraction = 0) const;
  // The look angles alone, the same numbers as At's, at a day count since
  // 1949-12-31 00:00 UTC.
  Instant LookAt(const EngineContext& station, double days1950) const;
  // The propagator's state at utc, its resonance cursor carried on.
  State Orbit(const CivilTime& utc) const;

 private:
  Instant Compute(const EngineContext& station, double days1950, bool full) const;

  double epochDays1950_;
  double epochRev_;
  Propagator model_;
  mutable ResonanceCursor cursor_;
};

}  // namespace rdz::sgp4
