#include "orbit/sgp4/deep_space.h"

#include <cmath>
#include <numbers>

namespace rdz::sgp4 {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kXke = 0.07436691613317342;  // sqrt(mu) in Earth radii^1.5 per minute (WGS-72)

// Solar and lunar constants of the theory
constexpr double kZes = 0.01675, kZel = 0.05490;
constexpr double kZns = 1.19459e-5, kZnl = 1.5835218e-4;
constexpr double kC1ss = 2.9864797e-6, kC1l = 4.7968065e-7;
constexpr double kZsinis = 0.39785416, kZcosis = 0.91744867;
constexpr double kZcosgs = 0.1945905, kZsings = -0.98088458;

// Resonance constants
constexpr double kQ22 = 1.7891679e-6, kQ31 = 2.1460748e-6, kQ33 = 2.2123015e-7;
constexpr double kRoot22 = 1.7891679e-6, kRoot32 = 3.7393792e-7, kRoot44 = 7.3636953e-9;
constexpr double kRoot52 = 1.1428639e-7, kRoot54 = 2.1765803e-9;
constexpr double kEarthRotation = 4.37526908801129966e-3;  // radians per minute
constexpr double kFasx2 = 0.13130908, kFasx4 = 2.8843198, kFasx6 = 0.37448087;
constexpr double kG22 = 5.7686396, kG32 = 0.95240898, kG44 = 1.8014998;
constexpr double kG52 = 1.0508330, kG54 = 4.4108898;
constexpr double kStep = 720.0;  // minutes
constexpr double kInclinationLimit = 5.2359877e-2;  // 3 degrees

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

// The lunar or solar coefficients of one body.
struct BodyTerms {
  double s1, s2, s3, s4, s5, s6, s7;
  double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
};

BodyTerms Body(double zcosg, double zsing, double zcosi, double zsini, double zcosh,
               double zsinh, double cc, double nm, double em, double cosim, double sinim,
               double cosomm, double sinomm) {
  const double emsq = em * em;
  const double betasq = 1.0 - emsq;
  const double rtemsq = std::sqrt(betasq);
  const double a1 = zcosg * zcosh + zsing * zcosi * zsinh;
  const double a3 = -zsing * zcosh + zcosg * zcosi * zsinh;
  const double a7 = -zcosg * zsinh + zsing * zcosi * zcosh;
  const double a8 = zsing * zsini;
  const double a9 = zsing * zsinh + zcosg * zcosi * zcosh;
  const double a10 = zcosg * zsini;
  const double a2 = cosim * a7 + sinim * a8;
  const double a4 = cosim * a9 + sinim * a10;
  const double a5 = -sinim * a7 + cosim * a8;
  const double a6 = -sinim * a9 + cosim * a10;

  const double x1 = a1 * cosomm + a2 * sinomm;
  const double x2 = a3 * cosomm + a4 * sinomm;
  const double x3 = -a1 * sinomm + a2 * cosomm;
  const double x4 = -a3 * sinomm + a4 * cosomm;
  const double x5 = a5 * sinomm;
  const double x6 = a6 * sinomm;
  const double x7 = a5 * cosomm;
  const double x8 = a6 * cosomm;

  BodyTerms b{};
  b.z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
  b.z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
  b.z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
  b.z1 = 3.0 * (a1 * a1 + a2 * a2) + b.z31 * emsq;
  b.z2 = 6.0 * (a1 * a3 + a2 * a4) + b.z32 * emsq;
  b.z3 = 3.0 * (a3 * a3 + a4 * a4) + b.z33 * emsq;
  b.z11 = -6.0 * a1 * a5 + emsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
  b.z12 = -6.0 * (a1 * a6 + a3 * a5) +
          emsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
  b.z13 = -6.0 * a3 * a6 + emsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
  b.z21 = 6.0 * a2 * a5 + emsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
  b.z22 = 6.0 * (a4 * a5 + a2 * a6) +
          emsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
  b.z23 = 6.0 * a4 * a6 + emsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
  b.z1 = b.z1 + b.z1 + betasq * b.z31;
  b.z2 = b.z2 + b.z2 + betasq * b.z32;
  b.z3 = b.z3 + b.z3 + betasq * b.z33;
  b.s3 = cc / nm;
  b.s2 = -0.5 * b.s3 / rtemsq;
  b.s4 = b.s3 * rtemsq;
  b.s1 = -15.0 * em * b.s4;
  b.s5 = x1 * x3 + x2 * x4;
  b.s6 = x2 * x3 + x1 * x4;
  b.s7 = x2 * x4 - x1 * x3;
  return b;
}

}  // namespace

