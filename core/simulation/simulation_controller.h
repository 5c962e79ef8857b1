#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/load/tracker_state.h"
#include "core/ports/clock.h"

namespace rdz {

// What the clocks and the time simulation read from and change in the main window.
class ClockView {
 public:
  virtual ~ClockView() = default;
  // TxtUtc in hours (local time minus UTC); nothing when it holds no number.
  virtual std::optional<double> UtcDifference() const = 0;
  // TxtUtc set by the program ("5.5"), which is not the user typing.
  virtual void ShowUtcDifference(const std::string& hours) = 0;
  // LblPCData and LblPCTime.
  virtual void ShowPcTime(const CivilTime& local) = 0;
  // lblData and lblOrario.
  virtual void ShowUtc(const CivilTime& utc) = 0;
  // lblData and lblOrario say that TxtUtc holds no usable difference.
  virtual void ShowUtcInvalid() = 0;
  // The clocks and the caption are marked while time is simulated.
  virtual void ShowSimulated(bool simulated) = 0;
  virtual void RefreshLiveTable() = 0;
  // Timer1 and Timer3; enabling a running timer keeps its countdown.
  virtual void EnableClockTimer(bool on) = 0;
  virtual bool SimulationTimerEnabled() const = 0;
  virtual void EnableSimulationTimer(bool on) = 0;
  virtual void SetSimulationInterval(int milliseconds) = 0;
  virtual void LetPendingEventsRun() = 0;
};

// CmdStop(0..5): "=", ">", ">>", "<", "<<", "STOP".
enum SimulationButton { kPause, kForward, kFastForward, kBack, kFastBack, kStop };

// Timer1: TxtUtc from the system's zone until the user types, the PC clock,
// UTC as the local time minus TxtUtc, the live table. A difference that is not
// a number leaves UTC where it was and the UTC clock says so.
void ClockTick(TimeKeeping& time, Clock& clock, ClockView& view);

// Simulated time: the simulation timer runs, or a step other than the
// forecast's is kept (paused).
bool Simulated(const TimeKeeping& time, const ClockView& view);

// A click on CmdStop(index); scanInterval is TEMPOSCANN (0 becomes 1).
void SimulationClick(int index, TimeKeeping& time, std::int16_t& scanInterval, Clock& clock,
                     ClockView& view);

// Timer3: one step of simulated time, the clocks and the live table, then
// pending events run.
void SimulationTick(TimeKeeping& time, Clock& clock, ClockView& view);

}  // namespace rdz
