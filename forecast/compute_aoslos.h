#pragma once
#include <filesystem>
#include <string>

#include "orbit/live_table.h"
#include "orbit/tracker_state.h"
#include "platform/clock.h"

namespace rdz {

inline constexpr int kForecastSamples = 720;       // 24 hours
inline constexpr double kForecastStep = -1.0 / 30;  // hours per sample: 2 minutes forward
inline constexpr double kDaysPerHour = 0.0416666667;  // the literal, not 1/24

// What the forecast keeps between its samples and between forecasts.
struct ForecastState {
  int ForecastSat = 0;          // row index (0..59) of the double-clicked row
  double ForecastUtcDiff = 0;   // hours subtracted from the local clock
  int ForecastInPass = 0;       // 1 after a pass header, until the satellite sets
  std::string ForecastDateText;  // "dd/MM/yyyy" of the current sample
  std::string ForecastTimeText;  // "hh:mm:ss"
};

// Where the list goes.
class ForecastOutput {
 public:
  virtual ~ForecastOutput() = default;
  // Appends a piece at the end of the text shown so far.
  virtual void Append(const std::string& piece) = 0;
  // Called after every sample line so the list is seen growing; false stops
  // the forecast at once (its window has gone).
  virtual bool LetPendingEventsRun() = 0;
};

enum class ForecastEnd { Finished, Stopped };

// The list of satellite ForecastSat + 1 for the next 720 two-minute samples.
// The station is read again from config.txt (kept as it is when the file cannot
// be read). The step is the TimeStep at the start: a simulation button pressed
// while the list grows must not stretch the 24 hours. A sample that cannot be
// computed adds nothing and leaves the pass state alone. Ends with the end
// marker unless stopped; the caller restores the timers.
ForecastEnd ComputeAOSLOS(TrackerState& state, ForecastState& forecast,
                          const std::filesystem::path& programDir, Clock& clock,
                          ForecastOutput& out, const Propagator& propagate = &PropagateSatellite);

}  // namespace rdz
