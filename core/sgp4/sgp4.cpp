#include "core/sgp4/sgp4.h"

#include <cmath>
#include <numbers>

namespace rdz::sgp4 {
namespace {

constexpr double kXke = wgs72::Xke;
constexpr double kVelocity = wgs72::EarthRadius * kXke / 60.0;  // km/s per Earth radius per minute
constexpr double kJ3oJ2 = wgs72::J3 / wgs72::J2;
constexpr double kJulian1950 = 2433281.5;

// The long-period coefficient divides by 1 + cos i: keep it finite at i = 180 degrees.
double LongPeriodCoefficient(double sini, double cosi) {
  const double d = std::fabs(cosi + 1.0) > 1.5e-12 ? 1.0 + cosi : 1.5e-12;
  return -0.25 * kJ3oJ2 * sini * (3.0 + 5.0 * cosi) / d;
}

struct SinCos {
  double sin, cos;
};

// The sine and cosine of a + d from those of a: the short-period corrections
// are small, and their series (to d^8, exact to the last bit below 1e-2) is
// far cheaper than the functions.
inline SinCos Turned(SinCos a, double d) {
  if (!(std::fabs(d) < 1e-2)) {
    const double angle = std::atan2(a.sin, a.cos) + d;
    return {std::sin(angle), std::cos(angle)};
  }
  // In powers of d^2 and d^4 side by side: a short chain of dependent
  // operations rather than one long nest.
  const double d2 = d * d, d4 = d2 * d2;
  const double sd = d * ((1.0 - d2 * (1.0 / 6.0)) + d4 * ((1.0 / 120.0) - d2 * (1.0 / 5040.0)));
  const double cd = (1.0 - d2 * 0.5) + d4 * (((1.0 / 24.0) - d2 * (1.0 / 720.0)) + d4 * (1.0 / 40320.0));
  return {a.sin * cd + a.cos * sd, a.cos * cd - a.sin * sd};
}

// std::fmod(a, TwoPi), bit for bit, without its slow long division: the
// remainder is a multiple of TwoPi's last bit and below 8, so one fused
// multiply-add gives it exactly once the quotient is right.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
// The fused multiply-add is one instruction where the processor has it.
__attribute__((target_clones("fma", "default")))
#endif
double Fmod2Pi(double a) {
  if (!(std::fabs(a) < 1e15)) return std::fmod(a, TwoPi);
  const double q = std::trunc(a * (1.0 / TwoPi));
  double r = std::fma(-q, TwoPi, a);
  if (a >= 0.0) {
    if (r < 0.0) r = std::fma(-(q - 1.0), TwoPi, a);
    if (r >= TwoPi) r = std::fma(-(q + 1.0), TwoPi, a);
  } else {
    if (r > 0.0) r = std::fma(-(q + 1.0), TwoPi, a);
    if (r <= -TwoPi) r = std::fma(-(q - 1.0), TwoPi, a);
  }
  return r == 0.0 ? std::copysign(0.0, a) : r;
}

// An angle brought into 0..2 pi.
double Wrap(double a) {
  // What the division below gives for the angles reduced already.
  if (a > 0.0 && a < TwoPi) return a;
  if (a < 0.0 && a > -TwoPi) {
    a += TwoPi;
    return a < TwoPi ? a : 0.0;
  }
  a -= TwoPi * std::floor(a / TwoPi);
  return a < TwoPi ? a : 0.0;
}

}  // namespace

double GreenwichSiderealTime(double julianDate) {
  const double t = (julianDate - 2451545.0) / 36525.0;
  const double seconds = -6.2e-6 * t * t * t + 0.093104 * t * t +
                         (876600.0 * 3600.0 + 8640184.812866) * t + 67310.54841;
  double g = Fmod2Pi(seconds * (std::numbers::pi / 180.0) / 240.0);
  if (g < 0.0) g += TwoPi;
  return g;
}

Propagator::Propagator(const Elements& elements) : el_(elements) {
  const double ecco = el_.eccentricity;
  if (!(el_.meanMotion > 0.0)) {
    initError_ = Error::MeanMotion;
    return;
  }
  if (!(ecco >= 0.0 && ecco < 1.0)) {
    initError_ = Error::Eccentricity;
    return;
  }
  const double j2 = wgs72::J2;
  const double eccsq = ecco * ecco;
  const double omeosq = 1.0 - eccsq;
  const double rteosq = std::sqrt(omeosq);
  cosio_ = std::cos(el_.inclination);
  sinio_ = std::sin(el_.inclination);
  const double cosio2 = cosio_ * cosio_;

  // Recover the original mean motion and semi-major axis from the Kozai mean motion.
  const double ak = std::pow(kXke / el_.meanMotion, 2.0 / 3.0);
  const double d1 = 0.75 * j2 * (3.0 * cosio2 - 1.0) / (rteosq * omeosq);
  double del = d1 / (ak * ak);
  const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
  del = d1 / (adel * adel);
  noUnkozai_ = el_.meanMotion / (1.0 + del);
  // Near the Earth the mean motion stays put: its part of the semi-major axis too.
  const double ratio = kXke / noUnkozai_;
  cbrtRatioSq_ = std::cbrt(ratio * ratio);
  ao_ = std::pow(kXke / noUnkozai_, 2.0 / 3.0);
  const double po = ao_ * omeosq;
  const double con42 = 1.0 - 5.0 * cosio2;
  con41_ = 3.0 * cosio2 - 1.0;
  x1mth2_ = 1.0 - cosio2;
  x7thm1_ = 7.0 * cosio2 - 1.0;
  const double posq = po * po;
  const double rp = ao_ * (1.0 - ecco);
  gsto_ = GreenwichSiderealTime(el_.epochDays1950 + kJulian1950);

  // Atmospheric density: the fitted altitude s is lowered for low perigees.
  simple_ = rp < 220.0 / wgs72::EarthRadius + 1.0;
  double sfour = 78.0 / wgs72::EarthRadius + 1.0;
  double qzms24 = std::pow((120.0 - 78.0) / wgs72::EarthRadius, 4.0);
  const double perigee = (rp - 1.0) * wgs72::EarthRadius;
  if (perigee < 156.0) {
    sfour = perigee < 98.0 ? 20.0 : perigee - 78.0;
    qzms24 = std::pow((120.0 - sfour) / wgs72::EarthRadius, 4.0);
    sfour = sfour / wgs72::EarthRadius + 1.0;
  }
  const double pinvsq = 1.0 / posq;
  const double tsi = 1.0 / (ao_ - sfour);
  eta_ = ao_ * ecco * tsi;
  const double etasq = eta_ * eta_;
  const double eeta = ecco * eta_;
  const double psisq = std::fabs(1.0 - etasq);
  const double coef = qzms24 * std::pow(tsi, 4.0);
  const double coef1 = coef / std::pow(psisq, 3.5);
  const double cc2 =
      coef1 * noUnkozai_ *
      (ao_ * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
       0.375 * j2 * tsi / psisq * con41_ * (8.0 + 3.0 * etasq * (8.0 + etasq)));
  cc1_ = el_.bstar * cc2;
  double cc3 = 0.0;
  if (ecco > 1.0e-4) cc3 = -2.0 * coef * tsi * kJ3oJ2 * noUnkozai_ * sinio_ / ecco;
  cc4_ = 2.0 * noUnkozai_ * coef1 * ao_ * omeosq *
         (eta_ * (2.0 + 0.5 * etasq) + ecco * (0.5 + 2.0 * etasq) -
          j2 * tsi / (ao_ * psisq) *
              (-3.0 * con41_ * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
               0.75 * x1mth2_ * (2.0 * etasq - eeta * (1.0 + etasq)) *
                   std::cos(2.0 * el_.argPerigee)));
  cc5_ = 2.0 * coef1 * ao_ * omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);

