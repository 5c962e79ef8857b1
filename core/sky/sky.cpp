#include "core/sky/sky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/passes/pass_finder.h"
#include "core/passes/table_passes.h"

namespace rdz {
namespace {

constexpr std::size_t kMaxPathPoints = 400;

}  // namespace

SkyXY SkyPoint(const AzEl& at) {
  const double r = (90.0 - at.el) / 90.0;
  const double a = at.az * std::numbers::pi / 180.0;
  return {r * std::sin(a), -r * std::cos(a)};
}

std::optional<SkyPass> FindPass(const OrbitModel& model, const EngineContext& station,
                                const CivilTime& utc, double searchHours, const HorizonMask& horizon) {
  if (!model.Look(station, utc) || !(searchHours > 0)) return std::nullopt;
  PassOptions options;
  options.start = UnixSeconds(utc);
  options.seconds = static_cast<std::int64_t>(std::min(searchHours, 366 * 24.0) * 3600.0);
  options.minElevation = -90;
  options.horizon = horizon;
  const SatelliteTrack track =
      ModelTrack(station, model, options.start - kPassLookAround,
                 options.start + options.seconds + kPassLookAround);
  const PassSearch search = FindPasses(track, options);
  const auto at = [&](std::int64_t t) -> std::optional<AzEl> {
    const auto a = track.look(t);
    if (!a) return std::nullopt;
    return AzEl{a->azimuth, a->elevation};
  };

  SkyPass pass;
  std::int64_t start = options.start, end = options.start;
  if (search.visibility == Visibility::NeverSets) {
    // Up all the time: the path is its drift over the window.
    pass.current = true;
    end = options.start + options.seconds;
    pass.highest = {utc, *at(start)};
  } else if (!search.passes.empty()) {
    const Pass& p = search.passes.front();
    pass.current = p.aos.time <= options.start;
    const auto point = [](const PassPoint& q) {
      return SkyPassPoint{CivilFromUnix(q.time), AzEl{q.azimuth, q.elevation}};
    };
    if (p.aosFound) pass.aos = point(p.aos);
    if (p.losFound) pass.los = point(p.los);
    pass.highest = point(p.tca);
    start = p.aos.time;
    end = p.los.time;
  } else {
    return std::nullopt;
  }
  const std::int64_t step =
      std::max<std::int64_t>(1, (end - start) / static_cast<std::int64_t>(kMaxPathPoints));
  for (std::int64_t t = start; t < end; t += step) {
    if (const auto a = at(t)) pass.path.push_back(*a);
  }
  if (const auto last = at(end)) pass.path.push_back(*last);
  return pass;
}

}  // namespace rdz
