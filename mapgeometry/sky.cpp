#include "mapgeometry/sky.h"

#include <cmath>
#include <numbers>

namespace rdz {
namespace {

constexpr std::int64_t kStep = 10;  // seconds between samples
constexpr std::size_t kMaxPathPoints = 400;

struct Sampler {
  const OrbitModel& model;
  const EngineContext& station;
  const CivilTime& origin;
  std::optional<AzEl> At(std::int64_t s) const {
    const auto p = model.At(station, AddSeconds(origin, s));
    if (!p) return std::nullopt;
    return AzEl{p->raw.azimuth, p->raw.elevation};
  }
  // A model that fails counts as below the horizon.
  bool Up(std::int64_t s) const {
    const auto a = At(s);
    return a && a->el > 0.0;
  }
  // The first second in (below, above] where Up equals Up(above), given
  // Up(below) != Up(above).
  std::int64_t Crossing(std::int64_t below, std::int64_t above) const {
    const bool target = Up(above);
    while (above - below > 1) {
      const std::int64_t mid = below + (above - below) / 2;
      (Up(mid) == target ? above : below) = mid;
    }
    return above;
  }
  SkyPassPoint Point(std::int64_t s) const { return {AddSeconds(origin, s), At(s).value_or(AzEl{})}; }
};

}  // namespace

SkyXY SkyPoint(const AzEl& at) {
  const double r = (90.0 - at.el) / 90.0;
  const double a = at.az * std::numbers::pi / 180.0;
  return {r * std::sin(a), -r * std::cos(a)};
}

std::optional<SkyPass> FindPass(const OrbitModel& model, const EngineContext& station,
                             const CivilTime& utc, double searchHours) {
  const Sampler sampler{model, station, utc};
  if (!sampler.At(0) || !(searchHours > 0)) return std::nullopt;
  const auto limit = static_cast<std::int64_t>(searchHours * 3600.0);
  SkyPass pass;
  pass.current = sampler.Up(0);

  // The second the satellite is first up (start) and the last (end).
  std::int64_t start = 0;
  if (pass.current) {
    std::int64_t s = 0;
    while (s > -limit && sampler.Up(s - kStep)) s -= kStep;
    if (s > -limit) {
      start = sampler.Crossing(s - kStep, s);
      pass.aos = sampler.Point(start);
    } else {
      start = s;
    }
  } else {
    std::int64_t s = 0;
    while (s < limit && !sampler.Up(s + kStep)) s += kStep;
    if (s >= limit) return std::nullopt;
    start = sampler.Crossing(s, s + kStep);
    pass.aos = sampler.Point(start);
  }
  std::int64_t s = std::max<std::int64_t>(start, 0);
  while (s < start + limit && sampler.Up(s + kStep)) s += kStep;
  std::int64_t end = s;
  if (s < start + limit) {
    end = sampler.Crossing(s, s + kStep);  // the first second down
    pass.los = sampler.Point(end);
  }

  // The highest sample, then the best second around it.
  const std::int64_t step = std::max<std::int64_t>(1, (end - start) / static_cast<std::int64_t>(kMaxPathPoints));
  std::int64_t best = start;
  double bestEl = -91.0;
  for (std::int64_t t = start; t <= end; t += step) {
    const auto a = sampler.At(t);
    if (!a) continue;
    pass.path.push_back(*a);
    if (a->el > bestEl) {
      bestEl = a->el;
      best = t;
    }
  }
  if (const auto last = sampler.At(end)) pass.path.push_back(*last);
  for (std::int64_t t = best - step; t <= best + step; ++t) {
    if (t < start || t > end) continue;
    const auto a = sampler.At(t);
    if (a && a->el > bestEl) {
      bestEl = a->el;
      best = t;
    }
  }
  pass.highest = sampler.Point(best);
  return pass;
}

}  // namespace rdz
