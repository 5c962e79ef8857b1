#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/orbit/geo.h"
#include "core/sky/sky.h"
#include "core/sky/sky_bodies.h"
#include "core/elements/element_table.h"
#include "core/orbit/engine.h"

namespace rdz {

struct MapSatellite {
  std::string name;  // blanks trimmed
  GeoPoint at;
  bool up = false;  // above the station's horizon, by the table's rule
};

// Everything the world map shows at one instant, in degrees.
struct MapScene {
  std::vector<MapSatellite> satellites;  // the table's satellites that could be computed
  int selected = -1;                     // index into satellites; -1 for none
  GeoLine footprint;                     // see FootprintOnMap
  std::vector<GeoLine> track;            // one revolution back to one ahead
  GeoPoint station;
  SubSolarPoint sun;  // by the Sun theory the sky view and the rotor use
  GeoPoint moon;      // the sub-lunar point
  GeoLine night;
};

// The table's first min(models, rows) satellites at `utc`; `selectedSat`
// counts from 1 and falls back to satellite 1 when it is out of range.
MapScene BuildMapScene(const ElementTable& elements, const OrbitModels& models,
                       const Observer& station, const CivilTime& utc, int selectedSat,
                       int rows = 60);
// The same for any number of satellites (a whole element file): satellite k
// has name k - 1 and model k - 1 (none: left out).
MapScene BuildMapScene(const std::vector<std::string>& names, const OrbitModels& models,
                       const Observer& station, const CivilTime& utc, int selectedSat);

// What the sky view shows for one satellite.
struct SkyScene {
  std::string name;
  CivilTime utc;
  std::optional<AzEl> now;  // nothing when the model cannot be computed
  std::optional<SkyPass> pass;
  HorizonMask horizon;  // the station's, drawn and used for AOS and LOS
  std::vector<SkyBodyView> bodies;  // the Sun and the Moon
};

SkyScene BuildSkyScene(const std::string& name, const OrbitModel& model, const Observer& station,
                       const CivilTime& utc, const HorizonMask& horizon = {});

// The sky view's pass kept between clock ticks, so that a tick computes only the
// current position. The pass is searched again for another model (satellite or
// element table), station or horizon, and when the instant leaves it: at LOS, or when
// simulated time jumps back before the instant it was searched from. No pass,
// or one without a set in the window, is searched again after ten minutes.
class SkyPassCache {
 public:
  SkyScene Scene(const std::string& name, const std::shared_ptr<const OrbitModel>& model,
                 const Observer& station, const CivilTime& utc, const HorizonMask& horizon = {});
  int Searches() const { return searches_; }

 private:
  std::shared_ptr<const OrbitModel> model_;  // held, so a new table never reuses its address
  Observer station_;
  HorizonMask horizon_;
  std::int64_t from_ = 0, until_ = 0;  // Unix seconds the kept pass holds for
  std::optional<SkyPass> pass_;
  int searches_ = 0;
};

// The stored name with blanks trimmed from both ends.
std::string TrimmedName(const std::string& name);

}  // namespace rdz