  // Secular rates from J2 and J4
  const double cosio4 = cosio2 * cosio2;
  const double temp1 = 1.5 * j2 * pinvsq * noUnkozai_;
  const double temp2 = 0.5 * temp1 * j2 * pinvsq;
  const double temp3 = -0.46875 * wgs72::J4 * pinvsq * pinvsq * noUnkozai_;
  mdot_ = noUnkozai_ + 0.5 * temp1 * rteosq * con41_ +
          0.0625 * temp2 * rteosq * (13.0 - 78.0 * cosio2 + 137.0 * cosio4);
  argpdot_ = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * cosio2 + 395.0 * cosio4) +
             temp3 * (3.0 - 36.0 * cosio2 + 49.0 * cosio4);
  const double xhdot1 = -temp1 * cosio_;
  nodedot_ = xhdot1 + (0.5 * temp2 * (4.0 - 19.0 * cosio2) + 2.0 * temp3 * (3.0 - 7.0 * cosio2)) *
                          cosio_;
  omgcof_ = el_.bstar * cc3 * std::cos(el_.argPerigee);
  if (ecco > 1.0e-4) xmcof_ = -2.0 / 3.0 * coef * el_.bstar / eeta;
  nodecf_ = 3.5 * omeosq * xhdot1 * cc1_;
  t2cof_ = 1.5 * cc1_;
  xlcof_ = LongPeriodCoefficient(sinio_, cosio_);
  aycof_ = -0.5 * kJ3oJ2 * sinio_;
  delmo_ = std::pow(1.0 + eta_ * std::cos(el_.meanAnomaly), 3.0);
  sinmao_ = std::sin(el_.meanAnomaly);

  if (TwoPi / noUnkozai_ >= 225.0) {
    simple_ = true;
    DeepSpaceInput in;
    in.epochDays1950 = el_.epochDays1950;
    in.gmst = gsto_;
    in.eccentricity = ecco;
    in.inclination = el_.inclination;
    in.raan = el_.raan;
    in.argPerigee = el_.argPerigee;
    in.meanAnomaly = el_.meanAnomaly;
    in.meanMotion = noUnkozai_;
    in.mdot = mdot_;
    in.argpdot = argpdot_;
    in.nodedot = nodedot_;
    deep_.Setup(in);
  }

  if (!simple_) {
    const double cc1sq = cc1_ * cc1_;
    d2_ = 4.0 * ao_ * tsi * cc1sq;
    const double temp = d2_ * tsi * cc1_ / 3.0;
    d3_ = (17.0 * ao_ + sfour) * temp;
    d4_ = 0.5 * temp * ao_ * tsi * (221.0 * ao_ + 31.0 * sfour) * cc1_;
    t3cof_ = d2_ + 2.0 * cc1sq;
    t4cof_ = 0.25 * (3.0 * d3_ + cc1_ * (12.0 * d2_ + 10.0 * cc1sq));
    t5cof_ = 0.2 * (3.0 * d4_ + 12.0 * cc1_ * d3_ + 6.0 * d2_ * d2_ +
                    15.0 * cc1sq * (2.0 * d2_ + cc1sq));
  }
  initError_ = At(0.0).error;
}

