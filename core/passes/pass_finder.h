#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/orbit/look_angles.h"
#include "core/orbit/horizon_mask.h"

namespace rdz {

// One satellite: its look angles at a whole second of UTC (seconds since
// 1970-01-01), nothing when the model cannot compute that instant.
struct SatelliteTrack {
  std::function<std::optional<LookAngles>(std::int64_t unixSeconds)> look;
  std::optional<OrbitLimits> limits;  // none: the whole span at the fine step
};

struct PassOptions {
  std::int64_t start = 0;     // unix seconds
  std::int64_t seconds = 3 * 86400;  // length of the span
  double minElevation = 0;    // passes whose highest point is lower are left out
  HorizonMask horizon;        // AOS and LOS: at or above it at the satellite's azimuth
};

struct PassPoint {
  std::int64_t time = 0;  // unix seconds
  double azimuth = 0;
  double elevation = 0;
};

// AOS is the first whole second at or above the horizon mask, LOS the last one.
struct Pass {
  PassPoint aos, tca, los;
  bool aosFound = true;  // false: still up at the look-back limit, aos is that limit
  bool losFound = true;
  std::int64_t Duration() const { return los.time - aos.time; }
};

enum class Visibility {
  Passes,      // rises and sets (the list may still be empty after the filter)
  NeverRises,  // below the horizon over the whole span
  NeverSets,   // above it over the span and a day either side
  Failed,      // no instant of the span could be computed
};

struct PassSearch {
  std::vector<Pass> passes;  // in time order
  Visibility visibility = Visibility::Passes;
  int failedPropagations = 0;  // instants skipped because the model failed
};

// The passes that overlap [start, start + seconds): one in progress at the start
// gets its true AOS, one in progress at the end its true LOS.
PassSearch FindPasses(const SatelliteTrack& track, const PassOptions& options);

// How far before the start and after the end a pass is followed.
inline constexpr std::int64_t kPassLookAround = 86400;
// Coarsest step where nothing is known: a pass of a minute cannot slip between two.
inline constexpr std::int64_t kFineStep = 60;

}  // namespace rdz
