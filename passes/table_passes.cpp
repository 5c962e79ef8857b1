#include "passes/table_passes.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "passes/pass_time.h"
#include "platform/lenient_number.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

constexpr double kEarthTurnRate = 7.2921159e-5;  // radians per second

// Days since the epoch as the engine counts them.
double DaysSinceEpoch(const EngineContext& engine, const ElementSet& sat, std::int64_t unix) {
  const CivilTime t = CivilFromUnix(unix);
  return YearDayCount(t.year) - YearDayCount(sat.EpochYear) +
         (TimeNow(engine, t.year, t.month, t.day, t.hour, t.minute, t.second) - sat.EpochDay);
}

// The engine's orbit: Kepler's ellipse scaled by its drag factor, turned by
// the precessions; its fastest turning is at perigee.
std::optional<OrbitLimits> EngineLimits(const EngineContext& engine, const ElementSet& sat,
                                        std::int64_t from, std::int64_t to) {
  const double e = sat.Eccentricity;
  if (!(sat.MeanMotion > 0) || !(e >= 0 && e < 0.99)) return std::nullopt;
  const double a0 = sat.SemiAxis != 0
                        ? sat.SemiAxis
                        : std::pow(model::SemiAxisConstant / sat.MeanMotion, 2.0 / 3.0);
  const double dc = sat.DecayRate / sat.MeanMotion / 3.0;
  const double dt1 = dc * DaysSinceEpoch(engine, sat, from) / 2.0;
  const double dt2 = dc * DaysSinceEpoch(engine, sat, to) / 2.0;
  const double kdMin = 1.0 - 4.0 * std::max(dt1, dt2);
  const double kdMax = 1.0 - 4.0 * std::min(dt1, dt2);
  const double dtMax = std::max(std::fabs(dt1), std::fabs(dt2));
  if (!(a0 > 0) || !(kdMin > 0.1) || !(dtMax < 1.0)) return std::nullopt;

  OrbitLimits l;
  const auto& o = engine.StationPosition;
  l.stationRadius = std::sqrt(o[0] * o[0] + o[1] * o[1] + o[2] * o[2]);
  // The engine's radius is exactly this ellipse; the slack is for Kepler's tolerance.
  l.minRadius = a0 * (1.0 - e) * kdMin * 0.999;
  l.maxRadius = a0 * (1.0 + e) * kdMax * 1.001;
  const double n = sat.MeanMotion * 2.0 * model::Pi / 86400.0 * (1.0 + 6.0 * dtMax);
  l.maxAngularRate = 1.05 * (n * std::sqrt(1.0 + e) / std::pow(1.0 - e, 1.5) + kEarthTurnRate);
  if (!std::isfinite(l.minRadius) || !std::isfinite(l.maxRadius) ||
      !std::isfinite(l.maxAngularRate)) {
    return std::nullopt;
  }
  return l;
}

}  // namespace

SatelliteTrack EngineTrack(const EngineContext& engine, const ElementSet& sat, std::int64_t from,
                           std::int64_t to) {
  SatelliteTrack track;
  // Set up once; the scan then only steps it to each instant.
  auto model = std::make_shared<const KeplerModel>(sat);
  // The calendar date changes once a day; the scan asks for many instants in one.
  track.look = [&engine, model = std::move(model), day = std::int64_t{-1}, date = CivilTime{}](
                   std::int64_t unix) mutable -> std::optional<LookAngles> {
    const std::int64_t d = unix >= 0 ? unix / 86400 : (unix - 86399) / 86400;
    if (d != day) {
      day = d;
      date = CivilFromUnix(d * 86400);
    }
    CivilTime t = date;
    const std::int64_t s = unix - d * 86400;
    t.hour = static_cast<int>(s / 3600);
    t.minute = static_cast<int>(s / 60 % 60);
    t.second = static_cast<int>(s % 60);
    const auto p = model->At(engine, t);
    if (!p) return std::nullopt;
    return LookAngles{p->raw.azimuth, p->raw.elevation, p->raw.range};
  };
  track.limits = EngineLimits(engine, sat, from, to);
  return track;
}

std::vector<SatellitePasses> FindTablePasses(const std::vector<ElementSet>& satellites,
                                             const Observer& station, const PassOptions& options,
                                             int only) {
  const EngineContext engine = SetupEngine(station);
  const std::int64_t from = options.start - kPassLookAround;
  const std::int64_t to = options.start + options.seconds + kPassLookAround;
  std::vector<SatellitePasses> out;
  for (std::size_t i = 0; i < satellites.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (only != 0 && number != only) continue;
    const SatelliteTrack track = EngineTrack(engine, satellites[i], from, to);
    out.push_back({number, std::string(TrimBlanks(satellites[i].Name)), FindPasses(track, options)});
  }
  return out;
}

std::vector<PassRow> TimeOrdered(const std::vector<SatellitePasses>& found) {
  std::vector<PassRow> rows;
  for (const SatellitePasses& s : found) {
    for (const Pass& p : s.search.passes) rows.push_back({s.number, s.name, p});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const PassRow& a, const PassRow& b) {
    return a.pass.aos.time != b.pass.aos.time ? a.pass.aos.time < b.pass.aos.time
                                              : a.number < b.number;
  });
  return rows;
}

std::optional<std::size_t> NextPassOf(const std::vector<PassRow>& rows, int number,
                                      std::int64_t now) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].number == number && rows[i].pass.los.time >= now) return i;
  }
  return std::nullopt;
}

}  // namespace rdz
