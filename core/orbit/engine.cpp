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
  double a0 = sat.SemiAxis;
  if (a0 == 0.0) a0 = std::pow(SemiAxisConstant / sat.MeanMotion, 2.0 / 3.0);
  ra_ = sat.Raan * Rad;
  ma_ = sat.MeanAnomaly * Rad;
  const double in = sat.Inclination * Rad;
  wp_ = sat.ArgPerigee * Rad;
  const double alat = sat.Alat * Rad;
  const double alon = sat.Alon * Rad;
  ec_ = sat.Eccentricity;
  mm_ = sat.MeanMotion * 2.0 * Pi;
  const double m2 = sat.DecayRate * 2.0 * Pi;
  const double b0 = a0 * std::sqrt(1.0 - ec_ * ec_);
  si_ = std::sin(in);
  ci_ = std::cos(in);
  double pc = EarthRadius * a0 / (b0 * b0);
  pc = 1.5 * J2 * pc * pc * mm_;
  qd_ = -pc * ci_;
  wd_ = pc * (5.0 * ci_ * ci_ - 1.0) / 2.0;
  dc_ = m2 / mm_ / 3.0;
  const double teg = YearDayCount(sat.EpochYear) - YearDayCount(BaseYear) + sat.EpochDay;
  ghae_ = BaseGhaa * Rad + teg * EarthRotRate;
  mrse_ = BaseGhaa * Rad + teg * SunRate + Pi;
  mase_ = (BaseSunAnomaly + SunAnomalyRate * teg) * Rad;
  if (!AllFinite({a0, b0, pc, dc_, teg})) return;
  a0_ = a0;
  b0_ = b0;
  epochDay_ = sat.EpochDay;
  epochDays_ = YearDayCount(sat.EpochYear);
  epochRev_ = sat.EpochRev;
  ax_ = -std::cos(alat) * std::cos(alon);
  ay_ = -std::cos(alat) * std::sin(alon);
  az_ = -std::sin(alat);
  valid_ = true;
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
  if (!valid_ || !std::isfinite(tn)) return std::nullopt;
  const double t = YearDayCount(year) - epochDays_ + (tn - epochDay_);
  const double dt = dc_ * t / 2.0;
  const double kd = 1.0 - 4.0 * dt;
  const double kdp = 1.0 + 7.0 * dt;
  double m = ma_ + mm_ * t * (1.0 + 3.0 * dt);
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
  const double rn = epochRev_ + dr;

  // Kepler's equation.
  double ea = m;
  double d = 0.0;
  int passes = 0;
  do {
    if (++passes > KeplerMaxPasses) {
      ea = SolveKeplerBracketed(m, ec_);
      break;
    }
    const double cose = std::cos(ea);
    const double sine = std::sin(ea);
    d = (ea - ec_ * sine - m) / (1.0 - ec_ * cose);
    if (!std::isfinite(d)) return std::nullopt;
    ea = ea - d;
  } while (std::fabs(d) > KeplerTolerance);
  if (!std::isfinite(ea)) return std::nullopt;
  const double cose = std::cos(ea);
  const double sine = std::sin(ea);

  const double cx = a0_ * (cose - ec_) * kd;
  const double cy = b0_ * sine * kd;

  const double ap = wp_ + wd_ * t * kdp;
  const double cw = std::cos(ap);
  const double sw = std::sin(ap);
  const double x = cx * cw - cy * sw;
  double y = cx * sw + cy * cw;
  const double ax1 = ax_ * cw - ay_ * sw;
  const double ay1 = ax_ * sw + ay_ * cw;

  const double z = y * si_;
  y = y * ci_;
  const double az1 = ay1 * si_ + az_ * ci_;
  const double ay2 = ay1 * ci_ - az_ * si_;

  const double raan = ra_ + qd_ * t * kdp;
  const double ghaa = ghae_ + EarthRotRate * t;

  const double q = raan - ghaa;
  const double cq = std::cos(q);
  const double sq = std::sin(q);
  const double sx = x * cq - y * sq;
  const double sy = x * sq + y * cq;
  const double sz = z;
  // Look angles.
  const auto& o = engine.StationPosition;
  const double rx0 = sx - o[0], ry0 = sy - o[1], rz0 = sz - o[2];
  const double range = std::sqrt(rx0 * rx0 + ry0 * ry0 + rz0 * rz0);
  const double rx = rx0 / range, ry = ry0 / range, rz = rz0 / range;
  const double u = ClampUnit(Dot(engine.Up, rx, ry, rz));
  const double e = Dot(engine.East, rx, ry, rz);
  const double n = Dot(engine.North, rx, ry, rz);

  double azimuth;
  if (n != 0.0) {
    azimuth = Deg * std::atan(e / n);
    if (n < 0.0) azimuth += 180.0;
    if (azimuth < 0.0) azimuth += 360.0;
  } else if (e > 0.0) {
    azimuth = 90.0;
  } else if (e < 0.0) {
    azimuth = 270.0;
  } else {
    azimuth = 0.0;  // straight up or down: any azimuth is right
  }
  const double elevation = Deg * std::asin(u);

  // Range rate from the time derivatives of the same expressions (per day), so
  // nothing above changes.
  const double dm = mm_ * (1.0 + 6.0 * dt);
  const double de = dm / (1.0 - ec_ * cose);
  const double dcx = -a0_ * sine * de * kd - a0_ * (cose - ec_) * 2.0 * dc_;
  const double dcy = b0_ * cose * de * kd - b0_ * sine * 2.0 * dc_;
  const double dap = wd_ * (1.0 + 14.0 * dt);
  const double y0 = cx * sw + cy * cw;
  const double dx = dcx * cw - dcy * sw - dap * y0;
  const double dy0 = dcx * sw + dcy * cw + dap * x;
  const double dq = qd_ * (1.0 + 14.0 * dt) - EarthRotRate;
  const double dyc = dy0 * ci_;
  const double dsx = dx * cq - dyc * sq - dq * sy;
  const double dsy = dx * sq + dyc * cq + dq * sx;
  const double dsz = dy0 * si_;
  const double rangeRate = (rx0 * dsx + ry0 * dsy + rz0 * dsz) / range / 86400.0;

  if (lookOnly != nullptr) {
    if (!AllFinite({rangeRate, azimuth, elevation, range})) return std::nullopt;
    constexpr double kPerDay = 1.0 / 86400.0;
    *lookOnly = {azimuth, elevation, range, rangeRate, {sx, sy, sz},
                 {dsx * kPerDay, dsy * kPerDay, dsz * kPerDay}};
    return Propagation{};
  }

  const double axe = ax1 * cq - ay2 * sq;
  const double aye = ax1 * sq + ay2 * cq;
  const double aze = az1;

  const double cr = std::cos(raan);
  const double sr = std::sin(raan);
  const double acx = ax1 * cr - ay2 * sr;
  const double acy = ax1 * sr + ay2 * cr;
  const double acz = az1;

  // Sun and illumination of the antenna axis.
  const double mas = mase_ + SunAnomalyRate * Rad * t;
  const double tas = mrse_ + SunRate * t + SunEqc1 * std::sin(mas) +
                     SunEqc2 * std::sin(2.0 * mas) + SunEqc3 * std::sin(3.0 * mas);
  const double sunx = std::cos(tas);
  const double suny = std::sin(tas) * cosObliquity;
  const double sunz = std::sin(tas) * sinObliquity;
  const double ssa = ClampUnit(acx * sunx + acy * suny + acz * sunz);
  const double illumination = std::sqrt(1.0 - ssa * ssa);

  const double rs = std::sqrt(sx * sx + sy * sy + sz * sz);
  const double subLatitude = Deg * std::asin(ClampUnit(sz / rs));
  const double subLongitude = Deg * std::atan2(sy, sx);

  const double sqArg = ClampUnit(-(axe * rx + aye * ry + aze * rz));
  const double squint = Deg * (SquintOffset - std::asin(sqArg));

  const double height = rs - EarthRadius;
  const double phase = m * 128.0 / Pi;

  Propagation p;
  RawSatState& raw = p.raw;
  raw.azimuth = azimuth;
  raw.elevation = elevation;
  raw.range = range;
  raw.height = height;
  raw.subLatitude = subLatitude;
  raw.subLongitude = subLongitude;
  raw.phase = phase;
  raw.illumination = 100.0 * illumination;
  raw.squint = squint;
  raw.revolution = rn;
  raw.meanAnomaly = m;
  raw.rangeRate = rangeRate;
  if (!AllFinite({rangeRate, azimuth, elevation, range, height, subLatitude, subLongitude, phase,
                  raw.illumination, squint, rn})) {
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
  if (!valid_ || !(ec_ >= 0 && ec_ < 0.99)) return std::nullopt;
  const auto daysSinceEpoch = [&](std::int64_t unix) {
    const CivilTime t = CivilFromUnix(unix);
    return YearDayCount(t.year) - epochDays_ +
           (TimeNow(engine, t.year, t.month, t.day, t.hour, t.minute, t.second) - epochDay_);
  };
  const double dt1 = dc_ * daysSinceEpoch(from) / 2.0;
  const double dt2 = dc_ * daysSinceEpoch(to) / 2.0;
  const double kdMin = 1.0 - 4.0 * std::max(dt1, dt2);
  const double kdMax = 1.0 - 4.0 * std::min(dt1, dt2);
  const double dtMax = std::max(std::fabs(dt1), std::fabs(dt2));
  if (!(kdMin > 0.1) || !(dtMax < 1.0)) return std::nullopt;

  OrbitLimits l;
  const auto& o = engine.StationPosition;
  l.stationRadius = std::sqrt(o[0] * o[0] + o[1] * o[1] + o[2] * o[2]);
  // The slack is for Kepler's tolerance.
  l.minRadius = a0_ * (1.0 - ec_) * kdMin * 0.999;
  l.maxRadius = a0_ * (1.0 + ec_) * kdMax * 1.001;
  const double n = mm_ / 86400.0 * (1.0 + 6.0 * dtMax);
  l.maxAngularRate = 1.05 * (n * std::sqrt(1.0 + ec_) / std::pow(1.0 - ec_, 1.5) + EarthTurnRate);
  l.station = o;
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
