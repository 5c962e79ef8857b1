#include <cmath>

#include "core/sgp4/constants.h"
#include "core/sgp4/deep_space.h"

// The half-day and one-day resonances of deep-space orbits with the Earth's gravity field.
namespace rdz::sgp4 {
namespace {

// Resonance constants
constexpr double kQ22 = 1.7891679e-6, kQ31 = 2.1460748e-6, kQ33 = 2.2123015e-7;
constexpr double kRoot22 = 1.7891679e-6, kRoot32 = 3.7393792e-7, kRoot44 = 7.3636953e-9;
constexpr double kRoot52 = 1.1428639e-7, kRoot54 = 2.1765803e-9;
constexpr double kEarthRotation = 4.37526908801129966e-3;  // radians per minute
constexpr double kFasx2 = 0.13130908, kFasx4 = 2.8843198, kFasx6 = 0.37448087;
constexpr double kG22 = 5.7686396, kG32 = 0.95240898, kG44 = 1.8014998;
constexpr double kG52 = 1.0508330, kG54 = 4.4108898;
constexpr double kStep = 720.0;  // minutes

// A rotation by an angle, kept as its cosine and sine.
struct Turn {
  double c, s;
  Turn operator*(const Turn& o) const { return {c * o.c - s * o.s, s * o.c + c * o.s}; }
  // Rotation back by o.
  Turn operator-(const Turn& o) const { return {c * o.c + s * o.s, s * o.c - c * o.s}; }
  Turn Conj() const { return {c, -s}; }
};

const Turn kFasx2Turn{std::cos(kFasx2), std::sin(kFasx2)};
const Turn kFasx4Turn{std::cos(2.0 * kFasx4), std::sin(2.0 * kFasx4)};
const Turn kFasx6Turn{std::cos(3.0 * kFasx6), std::sin(3.0 * kFasx6)};
const Turn kG22Turn{std::cos(kG22), std::sin(kG22)};
const Turn kG32Turn{std::cos(kG32), std::sin(kG32)};
const Turn kG44Turn{std::cos(kG44), std::sin(kG44)};
const Turn kG52Turn{std::cos(kG52), std::sin(kG52)};
const Turn kG54Turn{std::cos(kG54), std::sin(kG54)};

}  // namespace

void DeepSpace::SetupResonance(const DeepSpaceInput& in, double cosim, double sinim) {
  const double nm = in.meanMotion;
  const double em = in.eccentricity;
  const double emsq = em * em;
  resonance = 0;
  if (nm > 0.0034906585 && nm < 0.0052359877) resonance = 1;
  if (nm >= 8.26e-3 && nm <= 9.24e-3 && em >= 0.5) resonance = 2;
  if (resonance == 0) return;

  const double theta = std::fmod(gmst, TwoPi);
  const double aonv = std::pow(nm / wgs72::Xke, 2.0 / 3.0);
  if (resonance == 2) {
    const double cosisq = cosim * cosim;
    const double eoc = em * emsq;
    const double g201 = -0.306 - (em - 0.64) * 0.440;
    double g211, g310, g322, g410, g422, g520, g521, g532, g533;
    if (em <= 0.65) {
      g211 = 3.616 - 13.2470 * em + 16.2900 * emsq;
      g310 = -19.302 + 117.3900 * em - 228.4190 * emsq + 156.5910 * eoc;
      g322 = -18.9068 + 109.7927 * em - 214.6334 * emsq + 146.5816 * eoc;
      g410 = -41.122 + 242.6940 * em - 471.0940 * emsq + 313.9530 * eoc;
      g422 = -146.407 + 841.8800 * em - 1629.014 * emsq + 1083.4350 * eoc;
      g520 = -532.114 + 3017.977 * em - 5740.032 * emsq + 3708.2760 * eoc;
    } else {
      g211 = -72.099 + 331.819 * em - 508.738 * emsq + 266.724 * eoc;
      g310 = -346.844 + 1582.851 * em - 2415.925 * emsq + 1246.113 * eoc;
      g322 = -342.585 + 1554.908 * em - 2366.899 * emsq + 1215.972 * eoc;
      g410 = -1052.797 + 4758.686 * em - 7193.992 * emsq + 3651.957 * eoc;
      g422 = -3581.690 + 16178.110 * em - 24462.770 * emsq + 12422.520 * eoc;
      if (em > 0.715)
        g520 = -5149.66 + 29936.92 * em - 54087.36 * emsq + 31324.56 * eoc;
      else
        g520 = 1464.74 - 4664.75 * em + 3763.64 * emsq;
    }
    if (em < 0.7) {
      g533 = -919.22770 + 4988.6100 * em - 9064.7700 * emsq + 5542.21 * eoc;
      g521 = -822.71072 + 4568.6173 * em - 8491.4146 * emsq + 5337.524 * eoc;
      g532 = -853.66600 + 4690.2500 * em - 8624.7700 * emsq + 5341.4 * eoc;
    } else {
      g533 = -37995.780 + 161616.52 * em - 229838.20 * emsq + 109377.94 * eoc;
      g521 = -51752.104 + 218913.95 * em - 309468.16 * emsq + 146349.42 * eoc;
      g532 = -40023.880 + 170470.89 * em - 242699.48 * emsq + 115605.82 * eoc;
    }
    const double sini2 = sinim * sinim;
    const double f220 = 0.75 * (1.0 + 2.0 * cosim + cosisq);
    const double f221 = 1.5 * sini2;
    const double f321 = 1.875 * sinim * (1.0 - 2.0 * cosim - 3.0 * cosisq);
    const double f322 = -1.875 * sinim * (1.0 + 2.0 * cosim - 3.0 * cosisq);
    const double f441 = 35.0 * sini2 * f220;
    const double f442 = 39.3750 * sini2 * sini2;
    const double f522 = 9.84375 * sinim *
                        (sini2 * (1.0 - 2.0 * cosim - 5.0 * cosisq) +
                         0.33333333 * (-2.0 + 4.0 * cosim + 6.0 * cosisq));
    const double f523 = sinim * (4.92187512 * sini2 * (-2.0 - 4.0 * cosim + 10.0 * cosisq) +
                                 6.56250012 * (1.0 + 2.0 * cosim - 3.0 * cosisq));
    const double f542 = 29.53125 * sinim *
                        (2.0 - 8.0 * cosim + cosisq * (-12.0 + 8.0 * cosim + 10.0 * cosisq));
    const double f543 = 29.53125 * sinim *
                        (-2.0 - 8.0 * cosim + cosisq * (12.0 + 8.0 * cosim - 10.0 * cosisq));
    double temp1 = 3.0 * nm * nm * aonv * aonv;
    double temp = temp1 * kRoot22;
    d2201 = temp * f220 * g201;
    d2211 = temp * f221 * g211;
    temp1 *= aonv;
    temp = temp1 * kRoot32;
    d3210 = temp * f321 * g310;
    d3222 = temp * f322 * g322;
    temp1 *= aonv;
    temp = 2.0 * temp1 * kRoot44;
    d4410 = temp * f441 * g410;
    d4422 = temp * f442 * g422;
    temp1 *= aonv;
    temp = temp1 * kRoot52;
    d5220 = temp * f522 * g520;
    d5232 = temp * f523 * g532;
    temp = 2.0 * temp1 * kRoot54;
    d5421 = temp * f542 * g521;
    d5433 = temp * f543 * g533;
    xlamo = std::fmod(in.meanAnomaly + 2.0 * in.raan - 2.0 * theta, TwoPi);
    xfact = in.mdot + dmdt + 2.0 * (in.nodedot + dnodt - kEarthRotation) - nm;
  } else {
    const double g200 = 1.0 + emsq * (-2.5 + 0.8125 * emsq);
    const double g310 = 1.0 + 2.0 * emsq;
    const double g300 = 1.0 + emsq * (-6.0 + 6.60937 * emsq);
    const double f220 = 0.75 * (1.0 + cosim) * (1.0 + cosim);
    const double f311 = 0.9375 * sinim * sinim * (1.0 + 3.0 * cosim) - 0.75 * (1.0 + cosim);
    double f330 = 1.0 + cosim;
    f330 = 1.875 * f330 * f330 * f330;
    const double d = 3.0 * nm * nm * aonv * aonv;
    del2 = 2.0 * d * f220 * g200 * kQ22;
    del3 = 3.0 * d * f330 * g300 * kQ33 * aonv;
    del1 = d * f311 * g310 * kQ31 * aonv;
    xlamo = std::fmod(in.meanAnomaly + in.raan + in.argPerigee - theta, TwoPi);
    xfact = in.mdot + (in.argpdot + in.nodedot) - kEarthRotation + dmdt + domdt + dnodt - nm;
  }
}

void DeepSpace::Secular(double t, MeanState& s, ResonanceCursor* cursor) const {
  s.eccentricity += dedt * t;
  s.inclination += didt * t;
  s.argPerigee += domdt * t;
  s.raan += dnodt * t;
  s.meanAnomaly += dmdt * t;
  if (resonance == 0) return;

  // Fixed-step integration of the resonant mean motion and longitude from epoch.
  const double theta = std::fmod(gmst + t * kEarthRotation, TwoPi);
  const double delt = t > 0.0 ? kStep : -kStep;
  const double step2 = kStep * kStep / 2.0;
  double atime = 0.0;
  double xni = noUnkozai;
  double xli = xlamo;
  if (cursor && cursor->valid && t * cursor->atime > 0.0 &&
      std::fabs(t) >= std::fabs(cursor->atime)) {
    atime = cursor->atime;
    xni = cursor->xni;
    xli = cursor->xli;
  }
  double xndt = 0, xnddt = 0, xldot = 0, ft = 0;
  for (;;) {
    if (resonance == 1) {
      const Turn l{std::cos(xli), std::sin(xli)};
      const Turn l2 = l * l;
      const Turn a1 = l - kFasx2Turn, a2 = l2 - kFasx4Turn, a3 = l2 * l - kFasx6Turn;
      xndt = del1 * a1.s + del2 * a2.s + del3 * a3.s;
      xnddt = del1 * a1.c + 2.0 * del2 * a2.c + 3.0 * del3 * a3.c;
    } else {
      // The ten angles are sums of the perigee and the resonant longitude: two
      // sine-cosine pairs and the addition theorems stand in for twenty calls.
      const double xomi = argpo + argpdot * atime;
      const Turn w{std::cos(xomi), std::sin(xomi)};
      const Turn l{std::cos(xli), std::sin(xli)};
      const Turn w2 = w * w, l2 = l * l, wInv = w.Conj();
      const Turn a1 = w2 * l - kG22Turn, a2 = l - kG22Turn;
      const Turn a3 = w * l - kG32Turn, a4 = wInv * l - kG32Turn;
      const Turn a5 = w2 * l2 - kG44Turn, a6 = l2 - kG44Turn;
      const Turn a7 = w * l - kG52Turn, a8 = wInv * l - kG52Turn;
      const Turn a9 = w * l2 - kG54Turn, a10 = wInv * l2 - kG54Turn;
      xndt = d2201 * a1.s + d2211 * a2.s + d3210 * a3.s + d3222 * a4.s + d4410 * a5.s +
             d4422 * a6.s + d5220 * a7.s + d5232 * a8.s + d5421 * a9.s + d5433 * a10.s;
      xnddt = d2201 * a1.c + d2211 * a2.c + d3210 * a3.c + d3222 * a4.c + d5220 * a7.c +
              d5232 * a8.c + 2.0 * (d4410 * a5.c + d4422 * a6.c + d5421 * a9.c + d5433 * a10.c);
    }
    xldot = xni + xfact;
    xnddt *= xldot;
    if (std::fabs(t - atime) < kStep) {
      ft = t - atime;
      break;
    }
    xli += xldot * delt + xndt * step2;
    xni += xndt * delt + xnddt * step2;
    atime += delt;
  }
  if (cursor) *cursor = {true, atime, xli, xni};
  const double nm = xni + xndt * ft + xnddt * ft * ft * 0.5;
  const double xl = xli + xldot * ft + xndt * ft * ft * 0.5;
  if (resonance == 1)
    s.meanAnomaly = xl - s.raan - s.argPerigee + theta;
  else
    s.meanAnomaly = xl - 2.0 * s.raan + 2.0 * theta;
  s.meanMotion = nm;
}

}  // namespace rdz::sgp4