State Propagator::At(double t, ResonanceCursor* cursor) const {
  State out;
  if (initError_ != Error::None) {
    out.error = initError_;
    return out;
  }
  // Secular gravity and drag
  const double xmdf = el_.meanAnomaly + mdot_ * t;
  const double argpdf = el_.argPerigee + argpdot_ * t;
  const double nodedf = el_.raan + nodedot_ * t;
  const double t2 = t * t;
  double argpm = argpdf;
  double mm = xmdf;
  double nodem = nodedf + nodecf_ * t2;
  double tempa = 1.0 - cc1_ * t;
  double tempe = el_.bstar * cc4_ * t;
  double templ = t2cof_ * t2;
  if (!simple_) {
    const double delomg = omgcof_ * t;
    const SinCos m{std::sin(xmdf), std::cos(xmdf)};
    const double delmtemp = 1.0 + eta_ * m.cos;
    const double delm = xmcof_ * (delmtemp * delmtemp * delmtemp - delmo_);
    mm = xmdf + delomg + delm;
    const double sinmm = std::fabs(delomg + delm) < 1e-2 ? Turned(m, delomg + delm).sin : std::sin(mm);
    argpm = argpdf - delomg - delm;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    tempa -= d2_ * t2 + d3_ * t3 + d4_ * t4;
    tempe += el_.bstar * cc5_ * (sinmm - sinmao_);
    templ += t3cof_ * t3 + t4 * (t4cof_ + t * t5cof_);
  }
  double nm = noUnkozai_;
  double em = el_.eccentricity;
  double inclm = el_.inclination;
  if (deep_.active) {
    MeanState s{em, inclm, nodem, argpm, mm, nm};
    deep_.Secular(t, s, cursor);
    em = s.eccentricity;
    inclm = s.inclination;
    nodem = s.raan;
    argpm = s.argPerigee;
    mm = s.meanAnomaly;
    nm = s.meanMotion;
  }
  if (!(nm > 0.0)) {
    out.error = Error::MeanMotion;
    return out;
  }
  const double ratio = kXke / nm;
  const double am = (deep_.active ? std::cbrt(ratio * ratio) : cbrtRatioSq_) * tempa * tempa;
  nm = kXke / (am * std::sqrt(am));
  em -= tempe;
  if (!(em < 1.0 && em >= -0.001)) {
    out.error = Error::Eccentricity;
    return out;
  }
  if (em < 1.0e-6) em = 1.0e-6;
  mm += noUnkozai_ * templ;
  double xlm = mm + argpm + nodem;
  nodem = Fmod2Pi(nodem);
  argpm = Fmod2Pi(argpm);
  xlm = Fmod2Pi(xlm);
  mm = Fmod2Pi(xlm - argpm - nodem);

  // Lunar-solar periodics
  PeriodicState p{em, inclm, nodem, argpm, mm};
  // The inclination changes only in deep space, where both are made again below.
  double sinip = sinio_, cosip = cosio_;
  double aycof = aycof_, xlcof = xlcof_;
  double con41 = con41_, x1mth2 = x1mth2_, x7thm1 = x7thm1_;
  if (deep_.active) {
    deep_.Periodic(t, p);
    if (p.inclination < 0.0) {
      p.inclination = -p.inclination;
      p.raan += std::numbers::pi;
      p.argPerigee -= std::numbers::pi;
    }
    if (!(p.eccentricity >= 0.0 && p.eccentricity <= 1.0)) {
      out.error = Error::PerturbedEccentricity;
      return out;
    }
    sinip = std::sin(p.inclination);
    cosip = std::cos(p.inclination);
    aycof = -0.5 * kJ3oJ2 * sinip;
    xlcof = LongPeriodCoefficient(sinip, cosip);
    const double cosisq = cosip * cosip;
    con41 = 3.0 * cosisq - 1.0;
    x1mth2 = 1.0 - cosisq;
    x7thm1 = 7.0 * cosisq - 1.0;
  }
  const double ep = p.eccentricity;
  out.semiAxis = am;
  out.meanMotion = nm;
  out.eccentricity = ep;

  // Long-period periodics
  const double axnl = ep * std::cos(p.argPerigee);
  double temp = 1.0 / (am * (1.0 - ep * ep));
  const double aynl = ep * std::sin(p.argPerigee) + temp * aycof;
  const double xl = p.meanAnomaly + p.argPerigee + p.raan + temp * xlcof * axnl;

  // Kepler's equation in the equinoctial form, with the step limited for high eccentricity.
  const double u = Fmod2Pi(xl - p.raan);
  // Once the steps are small, the sine and cosine are turned on by each step
  // (its series to the fifth power, exact to the last bit) instead of computed again.
  double eo1 = u, sineo1 = 0.0, coseo1 = 0.0;
  double tem5 = 9999.9;
  for (int k = 0; k < 10 && std::fabs(tem5) >= 1.0e-12; ++k) {
    if (std::fabs(tem5) < 1.0e-3) {
      const double d2 = tem5 * tem5;
      const double sd = tem5 * (1.0 - d2 * (1.0 / 6.0) * (1.0 - d2 * (1.0 / 20.0)));
      const double cd = 1.0 - d2 * 0.5 * (1.0 - d2 * (1.0 / 12.0));
      const double s = sineo1 * cd + coseo1 * sd;
      coseo1 = coseo1 * cd - sineo1 * sd;
      sineo1 = s;
    } else {
      sineo1 = std::sin(eo1);
      coseo1 = std::cos(eo1);
    }
    tem5 = (u - aynl * coseo1 + axnl * sineo1 - eo1) / (1.0 - coseo1 * axnl - sineo1 * aynl);
    if (std::fabs(tem5) >= 0.95) tem5 = tem5 > 0.0 ? 0.95 : -0.95;
    eo1 += tem5;
  }

  // Short-period periodics
  const double ecose = axnl * coseo1 + aynl * sineo1;
  const double esine = axnl * sineo1 - aynl * coseo1;
  const double el2 = axnl * axnl + aynl * aynl;
  const double pl = am * (1.0 - el2);
  if (pl < 0.0) {
    out.error = Error::SemiLatusRectum;
    return out;
  }
  const double rl = am * (1.0 - ecose);
  const double rdotl = std::sqrt(am) * esine / rl;
  const double rvdotl = std::sqrt(pl) / rl;
  const double betal = std::sqrt(1.0 - el2);
  temp = esine / (1.0 + betal);
  const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
  const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
  const double sin2u = (cosu + cosu) * sinu;
  const double cos2u = 1.0 - 2.0 * sinu * sinu;
  temp = 1.0 / pl;
  const double temp1 = 0.5 * wgs72::J2 * temp;
  const double temp2 = temp1 * temp;

  const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
  const double norm = std::sqrt(sinu * sinu + cosu * cosu);
  const auto [sinsu, cossu] = Turned({sinu / norm, cosu / norm}, -0.25 * temp2 * x7thm1 * sin2u);
  const double xnode = p.raan + 1.5 * temp2 * cosip * sin2u;
  const auto [sini, cosi] = Turned({sinip, cosip}, 1.5 * temp2 * cosip * sinip * cos2u);
  const double mvt = rdotl - nm * temp1 * x1mth2 * sin2u / kXke;
  const double rvdot = rvdotl + nm * temp1 * (x1mth2 * cos2u + 1.5 * con41) / kXke;

  // Orientation vectors
  const double snod = std::sin(xnode), cnod = std::cos(xnode);
  const double xmx = -snod * cosi;
  const double xmy = cnod * cosi;
  const double ux = xmx * sinsu + cnod * cossu;
  const double uy = xmy * sinsu + snod * cossu;
  const double uz = sini * sinsu;
  const double vx = xmx * cossu - cnod * sinsu;
  const double vy = xmy * cossu - snod * sinsu;
  const double vz = sini * cossu;
  const double r = mrt * wgs72::EarthRadius;
  out.position = {r * ux, r * uy, r * uz};
  out.velocity = {(mvt * ux + rvdot * vx) * kVelocity, (mvt * uy + rvdot * vy) * kVelocity,
                  (mvt * uz + rvdot * vz) * kVelocity};
  out.inclination = p.inclination;
  out.raan = Wrap(p.raan);
  out.argPerigee = Wrap(p.argPerigee);
  out.meanAnomaly = Wrap(p.meanAnomaly);
  // Whole revolutions: the secular drift says roughly how many, the reduced anomaly where.
  const double drift = (mdot_ + deep_.dmdt) * t + noUnkozai_ * templ;
  out.revolutions = std::nearbyint((Wrap(el_.meanAnomaly) + drift - out.meanAnomaly) / TwoPi);
  if (mrt < 1.0) out.error = Error::Decayed;
  if (!std::isfinite(mrt) || !std::isfinite(mvt) || !std::isfinite(rvdot) || !std::isfinite(sinsu))
    out.error = Error::NotFinite;
  return out;
}

}  // namespace rdz::sgp4
