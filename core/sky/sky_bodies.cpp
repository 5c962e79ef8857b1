#include "core/sky/sky_bodies.h"

#include "core/orbit/body_look.h"

#include <optional>

namespace rdz {

GeoPoint OverheadPoint(SkyBody body, const CivilTime& utc) {
  const BodyState s = BodyStateAt(body, Observer{}, static_cast<double>(UnixSeconds(utc)));
  return {s.subLatitude, s.subLongitude};
}

namespace {

// The day's paths, cut into the pieces above the horizon.
std::vector<std::vector<std::vector<AzEl>>> DayPaths(const EngineContext& engine, std::int64_t midnight) {
  std::vector<std::vector<std::vector<AzEl>>> paths;
  for (const SkyBody body : {SkyBody::Sun, SkyBody::Moon}) {
    std::vector<std::vector<AzEl>> path;
    bool up = false;
    for (std::int64_t t = midnight; t <= midnight + 86400; t += kBodyPathStepSeconds) {
      const LookAngles a = BodyLook(body, engine, static_cast<double>(t));
      if (a.elevation < 0) {
        up = false;
        continue;
      }
      if (!up) path.emplace_back();
      path.back().push_back({a.azimuth, a.elevation});
      up = true;
    }
    paths.push_back(std::move(path));
  }
  return paths;
}

struct DayKey {
  std::optional<double> la, lo, ht;
  std::int64_t midnight = 0;
  friend bool operator==(const DayKey& a, const DayKey& b) {
    return a.la == b.la && a.lo == b.lo && a.ht == b.ht && a.midnight == b.midnight;
  }
};

}  // namespace

std::vector<SkyBodyView> SkyBodiesSeen(const Observer& station, const CivilTime& utc) {
  const EngineContext engine = SetupEngine(station);
  const std::int64_t midnight = UnixSeconds(CivilTime{utc.year, utc.month, utc.day, 0, 0, 0});
  // The paths change once a day, the picture every second: keep the last day's
  // (per thread, since the map builds its scene on a worker).
  thread_local std::optional<DayKey> cachedKey;
  thread_local std::vector<std::vector<std::vector<AzEl>>> cachedPaths;
  const DayKey key{station.LA, station.LO, station.HT, midnight};
  if (cachedKey != key) {
    cachedPaths = DayPaths(engine, midnight);
    cachedKey = key;
  }
  std::vector<SkyBodyView> views;
  std::size_t k = 0;
  for (const SkyBody body : {SkyBody::Sun, SkyBody::Moon}) {
    SkyBodyView view;
    view.body = body;
    const LookAngles now = BodyLook(body, engine, static_cast<double>(UnixSeconds(utc)));
    view.now = {now.azimuth, now.elevation};
    view.path = cachedPaths[k++];
    views.push_back(std::move(view));
  }
  return views;
}

}  // namespace rdz