void DeepSpace::Setup(const DeepSpaceInput& in) {
  active = true;
  gmst = in.gmst;
  noUnkozai = in.meanMotion;
  argpo = in.argPerigee;
  argpdot = in.argpdot;

  const double nm = in.meanMotion;
  const double em = in.eccentricity;
  const double snodm = std::sin(in.raan), cnodm = std::cos(in.raan);
  const double sinomm = std::sin(in.argPerigee), cosomm = std::cos(in.argPerigee);
  const double sinim = std::sin(in.inclination), cosim = std::cos(in.inclination);
  const double emsq = em * em;

  // Moon's node and orientation at epoch
  const double day = in.epochDays1950 + 18261.5;
  const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
  const double stem = std::sin(xnodce), ctem = std::cos(xnodce);
  const double zcosil = 0.91375164 - 0.03568096 * ctem;
  const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
  const double zsinhl = 0.089683511 * stem / zsinil;
  const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
  const double gam = 5.8351514 + 0.0019443680 * day;
  double zx = 0.39785416 * stem / zsinil;
  const double zy = zcoshl * ctem + 0.91744867 * zsinhl * stem;
  zx = gam + std::atan2(zx, zy) - xnodce;
  const double zcosgl = std::cos(zx), zsingl = std::sin(zx);

  const BodyTerms s = Body(kZcosgs, kZsings, kZcosis, kZsinis, cnodm, snodm, kC1ss, nm, em,
                           cosim, sinim, cosomm, sinomm);
  const BodyTerms m = Body(zcosgl, zsingl, zcosil, zsinil, zcoshl * cnodm + zsinhl * snodm,
                           snodm * zcoshl - cnodm * zsinhl, kC1l, nm, em, cosim, sinim, cosomm,
                           sinomm);

  zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, kTwoPi);
  zmos = std::fmod(6.2565837 + 0.017201977 * day, kTwoPi);

  se2 = 2.0 * s.s1 * s.s6;
  se3 = 2.0 * s.s1 * s.s7;
  si2 = 2.0 * s.s2 * s.z12;
  si3 = 2.0 * s.s2 * (s.z13 - s.z11);
  sl2 = -2.0 * s.s3 * s.z2;
  sl3 = -2.0 * s.s3 * (s.z3 - s.z1);
  sl4 = -2.0 * s.s3 * (-21.0 - 9.0 * emsq) * kZes;
  sgh2 = 2.0 * s.s4 * s.z32;
  sgh3 = 2.0 * s.s4 * (s.z33 - s.z31);
  sgh4 = -18.0 * s.s4 * kZes;
  sh2 = -2.0 * s.s2 * s.z22;
  sh3 = -2.0 * s.s2 * (s.z23 - s.z21);

  ee2 = 2.0 * m.s1 * m.s6;
  e3 = 2.0 * m.s1 * m.s7;
  xi2 = 2.0 * m.s2 * m.z12;
  xi3 = 2.0 * m.s2 * (m.z13 - m.z11);
  xl2 = -2.0 * m.s3 * m.z2;
  xl3 = -2.0 * m.s3 * (m.z3 - m.z1);
  xl4 = -2.0 * m.s3 * (-21.0 - 9.0 * emsq) * kZel;
  xgh2 = 2.0 * m.s4 * m.z32;
  xgh3 = 2.0 * m.s4 * (m.z33 - m.z31);
  xgh4 = -18.0 * m.s4 * kZel;
  xh2 = -2.0 * m.s2 * m.z22;
  xh3 = -2.0 * m.s2 * (m.z23 - m.z21);

  // Secular rates from the sun, then the moon
  const bool nearEquatorial =
      in.inclination < kInclinationLimit || in.inclination > std::numbers::pi - kInclinationLimit;
  const double ses = s.s1 * kZns * s.s5;
  const double sis = s.s2 * kZns * (s.z11 + s.z13);
  const double sls = -kZns * s.s3 * (s.z1 + s.z3 - 14.0 - 6.0 * emsq);
  const double sghs = s.s4 * kZns * (s.z31 + s.z33 - 6.0);
  double shs = nearEquatorial ? 0.0 : -kZns * s.s2 * (s.z21 + s.z23);
  if (sinim != 0.0) shs /= sinim;
  const double sgs = sghs - cosim * shs;

  dedt = ses + m.s1 * kZnl * m.s5;
  didt = sis + m.s2 * kZnl * (m.z11 + m.z13);
  dmdt = sls - kZnl * m.s3 * (m.z1 + m.z3 - 14.0 - 6.0 * emsq);
  const double sghl = m.s4 * kZnl * (m.z31 + m.z33 - 6.0);
  const double shll = nearEquatorial ? 0.0 : -kZnl * m.s2 * (m.z21 + m.z23);
  domdt = sgs + sghl;
  dnodt = shs;
  if (sinim != 0.0) {
    domdt -= cosim / sinim * shll;
    dnodt += shll / sinim;
  }

  // Resonance with the Earth's rotation
  resonance = 0;
  if (nm > 0.0034906585 && nm < 0.0052359877) resonance = 1;
  if (nm >= 8.26e-3 && nm <= 9.24e-3 && em >= 0.5) resonance = 2;
  if (resonance == 0) return;

  const double theta = std::fmod(gmst, kTwoPi);
  const double aonv = std::pow(nm / kXke, 2.0 / 3.0);
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
    xlamo = std::fmod(in.meanAnomaly + 2.0 * in.raan - 2.0 * theta, kTwoPi);
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
    xlamo = std::fmod(in.meanAnomaly + in.raan + in.argPerigee - theta, kTwoPi);
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
  const double theta = std::fmod(gmst + t * kEarthRotation, kTwoPi);
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

