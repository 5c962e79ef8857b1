#pragma once
#include <cstdint>
#include <string>

#include "config/observer.h"
#include "orbit/element_table.h"

namespace rdz {

// The program-wide values every part of the tracker shares. One instance,
// owned by the application and handed to whoever needs it.
struct TrackerState {
  ElementTable Elements;
  int SatCount = 0;                 // blocks read by the last successful load
  std::string ElementFileName;      // bare name inside the program directory
  Observer Station;                 // the station record
  std::int16_t TEMPOSCANN = 0;      // simulation tick, milliseconds
  double TimeStep = 0;              // hours per simulated step; 0 = real time
  double SimUtcDiff = 0;            // hours, the UTC difference in simulated time
  std::string UtcDateText;          // "dd/MM/yyyy", the instant the table shows
  std::string UtcTimeText;          // "hh:mm:ss"
  std::string SubSatLat;            // satellite 1 as the map window last showed it
  std::string SubSatLon;
};

}  // namespace rdz
