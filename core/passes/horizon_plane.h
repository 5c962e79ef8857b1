#pragma once
#include <array>
#include <optional>

#include "core/orbit/look_angles.h"

namespace rdz {

// The satellite's height f = (r - station) . up over the station's horizon
// plane, for a flat horizon at zero elevation: the satellite is up exactly
// when f >= 0. Gravity bends f downward wherever the satellite stands far
// enough out along `up`, beating the Earth's turning and every smaller force;
// there f is concave: it lies under its tangent, and it cannot sink below the
// horizon and come back up. Seconds are counted forward from the sample.
class HorizonPlane {
 public:
  // Nothing when the limits give no up direction or the orbit is never bent enough.
  static std::optional<HorizonPlane> For(const OrbitLimits& limits);

  // f at one sample, worked out once for the questions below.
  struct Height {
    double height, rate, curve, outward;  // f, f', f'' from gravity, r . up
  };
  Height At(const LookAngles& a) const;

  // Over how many seconds f is surely concave (0: not even now).
  double ConcaveFor(const Height& f) const;
  // For a satellite below the horizon: how many seconds it surely stays below.
  double StaysDown(const Height& f) const;
  // Where f's parabola at the sample next crosses zero, and where it tops:
  // guesses for aiming a step, no bounds. Infinity when there is none ahead.
  double NextCrossing(const Height& f) const;
  double ToTop(const Height& f) const;

 private:
  std::array<double, 3> up_{};
  double level_ = 0;        // the station's own r . up
  double bentBeyond_ = 0;   // r . up above this: f'' < 0
  double maxCurve_ = 0;     // |f''| at most, km/s^2
  double maxSpeed_ = 0;     // |f'| at most, km/s
  double maxRadius_ = 0;    // km
  double others_ = 0;       // km/s^2: every pull along up but the centre's, at most
};

}  // namespace rdz