void DeepSpace::Periodic(double t, PeriodicState& p) const {
  double zm = zmos + kZns * t;
  double zf = zm + 2.0 * kZes * std::sin(zm);
  double sinzf = std::sin(zf);
  double f2 = 0.5 * sinzf * sinzf - 0.25;
  double f3 = -0.5 * sinzf * std::cos(zf);
  const double ses = se2 * f2 + se3 * f3;
  const double sis = si2 * f2 + si3 * f3;
  const double sls = sl2 * f2 + sl3 * f3 + sl4 * sinzf;
  const double sghs = sgh2 * f2 + sgh3 * f3 + sgh4 * sinzf;
  const double shs = sh2 * f2 + sh3 * f3;

  zm = zmol + kZnl * t;
  zf = zm + 2.0 * kZel * std::sin(zm);
  sinzf = std::sin(zf);
  f2 = 0.5 * sinzf * sinzf - 0.25;
  f3 = -0.5 * sinzf * std::cos(zf);
  const double sel = ee2 * f2 + e3 * f3;
  const double sil = xi2 * f2 + xi3 * f3;
  const double sll = xl2 * f2 + xl3 * f3 + xl4 * sinzf;
  const double sghl = xgh2 * f2 + xgh3 * f3 + xgh4 * sinzf;
  const double shll = xh2 * f2 + xh3 * f3;

  const double pe = ses + sel;
  const double pinc = sis + sil;
  const double pl = sls + sll;
  double pgh = sghs + sghl;
  double ph = shs + shll;

  p.inclination += pinc;
  p.eccentricity += pe;
  const double sinip = std::sin(p.inclination), cosip = std::cos(p.inclination);
  if (p.inclination >= 0.2) {
    ph /= sinip;
    pgh -= cosip * ph;
    p.argPerigee += pgh;
    p.raan += ph;
    p.meanAnomaly += pl;
    return;
  }
  // Near the equator the node is ill defined: perturb the node vector instead (Lyddane).
  const double sinop = std::sin(p.raan), cosop = std::cos(p.raan);
  double alfdp = sinip * sinop;
  double betdp = sinip * cosop;
  alfdp += ph * cosop + pinc * cosip * sinop;
  betdp += -ph * sinop + pinc * cosip * cosop;
  p.raan = std::fmod(p.raan, kTwoPi);
  double xls = p.meanAnomaly + p.argPerigee + cosip * p.raan;
  xls += pl + pgh - pinc * p.raan * sinip;
  const double xnoh = p.raan;
  p.raan = std::atan2(alfdp, betdp);
  if (std::fabs(xnoh - p.raan) > std::numbers::pi) p.raan += p.raan < xnoh ? kTwoPi : -kTwoPi;
  p.meanAnomaly += pl;
  p.argPerigee = xls - p.meanAnomaly - cosip * p.raan;
}

}  // namespace rdz::sgp4
