#include "core/map/scene.h"

#include <algorithm>

#include "core/map/footprint.h"
#include "core/map/track.h"
#include "core/base/civil_time.h"

namespace rdz {

std::string TrimmedName(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

MapScene BuildMapScene(const ElementTable& elements, const OrbitModels& models,
                       const Observer& station, const CivilTime& utc, int selectedSat, int rows) {
  const int n = std::clamp(std::min(static_cast<int>(models.size()), rows), 0, ElementTable::kNameCapacity);
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) names.push_back(TrimmedName(elements[k].Name));
  return BuildMapScene(names, OrbitModels(models.begin(), models.begin() + n), station, utc, selectedSat);
}

MapScene BuildMapScene(const std::vector<std::string>& names, const OrbitModels& models,
                       const Observer& station, const CivilTime& utc, int selectedSat) {
  MapScene scene;
  const EngineContext engine = SetupEngine(station);
  const int n = static_cast<int>(std::min(models.size(), names.size()));
  if (selectedSat < 1 || selectedSat > n) selectedSat = 1;
  scene.satellites.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int k = 1; k <= n; ++k) {
    if (!models[static_cast<std::size_t>(k - 1)]) continue;
    const OrbitModel& model = *models[static_cast<std::size_t>(k - 1)];
    const auto p = model.At(engine, utc);
    if (!p) continue;
    if (k == selectedSat) {
      scene.selected = static_cast<int>(scene.satellites.size());
      scene.footprint = FootprintOnMap({p->raw.subLatitude, p->raw.subLongitude}, p->raw.height);
      scene.track = GroundTrack(model, engine, utc);
    }
    // The table's rule: up from a rounded elevation of 1 degree.
    scene.satellites.push_back({names[static_cast<std::size_t>(k - 1)],
                                {p->raw.subLatitude, p->raw.subLongitude},
                                p->state.EL > 0});
  }
  scene.station = {station.LA.value_or(0.0), station.LO.value_or(0.0)};
  const GeoPoint sun = OverheadPoint(SkyBody::Sun, utc);
  scene.sun = {sun.lat, sun.lon};
  scene.moon = OverheadPoint(SkyBody::Moon, utc);
  scene.night = NightPolygon(scene.sun);
  return scene;
}

namespace {

SkyScene SkyNow(const std::string& name, const OrbitModel& model, const EngineContext& engine,
                const CivilTime& utc) {
  SkyScene scene;
  scene.name = TrimmedName(name);
  scene.utc = utc;
  if (const auto p = model.At(engine, utc)) scene.now = AzEl{p->raw.azimuth, p->raw.elevation};
  return scene;
}

constexpr std::int64_t kOpenEndedSeconds = 600;

}  // namespace

SkyScene BuildSkyScene(const std::string& name, const OrbitModel& model, const Observer& station,
                       const CivilTime& utc, const HorizonMask& horizon) {
  const EngineContext engine = SetupEngine(station);
  SkyScene scene = SkyNow(name, model, engine, utc);
  scene.pass = FindPass(model, engine, utc, 24.0, horizon);
  scene.horizon = horizon;
  scene.bodies = SkyBodiesSeen(station, utc);
  return scene;
}

SkyScene SkyPassCache::Scene(const std::string& name, const std::shared_ptr<const OrbitModel>& model,
                             const Observer& station, const CivilTime& utc, const HorizonMask& horizon) {
  const EngineContext engine = SetupEngine(station);
  SkyScene scene = SkyNow(name, *model, engine, utc);
  scene.horizon = horizon;
  const std::int64_t t = UnixSeconds(utc);
  const bool sameStation = station.LA == station_.LA && station.LO == station_.LO && station.HT == station_.HT;
  if (model != model_ || !sameStation || !(horizon == horizon_) || t < from_ || t >= until_) {
    pass_ = FindPass(*model, engine, utc, 24.0, horizon);
    ++searches_;
    model_ = model;
    station_ = station;
    horizon_ = horizon;
    from_ = t;
    until_ = pass_ && pass_->los ? UnixSeconds(pass_->los->utc) + 1 : t + kOpenEndedSeconds;
  }
  scene.pass = pass_;
  scene.bodies = SkyBodiesSeen(station, utc);
  // Risen since the search: the kept pass is now the current one.
  if (scene.pass && scene.pass->aos) scene.pass->current = t >= UnixSeconds(scene.pass->aos->utc);
  return scene;
}

}  // namespace rdz
