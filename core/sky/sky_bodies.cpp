#include "core/sky/sky_bodies.h"

#include "core/orbit/body_look.h"

namespace rdz {

GeoPoint OverheadPoint(SkyBody body, const CivilTime& utc) {
  const BodyState s = BodyStateAt(body, Observer{}, static_cast<double>(UnixSeconds(utc)));
  return {s.subLatitude, s.subLongitude};
}

std::vector<SkyBodyView> SkyBodiesSeen(const Observer& station, const CivilTime& utc) {
  const EngineContext engine = SetupEngine(station);
  const std::int64_t midnight = UnixSeconds(CivilTime{utc.year, utc.month, utc.day, 0, 0, 0});
  std::vector<SkyBodyView> views;
  for (const SkyBody body : {SkyBody::Sun, SkyBody::Moon}) {
    SkyBodyView view;
    view.body = body;
    const LookAngles now = BodyLook(body, engine, static_cast<double>(UnixSeconds(utc)));
    view.now = {now.azimuth, now.elevation};
    bool up = false;
    for (std::int64_t t = midnight; t <= midnight + 86400; t += kBodyPathStepSeconds) {
      const LookAngles a = BodyLook(body, engine, static_cast<double>(t));
      if (a.elevation < 0) {
        up = false;
        continue;
      }
      if (!up) view.path.emplace_back();
      view.path.back().push_back({a.azimuth, a.elevation});
      up = true;
    }
    views.push_back(std::move(view));
  }
  return views;
}

}  // namespace rdz
