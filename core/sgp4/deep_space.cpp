#include "core/sgp4/deep_space.h"

#include <cmath>
#include <numbers>

#include "core/sgp4/constants.h"

namespace rdz::sgp4 {
namespace {

// Solar and lunar constants of the theory
constexpr double kZes = 0.01675, kZel = 0.05490;
constexpr double kZns = 1.19459e-5, kZnl = 1.5835218e-4;
constexpr double kC1ss = 2.9864797e-6, kC1l = 4.7968065e-7;
constexpr double kZsinis = 0.39785416, kZcosis = 0.91744867;
constexpr double kZcosgs = 0.1945905, kZsings = -0.98088458;

constexpr double kInclinationLimit = 5.2359877e-2;  // 3 degrees

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
  const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, TwoPi);
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

  zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, TwoPi);
  zmos = std::fmod(6.2565837 + 0.017201977 * day, TwoPi);

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

  SetupResonance(in, cosim, sinim);
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
  p.raan = std::fmod(p.raan, TwoPi);
  double xls = p.meanAnomaly + p.argPerigee + cosip * p.raan;
  xls += pl + pgh - pinc * p.raan * sinip;
  const double xnoh = p.raan;
  p.raan = std::atan2(alfdp, betdp);
  if (std::fabs(xnoh - p.raan) > std::numbers::pi) p.raan += p.raan < xnoh ? TwoPi : -TwoPi;
  p.meanAnomaly += pl;
  p.argPerigee = xls - p.meanAnomaly - cosip * p.raan;
}

}  // namespace rdz::sgp4
