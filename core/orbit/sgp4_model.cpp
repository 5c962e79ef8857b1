#include "core/orbit/sgp4_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/orbit/engine.h"

namespace rdz {

namespace {

constexpr double kJulian1950 = 2433281.5;

double Clamp1(double x) { return std::clamp(x, -1.0, 1.0); }

// The Sun's direction on the celestial axes, by the same series as the
// program's own model, at day tn of year.
std::array<double, 3> SunAt(int year, double tn) {
  using namespace model;
  const double teg = YearDayCount(year) - YearDayCount(BaseYear) + tn;
  const double mas = (BaseSunAnomaly + SunAnomalyRate * teg) * Rad;
  const double tas = BaseGhaa * Rad + teg * SunRate + Pi + SunEqc1 * std::sin(mas) +
                     SunEqc2 * std::sin(2.0 * mas) + SunEqc3 * std::sin(3.0 * mas);
  return {std::cos(tas), std::sin(tas) * std::cos(Obliquity * Rad),
          std::sin(tas) * std::sin(Obliquity * Rad)};
}

}  // namespace

Sgp4Model::Sgp4Model(const MeanElementSet& set, double alat, double alon)
    : alat_(alat), alon_(alon), satellite_(set) {}

std::optional<Propagation> Sgp4Model::At(const EngineContext& station,
                                         const CivilTime& utc) const {
  return At(station, utc, 0.0);
}

std::optional<Propagation> Sgp4Model::At(const EngineContext& station, const CivilTime& utc,
                                         double secondFraction) const {
  using namespace model;
  if (satellite_.error() != sgp4::Error::None) return std::nullopt;
  sgp4::Instant in;
  {
    const std::lock_guard lock(mutex_);
    in = satellite_.At(station, utc, secondFraction);
  }
  if (in.error != sgp4::Error::None) return std::nullopt;

  // Antenna axis through the orbit's perigee, inclination and node, as the own model does.
  const double alat = alat_ * Rad, alon = alon_ * Rad;
  const double ax = -std::cos(alat) * std::cos(alon);
  const double ay = -std::cos(alat) * std::sin(alon);
  const double az = -std::sin(alat);
  const double cw = std::cos(in.argPerigee * Rad), sw = std::sin(in.argPerigee * Rad);
  const double si = std::sin(in.inclination * Rad), ci = std::cos(in.inclination * Rad);
  const double ax1 = ax * cw - ay * sw;
  const double ay1 = ax * sw + ay * cw;
  const double az1 = ay1 * si + az * ci;
  const double ay2 = ay1 * ci - az * si;
  const double raan = in.raan * Rad;
  const double cr = std::cos(raan), sr = std::sin(raan);
  const double days = Days1950(utc, secondFraction);
  const double q = raan - sgp4::GreenwichSiderealTime(days + kJulian1950);
  const double cq = std::cos(q), sq = std::sin(q);

  const double tn = TimeNow(station, utc.year, utc.month, utc.day, utc.hour, utc.minute,
                            utc.second) + secondFraction / 86400.0;
  const auto sun = SunAt(utc.year, tn);
  const double ssa =
      Clamp1((ax1 * cr - ay2 * sr) * sun[0] + (ax1 * sr + ay2 * cr) * sun[1] + az1 * sun[2]);

  const auto& o = station.StationPosition;
  const auto& p = in.earthFixed.position;
  const double range = in.look.range;
  const double rx = (p[0] - o[0]) / range, ry = (p[1] - o[1]) / range, rz = (p[2] - o[2]) / range;
  const double axe = ax1 * cq - ay2 * sq, aye = ax1 * sq + ay2 * cq;
  const double squint = Deg * (SquintOffset - std::asin(Clamp1(-(axe * rx + aye * ry + az1 * rz))));

  Propagation out;
  RawSatState& raw = out.raw;
  raw.azimuth = in.look.azimuth;
  raw.elevation = in.look.elevation;
  raw.range = range;
  raw.height = in.subPoint.height;
  raw.subLatitude = in.subPoint.latitude;
  raw.subLongitude = in.subPoint.longitude;
  raw.phase = in.meanAnomaly * 256.0 / 360.0;
  raw.illumination = 100.0 * std::sqrt(1.0 - ssa * ssa);
  raw.squint = squint;
  raw.revolution = in.revolution;
  raw.meanAnomaly = in.meanAnomaly * Rad;
  raw.rangeRate = in.look.rangeRate;
  for (const double v : {raw.azimuth, raw.elevation, raw.range, raw.height, raw.subLatitude,
                         raw.subLongitude, raw.phase, raw.illumination, raw.squint,
                         raw.revolution, *raw.rangeRate}) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  const auto rounded = RoundSatState(raw);
  if (!rounded) return std::nullopt;
  out.state = *rounded;
  return out;
}

std::optional<LookAngles> Sgp4Model::Look(const EngineContext& station,
                                          const CivilTime& utc) const {
  return LookAtDay(station, Days1950(utc, 0.0));
}

std::optional<LookAngles> Sgp4Model::LookAt(const EngineContext& station,
                                            std::int64_t unixSeconds) const {
  // The same day count as from the calendar: whole days, then the seconds of the day.
  constexpr std::int64_t kDays1950AtUnixZero = 7306;
  const std::int64_t day = unixSeconds >= 0 ? unixSeconds / 86400 : (unixSeconds - 86399) / 86400;
  const auto second = static_cast<double>(unixSeconds - day * 86400);
  return LookAtDay(station, static_cast<double>(day + kDays1950AtUnixZero) + second / 86400.0);
}

std::optional<LookAngles> Sgp4Model::LookAtDay(const EngineContext& station, double days1950) const {
  if (satellite_.error() != sgp4::Error::None) return std::nullopt;
  sgp4::Instant in;
  if (satellite_.model().deepSpace()) {
    const std::lock_guard lock(mutex_);
    in = satellite_.LookAt(station, days1950);
  } else {
    in = satellite_.LookAt(station, days1950);
  }
  if (in.error != sgp4::Error::None) return std::nullopt;
  const LookAngles& look = in.look;
  for (const double v : {look.azimuth, look.elevation, look.range, look.rangeRate}) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  return look;
}

std::optional<OrbitLimits> Sgp4Model::Limits(const EngineContext& station, std::int64_t from,
                                             std::int64_t to) const {
  // Between the samples the drag and the lunar-solar terms move the orbit by
  // far less than the eccentricity slack; the short-period terms move the
  // radius by under 0.2 % and 0.0003 Earth radii, the long-period ones the
  // eccentricity by under 0.0013.
  constexpr std::int64_t kSampleGap = 6 * 3600;
  constexpr double kRadiusSlack = 0.003;
  constexpr double kEarthTurnRate = 7.2921159e-5;  // radians per second
  if (satellite_.error() != sgp4::Error::None || to < from) return std::nullopt;
  const double eSlack = satellite_.model().deepSpace() ? 0.004 : 0.002;
  double minRadius = std::numeric_limits<double>::infinity(), maxRadius = 0, maxRate = 0;
  double maxEccentricity = 0;
  for (std::int64_t t = from;; t = std::min(t + kSampleGap, to)) {
    sgp4::State s;
    {
      const std::lock_guard lock(mutex_);
      s = satellite_.Orbit(CivilFromUnix(t));
    }
    const double e = s.eccentricity + eSlack;
    if (s.error != sgp4::Error::None && maxRate > 0) {
      // Decays within the span (drag may also drive the eccentricity out
      // first): later instants cannot be computed; before, the orbit may come
      // down to the ground, turning there as fast as its eccentricity allows.
      minRadius = 1.0;
      maxRate = std::max(maxRate, sgp4::wgs72::Xke / 60.0 * std::sqrt(1.0 + maxEccentricity));
      break;
    }
    maxEccentricity = std::max(maxEccentricity, e);
    if (s.error != sgp4::Error::None || !(e < 0.99) || !(s.semiAxis > 0)) return std::nullopt;
    minRadius = std::min(minRadius, s.semiAxis * (1.0 - e));
    maxRadius = std::max(maxRadius, s.semiAxis * (1.0 + e));
    maxRate = std::max(maxRate, s.meanMotion / 60.0 * std::sqrt(1.0 + e) / std::pow(1.0 - e, 1.5));
    if (t == to) break;
  }
  OrbitLimits l;
  const auto& o = station.StationPosition;
  l.stationRadius = std::sqrt(o[0] * o[0] + o[1] * o[1] + o[2] * o[2]);
  const double earth = sgp4::wgs72::EarthRadius;
  l.minRadius = (minRadius * (1.0 - kRadiusSlack) - kRadiusSlack) * earth;
  l.maxRadius = (maxRadius * (1.0 + kRadiusSlack) + kRadiusSlack) * earth;
  l.maxAngularRate = 1.1 * maxRate + 1.05 * kEarthTurnRate;
  l.station = o;
  l.up = station.Up;
  for (const double v : {l.minRadius, l.maxRadius, l.maxAngularRate}) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  return l;
}

std::optional<ElementEpoch> EpochOf(const ElementSet& sat) {
  if (sat.Mean) return ElementEpoch{sat.Mean->Epoch, sat.Mean->EpochDays1950};
  if (!std::isfinite(sat.EpochYear) || sat.EpochYear < 1900 || sat.EpochYear > 2200) {
    return std::nullopt;
  }
  MeanElementSet epoch;
  if (!SetEpochFromDayOfYear(epoch, static_cast<int>(sat.EpochYear), sat.EpochDay)) {
    return std::nullopt;
  }
  return ElementEpoch{epoch.Epoch, epoch.EpochDays1950};
}

std::optional<double> AgeDays(const ElementSet& sat, const CivilTime& utc) {
  const auto epoch = EpochOf(sat);
  if (!epoch) return std::nullopt;
  return Days1950(utc, 0.0) - epoch->days1950;
}

const char* FormatName(ElementFormat format) {
  switch (format) {
    case ElementFormat::Amsat: return "amsat";
    case ElementFormat::Tle: return "tle";
    case ElementFormat::OmmCsv:
    case ElementFormat::OmmXml:
    case ElementFormat::OmmJson: return "omm";
    case ElementFormat::Unknown: break;
  }
  return "unknown";
}

const char* ModelName(const ElementSet& sat) { return sat.Mean ? "sgp4" : "plan13"; }

}  // namespace rdz
