#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/orbit/observer.h"
#include "core/settings/settings.h"
#include "core/elements/element_table.h"
#include "core/orbit/orbit_model.h"
#include "core/base/civil_time.h"
#include "core/base/utc_difference.h"

namespace rdz {

// The instant the window shows and how simulated time moves it.
struct TimeKeeping {
  std::optional<CivilTime> Utc;  // the table's instant; none before the first clock tick
  double TimeStep = 0;           // hours per simulated step or forecast sample; 0 = real time
  double SimUtcDiff = 0;         // hours, the UTC difference in simulated time
  UtcDifferenceDefault ZoneDifference;  // TxtUtc follows the system's zone until the user types
};

// The program-wide values every part of the tracker shares. One instance,
// owned by the application and handed to whoever needs it.
struct TrackerState {
  ElementTable Elements;
  OrbitModels Models;               // set up from Elements at each load
  int SatCount = 0;                 // blocks read by the last successful load
  std::string ElementFileName;      // bare name inside the program directory
  // config.txt as last read; Station, TEMPOSCANN, AGEWARN and the attitudes
  // are taken from it by UseSettings alone.
  std::shared_ptr<const Settings> Config = std::make_shared<const Settings>();
  Observer Station;                 // the station record
  std::int16_t TEMPOSCANN = 0;      // simulation tick, milliseconds
  double AGEWARN = 14;              // days: older elements are warned about
  std::string LoadSummary;          // how the last load accounted for the file's sets
  bool LoadFailed = false;          // the last load found no usable element file
  TimeKeeping Time;
  std::string SubSatLat;            // satellite 1 as the map window last showed it
  std::string SubSatLon;
};

}  // namespace rdz
