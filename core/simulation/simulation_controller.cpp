#include "core/simulation/simulation_controller.h"

#include "core/forecast/compute_aoslos.h"

namespace rdz {

namespace {

// Hours added to SimUtcDiff per tick for ">", ">>", "<", "<<".
constexpr double kSimulationSteps[5] = {0, -1.0 / 60, -10.0 / 60, 1.0 / 60, 10.0 / 60};

// The local time minus `hours`; nothing for a difference a clock cannot use.
std::optional<CivilTime> Shifted(const CivilTime& local, double hours) {
  const auto offset = UtcDifferenceSeconds(hours);
  if (!offset) return std::nullopt;
  return AddSeconds(local, -*offset);
}

// A fresh instant becomes the table's; without one the last stays and the
// UTC clock says that it is frozen.
void TakeUtc(const std::optional<CivilTime>& utc, TimeKeeping& time, ClockView& view) {
  if (utc) {
    time.Utc = utc;
    view.ShowUtc(*utc);
  } else {
    view.ShowUtcInvalid();
  }
}

}  // namespace

bool Simulated(const TimeKeeping& time, const ClockView& view) {
  return view.SimulationTimerEnabled() || (time.TimeStep != 0 && time.TimeStep != kForecastStep);
}

void ClockTick(TimeKeeping& time, Clock& clock, ClockView& view) {
  if (const auto text = time.ZoneDifference.Follow(clock.UtcOffsetSeconds())) {
    view.ShowUtcDifference(*text);
  }
  // One reading for everything shown, so date and time never straddle midnight.
  const CivilTime now = clock.Now();
  view.ShowPcTime(now);
  const auto hours = view.UtcDifference();
  TakeUtc(hours ? Shifted(now, *hours) : std::nullopt, time, view);
  view.ShowSimulated(Simulated(time, view));
  view.RefreshLiveTable();
}

void SimulationClick(int index, TimeKeeping& time, std::int16_t& scanInterval, Clock& clock,
                     ClockView& view) {
  if (scanInterval == 0) scanInterval = 1;
  if (index == kPause) {
    view.EnableClockTimer(false);
    view.EnableSimulationTimer(!view.SimulationTimerEnabled());
  } else if (index >= kForward && index <= kFastBack) {
    // A timer has no negative interval; a negative setting runs as fast as 1 ms.
    view.SetSimulationInterval(scanInterval < 1 ? 1 : scanInterval);
    view.EnableClockTimer(false);
    view.EnableSimulationTimer(true);
    if (time.TimeStep == 0) {
      if (const auto hours = view.UtcDifference()) time.SimUtcDiff = *hours;
    }
    time.TimeStep = kSimulationSteps[index];
  } else if (index == kStop) {
    view.EnableClockTimer(true);
    view.EnableSimulationTimer(false);
    time.TimeStep = 0;
    ClockTick(time, clock, view);
    return;
  }
  // Marked before the first simulated tick.
  view.ShowSimulated(Simulated(time, view));
}

void SimulationTick(TimeKeeping& time, Clock& clock, ClockView& view) {
  time.SimUtcDiff += time.TimeStep;
  const CivilTime now = clock.Now();
  TakeUtc(Shifted(now, time.SimUtcDiff), time, view);
  view.ShowSimulated(Simulated(time, view));
  // The PC clock shows the simulated local time.
  if (const auto local = view.UtcDifference()) {
    if (const auto pc = Shifted(now, time.SimUtcDiff - *local)) view.ShowPcTime(*pc);
  }
  view.RefreshLiveTable();
  view.LetPendingEventsRun();
}

}  // namespace rdz
