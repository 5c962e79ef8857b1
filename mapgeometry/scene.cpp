#include "mapgeometry/scene.h"

#include <algorithm>

#include "mapgeometry/footprint.h"
#include "mapgeometry/track.h"

namespace rdz {

std::string TrimmedName(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

MapScene BuildMapScene(const ElementTable& elements, const OrbitModels& models,
                       const Observer& station, const CivilTime& utc, int selectedSat, int rows) {
  MapScene scene;
  const EngineContext engine = SetupEngine(station);
  const int n = std::min(static_cast<int>(models.size()), rows);
  if (selectedSat < 1 || selectedSat > n) selectedSat = 1;
  scene.satellites.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int k = 1; k <= n; ++k) {
    const OrbitModel& model = *models[static_cast<std::size_t>(k - 1)];
    const auto p = model.At(engine, utc);
    if (!p) continue;
    if (k == selectedSat) {
      scene.selected = static_cast<int>(scene.satellites.size());
      scene.footprint = FootprintOnMap({p->raw.subLatitude, p->raw.subLongitude}, p->raw.height);
      scene.track = GroundTrack(model, engine, utc);
    }
    // The table's rule: up from a rounded elevation of 1 degree.
    scene.satellites.push_back({TrimmedName(elements[k].Name),
                                {p->raw.subLatitude, p->raw.subLongitude},
                                p->state.EL > 0});
  }
  scene.station = {station.LA.value_or(0.0), station.LO.value_or(0.0)};
  scene.sun = SunOverheadAt(utc);
  scene.night = NightPolygon(scene.sun);
  return scene;
}

SkyScene BuildSkyScene(const std::string& name, const OrbitModel& model, const Observer& station,
                       const CivilTime& utc) {
  SkyScene scene;
  scene.name = TrimmedName(name);
  scene.utc = utc;
  const EngineContext engine = SetupEngine(station);
  if (const auto p = model.At(engine, utc)) scene.now = AzEl{p->raw.azimuth, p->raw.elevation};
  scene.pass = FindPass(model, engine, utc);
  return scene;
}

}  // namespace rdz
