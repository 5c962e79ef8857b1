#include "core/orbit/engine.h"
#include "core/orbit/sgp4_model.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>

namespace rdz {

using namespace model;

namespace {

constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};

// Dot products of unit vectors can land a few ulps outside [-1, 1]; asin and
// sqrt(1 - x^2) must still give the limit values there, not NaN.
constexpr double kUnitSlack = 1e-9;

constexpr double EarthTurnRate = 7.2921159e-5;  // radians per second

const double cosObliquity = std::cos(Obliquity * Rad);
const double sinObliquity = std::sin(Obliquity * Rad);

double ClampUnit(double x) {
  if (x > 1.0 && x <= 1.0 + kUnitSlack) return 1.0;
  if (x < -1.0 && x >= -1.0 - kUnitSlack) return -1.0;
  return x;  // further out stays out, so asin gives NaN and the run fails
}

double Dot(const std::array<double, 3>& a, double x, double y, double z) {
  return a[0] * x + a[1] * y + a[2] * z;
}

// Converting a NaN or an out-of-range double to int is undefined behaviour.
bool ToInt(double x, int& out) {
  if (!(x >= static_cast<double>(INT_MIN) && x <= static_cast<double>(INT_MAX))) return false;
  out = static_cast<int>(x);
  return true;
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Kepler's equation E - e sin E = M where plain Newton has run off: the root
// lies in [M - e, M + e], where the left side only grows. Newton steps that
// stay inside the shrinking bracket, halving otherwise; the same stop rule.
double SolveKeplerBracketed(double m, double ec) {
  double lo = m - ec, hi = m + ec, ea = m;
  for (int i = 0; i < 400; ++i) {
    const double f = ea - ec * std::sin(ea) - m;
    if (f == 0.0) return ea;
    (f > 0.0 ? hi : lo) = ea;
    const double d = f / (1.0 - ec * std::cos(ea));
    const double next = ea - d;
    if (next > lo && next < hi) {
      ea = next;
      if (std::fabs(d) <= KeplerTolerance) return ea;
    } else {
      ea = 0.5 * (lo + hi);
    }
  }
  return ea;
}

// The attitude (ALAT, ALON) points the axis away from the Earth at ALAT 0, ALON 180.
std::array<double, 3> AntennaAxis(const ElementSet& sat) {
  const double alat = sat.Alat * Rad;
  const double alon = sat.Alon * Rad;
  return {-std::cos(alat) * std::cos(alon), -std::cos(alat) * std::sin(alon), -std::sin(alat)};
}

// The per-satellite setup; nothing where an intermediate is not finite.
std::optional<KeplerOrbit> OrbitOf(const ElementSet& sat) {
  KeplerOrbit o;
  double a0 = sat.SemiAxis;
  if (a0 == 0.0) a0 = std::pow(SemiAxisConstant / sat.MeanMotion, 2.0 / 3.0);
  o.raanAtEpoch = sat.Raan * Rad;
  o.meanAnomalyAtEpoch = sat.MeanAnomaly * Rad;
  const double in = sat.Inclination * Rad;
  o.argPerigeeAtEpoch = sat.ArgPerigee * Rad;
  o.eccentricity = sat.Eccentricity;
  o.meanMotion = sat.MeanMotion * 2.0 * Pi;
  const double m2 = sat.DecayRate * 2.0 * Pi;
  const double b0 = a0 * std::sqrt(1.0 - o.eccentricity * o.eccentricity);
  o.sinInclination = std::sin(in);
  o.cosInclination = std::cos(in);
  // J2 turns the node and the perigee; drag speeds the satellite up.
  double pc = EarthRadius * a0 / (b0 * b0);
  pc = 1.5 * J2 * pc * pc * o.meanMotion;
  o.raanRate = -pc * o.cosInclination;
  o.perigeeRate = pc * (5.0 * o.cosInclination * o.cosInclination - 1.0) / 2.0;
  o.decay = m2 / o.meanMotion / 3.0;
  // Greenwich and the Sun at the epoch, in days from the model's base year.
  const double teg = YearDayCount(sat.EpochYear) - YearDayCount(BaseYear) + sat.EpochDay;
  o.greenwichAtEpoch = BaseGhaa * Rad + teg * EarthRotRate;
  o.sunLongitudeAtEpoch = BaseGhaa * Rad + teg * SunRate + Pi;
  o.sunAnomalyAtEpoch = (BaseSunAnomaly + SunAnomalyRate * teg) * Rad;
  if (!AllFinite({a0, b0, pc, o.decay, teg})) return std::nullopt;
  o.semiMajorAxis = a0;
  o.semiMinorAxis = b0;
  o.epochDay = sat.EpochDay;
  o.epochYearDays = YearDayCount(sat.EpochYear);
  o.epochRevolution = sat.EpochRev;
  o.antenna = AntennaAxis(sat);
  return o;
}

// The instant's steps, in the order they are taken.

// Days since the epoch and the drag terms at that time.
struct Elapsed {
  double t;
  double dt;   // decay * t / 2
  double kd;   // the axes shrink by this factor
  double kdp;  // the precessions speed up by this one
};

Elapsed ElapsedSince(const KeplerOrbit& o, int year, double tn) {
  const double t = YearDayCount(year) - o.epochYearDays + (tn - o.epochDay);
  const double dt = o.decay * t / 2.0;
  const double kd = 1.0 - 4.0 * dt;
  const double kdp = 1.0 + 7.0 * dt;
  return {t, dt, kd, kdp};
}

struct Phase {
  double meanAnomaly;  // 0 <= M < 2 pi
  double revolution;
};

std::optional<Phase> PhaseAt(const KeplerOrbit& o, const Elapsed& e) {
  double m = o.meanAnomalyAtEpoch + o.meanMotion * e.t * (1.0 + 3.0 * e.dt);
  double dr = std::floor(m / (2.0 * Pi));
  m = m - dr * 2.0 * Pi;
  // The quotient can round across a revolution boundary; keep 0 <= M < 2 pi.
  if (m < 0.0) {
    m += 2.0 * Pi;
    dr -= 1.0;
  } else if (m >= 2.0 * Pi) {
    m -= 2.0 * Pi;
    dr += 1.0;
  }
  if (!(m >= 0.0 && m < 2.0 * Pi)) return std::nullopt;  // no precision left in M
  return Phase{m, o.epochRevolution + dr};
}

// Kepler's equation by Newton from E = M, bracketed where that runs off.
std::optional<double> EccentricAnomaly(double m, double ec) {
  double ea = m;
  double d = 0.0;
  int passes = 0;
  do {
    if (++passes > KeplerMaxPasses) {
      ea = SolveKeplerBracketed(m, ec);
      break;
    }
    const double cose = std::cos(ea);
    const double sine = std::sin(ea);
    d = (ea - ec * sine - m) / (1.0 - ec * cose);
    if (!std::isfinite(d)) return std::nullopt;
    ea = ea - d;
  } while (std::fabs(d) > KeplerTolerance);
  if (!std::isfinite(ea)) return std::nullopt;
  return ea;
}

// The satellite on the orbit's plane, perigee along x, shrunk by drag.
struct InPlane {
  double cose, sine;  // of the eccentric anomaly
  double x, y;
};

InPlane InOrbitPlane(const KeplerOrbit& o, const Elapsed& e, double ea) {
  const double cose = std::cos(ea);
  const double sine = std::sin(ea);
  const double cx = o.semiMajorAxis * (cose - o.eccentricity) * e.kd;
  const double cy = o.semiMinorAxis * sine * e.kd;
  return {cose, sine, cx, cy};
}

// Satellite and antenna axis turned by the perigee and the inclination onto
// the node's axes, then by the node less Greenwich onto the Earth-fixed ones.
struct Turned {
  double cw, sw;                   // of the argument of perigee
  double x, y0;                    // after the perigee turn
  double raan, cq, sq;             // the node; cos and sin of node less Greenwich
  std::array<double, 3> position;  // Earth-fixed, km
  double ax1, ay2, az1;            // antenna axis on the node's axes
};

Turned TurnToEarth(const KeplerOrbit& o, const Elapsed& e, const InPlane& p) {
  Turned r;
  const double ap = o.argPerigeeAtEpoch + o.perigeeRate * e.t * e.kdp;
  r.cw = std::cos(ap);
  r.sw = std::sin(ap);
  r.x = p.x * r.cw - p.y * r.sw;
  double y = p.x * r.sw + p.y * r.cw;
  r.y0 = y;
  const auto& [ax, ay, az] = o.antenna;
  r.ax1 = ax * r.cw - ay * r.sw;
  const double ay1 = ax * r.sw + ay * r.cw;

  const double z = y * o.sinInclination;
  y = y * o.cosInclination;
  r.az1 = ay1 * o.sinInclination + az * o.cosInclination;
  r.ay2 = ay1 * o.cosInclination - az * o.sinInclination;

  r.raan = o.raanAtEpoch + o.raanRate * e.t * e.kdp;
  const double ghaa = o.greenwichAtEpoch + EarthRotRate * e.t;

  const double q = r.raan - ghaa;
  r.cq = std::cos(q);
  r.sq = std::sin(q);
  r.position = {r.x * r.cq - y * r.sq, r.x * r.sq + y * r.cq, z};
  return r;
}

struct Sighting {
  std::array<double, 3> toSatellite;  // km from the station
  double range;
  std::array<double, 3> unit;
  double azimuth, elevation;
};

Sighting SightFrom(const EngineContext& engine, const std::array<double, 3>& satellite) {
  Sighting s;
  const auto& o = engine.StationPosition;
  const double rx0 = satellite[0] - o[0], ry0 = satellite[1] - o[1], rz0 = satellite[2] - o[2];
  s.toSatellite = {rx0, ry0, rz0};
  s.range = std::sqrt(rx0 * rx0 + ry0 * ry0 + rz0 * rz0);
  const double rx = rx0 / s.range, ry = ry0 / s.range, rz = rz0 / s.range;
  s.unit = {rx, ry, rz};
  const double u = ClampUnit(Dot(engine.Up, rx, ry, rz));
  const double e = Dot(engine.East, rx, ry, rz);
  const double n = Dot(engine.North, rx, ry, rz);

  if (n != 0.0) {
    s.azimuth = Deg * std::atan(e / n);
    if (n < 0.0) s.azimuth += 180.0;
    if (s.azimuth < 0.0) s.azimuth += 360.0;
  } else if (e > 0.0) {
    s.azimuth = 90.0;
  } else if (e < 0.0) {
    s.azimuth = 270.0;
  } else {
    s.azimuth = 0.0;  // straight up or down: any azimuth is right
  }
  s.elevation = Deg * std::asin(u);
  return s;
}

// Earth-fixed velocity (km per day) from the time derivatives of the same
// expressions, so that nothing above changes.
std::array<double, 3> VelocityPerDay(const KeplerOrbit& o, const Elapsed& e, const InPlane& p,
                                     const Turned& r) {
  const double a0 = o.semiMajorAxis, b0 = o.semiMinorAxis, ec = o.eccentricity;
  const double dm = o.meanMotion * (1.0 + 6.0 * e.dt);
  const double de = dm / (1.0 - ec * p.cose);
  const double dcx = -a0 * p.sine * de * e.kd - a0 * (p.cose - ec) * 2.0 * o.decay;
  const double dcy = b0 * p.cose * de * e.kd - b0 * p.sine * 2.0 * o.decay;
  const double dap = o.perigeeRate * (1.0 + 14.0 * e.dt);
  const double dx = dcx * r.cw - dcy * r.sw - dap * r.y0;
  const double dy0 = dcx * r.sw + dcy * r.cw + dap * r.x;
  const double dq = o.raanRate * (1.0 + 14.0 * e.dt) - EarthRotRate;
  const double dyc = dy0 * o.cosInclination;
  const auto& [sx, sy, sz] = r.position;
  const double dsx = dx * r.cq - dyc * r.sq - dq * sy;
  const double dsy = dx * r.sq + dyc * r.cq + dq * sx;
  const double dsz = dy0 * o.sinInclination;
  return {dsx, dsy, dsz};
}

// How much of the Sun the antenna axis sees side-on: 1 when the Sun is
// square to it, 0 when it lies along it.
double Illumination(const KeplerOrbit& o, double t, const Turned& r) {
  const double cr = std::cos(r.raan);
  const double sr = std::sin(r.raan);
  const double acx = r.ax1 * cr - r.ay2 * sr;
  const double acy = r.ax1 * sr + r.ay2 * cr;
  const double acz = r.az1;

  const double mas = o.sunAnomalyAtEpoch + SunAnomalyRate * Rad * t;
  const double tas = o.sunLongitudeAtEpoch + SunRate * t + SunEqc1 * std::sin(mas) +
                     SunEqc2 * std::sin(2.0 * mas) + SunEqc3 * std::sin(3.0 * mas);
  const double sunx = std::cos(tas);
  const double suny = std::sin(tas) * cosObliquity;
  const double sunz = std::sin(tas) * sinObliquity;
  const double ssa = ClampUnit(acx * sunx + acy * suny + acz * sunz);
  return std::sqrt(1.0 - ssa * ssa);
}

// Degrees between the antenna axis and the direction to the station.
double Squint(const Turned& r, const Sighting& s) {
  const double axe = r.ax1 * r.cq - r.ay2 * r.sq;
  const double aye = r.ax1 * r.sq + r.ay2 * r.cq;
  const double aze = r.az1;
  const auto& [rx, ry, rz] = s.unit;
  const double sqArg = ClampUnit(-(axe * rx + aye * ry + aze * rz));
  return Deg * (SquintOffset - std::asin(sqArg));
}

}  // namespace

std::optional<SatState> RoundSatState(const RawSatState& raw) {
  SatState s;
  // M * 128 / pi can round up to 256 for M just below 2 pi.
  const double ma256 = std::fmin(std::floor(raw.phase), 255.0);
  if (!ToInt(std::nearbyint(raw.azimuth), s.AZ) || !ToInt(std::nearbyint(raw.elevation), s.EL) ||
      !ToInt(ma256, s.MA) || !ToInt(std::floor(raw.height + 0.5), s.HGT) ||
      !ToInt(std::floor(raw.range + 0.5), s.RANGE) ||
      !ToInt(std::floor(raw.illumination + 0.5), s.ILL) ||
      !ToInt(std::floor(raw.squint + 0.5), s.SQ) || !ToInt(std::nearbyint(raw.subLatitude), s.LA) ||
      !ToInt(std::nearbyint(raw.subLongitude), s.LO)) {
    return std::nullopt;
  }
  s.RN = raw.revolution;
  return s;
}

EngineContext SetupEngine(const Observer& station) {
  EngineContext engine;
  engine.DaysBeforeMonth = kDaysBeforeMonth;

  const double lat = station.LA.value_or(0.0) * Rad;
  const double lon = station.LO.value_or(0.0) * Rad;
  const double h = station.HT.value_or(0.0) / 1000.0;
  const double cl = std::cos(lat), sl = std::sin(lat);
  const double co = std::cos(lon), so = std::sin(lon);
  const double d =
      std::sqrt(EarthRadius * EarthRadius * cl * cl + PolarRadius * PolarRadius * sl * sl);
  const double rx = EarthRadius * EarthRadius / d + h;
  const double rz = PolarRadius * PolarRadius / d + h;

  engine.Up = {cl * co, cl * so, sl};
  engine.East = {-so, co, 0.0};
  engine.North = {-sl * co, -sl * so, cl};
  engine.StationPosition = {rx * cl * co, rx * cl * so, rz * sl};
  return engine;
}

double YearDayCount(double y) { return std::trunc((y - 1.0) * MeanYear); }

int DayOfYear(const EngineContext& engine, int year, int month, int day) {
  // A month outside 1..12 adds nothing rather than reading past the table.
  const int before = (month >= 1 && month <= 12) ? engine.DaysBeforeMonth[month - 1] : 0;
  int n = day + before;
  if (month > 2 && year % 4 == 0) n += 1;
  return n;
}

double TimeNow(const EngineContext& engine, int year, int month, int day, int hour, int minute,
               int second) {
  return DayOfYear(engine, year, month, day) + (hour + (minute + second / 60.0) / 60.0) / 24.0;
}

KeplerModel::KeplerModel(const ElementSet& sat) {
  // NaN fails these comparisons too.
  if (!(sat.MeanMotion > 0.0) || !(sat.Eccentricity < 1.0)) return;
  if (!AllFinite({sat.EpochYear, sat.EpochDay, sat.Inclination, sat.Raan, sat.Eccentricity,
                  sat.ArgPerigee, sat.MeanAnomaly, sat.MeanMotion, sat.DecayRate, sat.EpochRev,
                  sat.SemiAxis, sat.Alat, sat.Alon})) {
    return;
  }
  orbit_ = OrbitOf(sat);
}

std::optional<Propagation> KeplerModel::At(const EngineContext& station,
                                           const CivilTime& utc) const {
  const double tn =
      TimeNow(station, utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
  return AtDay(station, utc.year, tn);
}

std::optional<Propagation> KeplerModel::AtDay(const EngineContext& engine, int year,
                                              double tn) const {
  return Compute(engine, year, tn, nullptr);
}

std::optional<LookAngles> KeplerModel::Look(const EngineContext& station,
                                            const CivilTime& utc) const {
  const double tn =
      TimeNow(station, utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
  LookAngles look;
  if (!Compute(station, utc.year, tn, &look)) return std::nullopt;
  return look;
}

std::optional<Propagation> KeplerModel::Compute(const EngineContext& engine, int year, double tn,
                                                LookAngles* lookOnly) const {
  if (!orbit_ || !std::isfinite(tn)) return std::nullopt;
  const KeplerOrbit& o = *orbit_;
  const Elapsed elapsed = ElapsedSince(o, year, tn);
  const auto phase = PhaseAt(o, elapsed);
  if (!phase) return std::nullopt;
  const auto ea = EccentricAnomaly(phase->meanAnomaly, o.eccentricity);
  if (!ea) return std::nullopt;
  const InPlane inPlane = InOrbitPlane(o, elapsed, *ea);
  const Turned turned = TurnToEarth(o, elapsed, inPlane);
  const auto& [sx, sy, sz] = turned.position;
  const Sighting sight = SightFrom(engine, turned.position);
  const auto [dsx, dsy, dsz] = VelocityPerDay(o, elapsed, inPlane, turned);
  const auto& [rx0, ry0, rz0] = sight.toSatellite;
  const double rangeRate = (rx0 * dsx + ry0 * dsy + rz0 * dsz) / sight.range / 86400.0;

  if (lookOnly != nullptr) {
    if (!AllFinite({rangeRate, sight.azimuth, sight.elevation, sight.range})) return std::nullopt;
    constexpr double kPerDay = 1.0 / 86400.0;
    *lookOnly = {sight.azimuth, sight.elevation, sight.range, rangeRate, {sx, sy, sz},
                 {dsx * kPerDay, dsy * kPerDay, dsz * kPerDay}};
    return Propagation{};
  }

  const double rs = std::sqrt(sx * sx + sy * sy + sz * sz);
  Propagation p;
  RawSatState& raw = p.raw;
  raw.azimuth = sight.azimuth;
  raw.elevation = sight.elevation;
  raw.range = sight.range;
  raw.height = rs - EarthRadius;
  raw.subLatitude = Deg * std::asin(ClampUnit(sz / rs));
  raw.subLongitude = Deg * std::atan2(sy, sx);
  raw.phase = phase->meanAnomaly * 128.0 / Pi;
  raw.illumination = 100.0 * Illumination(o, elapsed.t, turned);
  raw.squint = Squint(turned, sight);
  raw.revolution = phase->revolution;
  raw.meanAnomaly = phase->meanAnomaly;
  raw.rangeRate = rangeRate;
  if (!AllFinite({rangeRate, raw.azimuth, raw.elevation, raw.range, raw.height, raw.subLatitude,
                  raw.subLongitude, raw.phase, raw.illumination, raw.squint, raw.revolution})) {
    return std::nullopt;
  }

  const auto rounded = RoundSatState(raw);
  if (!rounded) return std::nullopt;
  p.state = *rounded;
  return p;
}

std::optional<OrbitLimits> KeplerModel::Limits(const EngineContext& engine, std::int64_t from,
                                               std::int64_t to) const {
  // The orbit is Kepler's ellipse scaled by the drag factor kd and turned by the
  // precessions; its fastest turning is at perigee.
  if (!orbit_) return std::nullopt;
  const KeplerOrbit& o = *orbit_;
  const double ec = o.eccentricity;
  if (!(ec >= 0 && ec < 0.99)) return std::nullopt;
  const auto daysSinceEpoch = [&](std::int64_t unix) {
    const CivilTime t = CivilFromUnix(unix);
    return YearDayCount(t.year) - o.epochYearDays +
           (TimeNow(engine, t.year, t.month, t.day, t.hour, t.minute, t.second) - o.epochDay);
  };
  const double dt1 = o.decay * daysSinceEpoch(from) / 2.0;
  const double dt2 = o.decay * daysSinceEpoch(to) / 2.0;
  const double kdMin = 1.0 - 4.0 * std::max(dt1, dt2);
  const double kdMax = 1.0 - 4.0 * std::min(dt1, dt2);
  const double dtMax = std::max(std::fabs(dt1), std::fabs(dt2));
  if (!(kdMin > 0.1) || !(dtMax < 1.0)) return std::nullopt;

  OrbitLimits l;
  const auto& [ox, oy, oz] = engine.StationPosition;
  l.stationRadius = std::sqrt(ox * ox + oy * oy + oz * oz);
  // The slack is for Kepler's tolerance.
  l.minRadius = o.semiMajorAxis * (1.0 - ec) * kdMin * 0.999;
  l.maxRadius = o.semiMajorAxis * (1.0 + ec) * kdMax * 1.001;
  const double n = o.meanMotion / 86400.0 * (1.0 + 6.0 * dtMax);
  l.maxAngularRate = 1.05 * (n * std::sqrt(1.0 + ec) / std::pow(1.0 - ec, 1.5) + EarthTurnRate);
  l.station = engine.StationPosition;
  if (!AllFinite({l.minRadius, l.maxRadius, l.maxAngularRate})) return std::nullopt;
  return l;
}

SubSolarPoint SunOverhead(int year, double tn) {
  // Days from the anchor instant; the model's own terms at that count.
  const double d = YearDayCount(year) - YearDayCount(BaseYear) + tn;
  const double mas = (BaseSunAnomaly + SunAnomalyRate * d) * Rad;
  const double tas = BaseGhaa * Rad + d * SunRate + Pi + SunEqc1 * std::sin(mas) +
                     SunEqc2 * std::sin(2.0 * mas) + SunEqc3 * std::sin(3.0 * mas);
  const double ghaa = BaseGhaa * Rad + d * EarthRotRate;
  const double x = std::cos(tas);
  const double y = std::sin(tas) * cosObliquity;
  const double z = std::sin(tas) * sinObliquity;
  const double xe = x * std::cos(ghaa) + y * std::sin(ghaa);
  const double ye = -x * std::sin(ghaa) + y * std::cos(ghaa);
  return {Deg * std::asin(ClampUnit(z)), Deg * std::atan2(ye, xe)};
}

OrbitModels MakeOrbitModels(const ElementTable& elements, int count) {
  OrbitModels models;
  const int n = std::clamp(count, 0, ElementTable::kOrbitalCapacity);
  models.reserve(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) models.push_back(MakeOrbitModel(elements[k]));
  return models;
}

std::shared_ptr<const OrbitModel> MakeOrbitModel(const ElementSet& sat) {
  if (!sat.Fault.empty()) return std::make_shared<NoOrbit>();
  if (sat.Mean) return std::make_shared<Sgp4Model>(*sat.Mean, sat.Alat, sat.Alon);
  return std::make_shared<KeplerModel>(sat);
}

}  // namespace rdz
