#pragma once
#include <string>

#include "core/orbit/observer.h"
#include "core/orbit/orbit_model.h"
#include "core/ports/clock.h"

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

// The list of one satellite for the next 720 two-minute samples, each `step`
// hours further (the step is taken at the start: a simulation button pressed
// while the list grows must not stretch the 24 hours). A sample that cannot be
// computed adds nothing and leaves the pass state alone. Ends with the end
// marker unless stopped; the caller restores the timers.
ForecastEnd ComputeAOSLOS(const OrbitModel& model, const Observer& station, double step,
                          ForecastState& forecast, Clock& clock, ForecastOutput& out);

}  // namespace rdz
