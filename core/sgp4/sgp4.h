#pragma once
#include <array>

#include "core/sgp4/constants.h"
#include "core/sgp4/deep_space.h"

namespace rdz::sgp4 {

// Failures of a setup or of one instant, numbered as in the published model.
enum class Error {
  None = 0,
  Eccentricity = 1,           // mean eccentricity outside [0, 1)
  MeanMotion = 2,             // mean motion not positive
  PerturbedEccentricity = 3,  // eccentricity after the lunar-solar terms outside [0, 1]
  SemiLatusRectum = 4,        // semi-latus rectum negative
  Decayed = 6,                // radius below one Earth radius
  NotFinite = 7,              // elements so far from an orbit that the arithmetic overflows
};

// Mean elements in the model's own units.
struct Elements {
  double epochDays1950 = 0;  // days since 1949-12-31 00:00 UTC
  double meanMotion = 0;     // radians per minute (Kozai mean motion)
  double eccentricity = 0;
  double inclination = 0;    // radians
  double raan = 0;           // radians
  double argPerigee = 0;     // radians
  double meanAnomaly = 0;    // radians
  double bstar = 0;          // per Earth radius
};

// Position and velocity in the TEME frame, and the osculating angles the
// table needs (radians); revolutions counts whole perigee passages since epoch.
struct State {
  Error error = Error::None;
  std::array<double, 3> position{};  // km
  std::array<double, 3> velocity{};  // km/s
  double inclination = 0;
  double raan = 0;
  double argPerigee = 0;
  double meanAnomaly = 0;  // 0 <= M < 2 pi
  double revolutions = 0;  // whole number
  // The orbit the periodic terms act on: semi-major axis (Earth radii), mean
  // motion (radians per minute) and eccentricity after the lunar-solar terms.
  double semiAxis = 0;
  double meanMotion = 0;
  double eccentricity = 0;
};

// One element set prepared once; At() is then cheap and does not change it.
class Propagator {
 public:
  // Prepares the set and checks it at epoch; error() tells whether it can be used.
  explicit Propagator(const Elements& elements);

  Error error() const { return initError_; }
  bool deepSpace() const { return deep_.active; }
  double gmstAtEpoch() const { return gsto_; }

  // The cursor, when given, carries a deep-space resonance integration from one
  // call to the next (the results do not depend on it).
  State At(double minutesSinceEpoch, ResonanceCursor* cursor = nullptr) const;

 private:
  Elements el_;
  Error initError_ = Error::None;
  bool simple_ = false;  // perigee below 220 km: drop the higher drag terms
  double noUnkozai_ = 0;
  double ao_ = 0, eta_ = 0, sinio_ = 0, cosio_ = 0;
  double cbrtRatioSq_ = 0;  // cbrt((kXke / noUnkozai_)^2)
  double con41_ = 0, x1mth2_ = 0, x7thm1_ = 0;
  double cc1_ = 0, cc4_ = 0, cc5_ = 0, d2_ = 0, d3_ = 0, d4_ = 0;
  double t2cof_ = 0, t3cof_ = 0, t4cof_ = 0, t5cof_ = 0;
  double mdot_ = 0, argpdot_ = 0, nodedot_ = 0, nodecf_ = 0;
  double omgcof_ = 0, xmcof_ = 0, delmo_ = 0, sinmao_ = 0;
  double xlcof_ = 0, aycof_ = 0;
  double gsto_ = 0;
  DeepSpace deep_;
};

// Greenwich mean sidereal time (IAU 1982) in radians, 0..2 pi, for a UT1 Julian date.
double GreenwichSiderealTime(double julianDate);

}  // namespace rdz::sgp4
