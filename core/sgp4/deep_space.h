#pragma once

namespace rdz::sgp4 {

// Mean elements and rates at epoch that the deep-space setup reads.
struct DeepSpaceInput {
  double epochDays1950 = 0;
  double gmst = 0;  // radians at epoch
  double eccentricity = 0, inclination = 0, raan = 0, argPerigee = 0, meanAnomaly = 0;
  double meanMotion = 0;  // un-Kozai'd, radians per minute
  double mdot = 0, argpdot = 0, nodedot = 0;
};

// Mean elements the secular and resonance terms act on at one instant.
struct MeanState {
  double eccentricity, inclination, raan, argPerigee, meanAnomaly, meanMotion;
};

// Elements the lunar-solar periodic terms act on at one instant.
struct PeriodicState {
  double eccentricity, inclination, raan, argPerigee, meanAnomaly;
};

// Where the resonance integration last stopped, so that the next instant can go on
// from there; the result is the same as integrating from epoch.
struct ResonanceCursor {
  bool valid = false;
  double atime = 0, xli = 0, xni = 0;
};

// Lunar-solar and resonance terms of one deep-space set (orbital period of
// 225 minutes or more), computed once.
struct DeepSpace {
  bool active = false;

  // Periodic terms: sun (s...) and moon (x..., e..., ee2)
  double se2 = 0, se3 = 0, si2 = 0, si3 = 0, sl2 = 0, sl3 = 0, sl4 = 0;
  double sgh2 = 0, sgh3 = 0, sgh4 = 0, sh2 = 0, sh3 = 0;
  double ee2 = 0, e3 = 0, xi2 = 0, xi3 = 0, xl2 = 0, xl3 = 0, xl4 = 0;
  double xgh2 = 0, xgh3 = 0, xgh4 = 0, xh2 = 0, xh3 = 0;
  double zmol = 0, zmos = 0;

  // Secular rates
  double dedt = 0, didt = 0, dmdt = 0, dnodt = 0, domdt = 0;

  // Resonance: 0 none, 1 one day, 2 half day
  int resonance = 0;
  double del1 = 0, del2 = 0, del3 = 0;
  double d2201 = 0, d2211 = 0, d3210 = 0, d3222 = 0, d4410 = 0, d4422 = 0;
  double d5220 = 0, d5232 = 0, d5421 = 0, d5433 = 0;
  double xfact = 0, xlamo = 0;
  double gmst = 0, noUnkozai = 0, argpo = 0, argpdot = 0;

  void Setup(const DeepSpaceInput& in);

  // Secular lunar-solar drift and the resonance integration (from epoch, or from
  // the cursor when it lies between epoch and t).
  void Secular(double t, MeanState& m, ResonanceCursor* cursor = nullptr) const;

  // Lunar-solar periodic terms, applied in place.
  void Periodic(double t, PeriodicState& p) const;

 private:
  void SetupResonance(const DeepSpaceInput& in, double cosim, double sinim);
};

}  // namespace rdz::sgp4
