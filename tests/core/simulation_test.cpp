// The clock tick, the time-simulation buttons and the Timer3 tick, without a window.
#include <gtest/gtest.h>

#include <string>

#include "forecast/compute_aoslos.h"
#include "simulation/simulation_controller.h"

namespace rdz {
namespace {

struct SetClock final : Clock {
  CivilTime now{2026, 5, 11, 13, 0, 0};
  std::optional<std::int64_t> offset;  // the zone's, in seconds
  CivilTime Now() override { return now; }
  std::optional<std::int64_t> UtcOffsetSeconds() override { return offset; }
};

// The main window as the controller sees it: TxtUtc, the two clocks, the timers.
struct FakeClockView final : ClockView {
  std::optional<double> difference = 1;
  std::string pc = "-", utc = "-", written;
  bool timer1 = true, timer3 = false, simulated = false;
  int interval = 1, refreshes = 0, yields = 0;

  std::optional<double> UtcDifference() const override { return difference; }
  void ShowUtcDifference(const std::string& hours) override {
    difference = std::stod(hours);
    written = hours;
  }
  void ShowPcTime(const CivilTime& t) override { pc = FormatDate(t) + " " + FormatTime(t); }
  void ShowUtc(const CivilTime& t) override { utc = FormatDate(t) + " " + FormatTime(t); }
  void ShowUtcInvalid() override { utc = "invalid"; }
  void ShowSimulated(bool on) override { simulated = on; }
  void RefreshLiveTable() override { ++refreshes; }
  void EnableClockTimer(bool on) override { timer1 = on; }
  bool SimulationTimerEnabled() const override { return timer3; }
  void EnableSimulationTimer(bool on) override { timer3 = on; }
  void SetSimulationInterval(int ms) override { interval = ms; }
  void LetPendingEventsRun() override { ++yields; }
};

class Simulation : public ::testing::Test {
 protected:
  void Click(int button) { SimulationClick(button, time, scan, clock, view); }
  // One tick with the PC clock some seconds past 13:00:00: "UTC time | PC time".
  std::string Tick(int seconds) {
    clock.now.second = seconds;
    SimulationTick(time, clock, view);
    return view.utc.substr(11) + " | " + view.pc.substr(11);
  }

  TimeKeeping time;
  std::int16_t scan = 0;
  SetClock clock;
  FakeClockView view;
};

TEST_F(Simulation, ClockTickShiftsByTheDifferenceAndANonNumberFreezesUtc) {
  struct Case {
    CivilTime local;
    std::optional<double> hours;
    const char* pc;
    const char* shown;
    const char* utc;  // what the table reads
  };
  const Case cases[] = {
      {{2026, 5, 12, 0, 30, 0}, 1, "12/05/2026 00:30:00", "11/05/2026 23:30:00", "11/05/2026 23:30:00"},
      {{2026, 12, 31, 21, 15, 7}, -5, "31/12/2026 21:15:07", "01/01/2027 02:15:07",
       "01/01/2027 02:15:07"},
      {{2024, 3, 1, 2, 0, 0}, 5.5, "01/03/2024 02:00:00", "29/02/2024 20:30:00", "29/02/2024 20:30:00"},
      {{2026, 5, 12, 10, 7, 5}, std::nullopt, "12/05/2026 10:07:05", "invalid", "29/02/2024 20:30:00"},
      {{2026, 5, 12, 10, 7, 6}, 1e9, "12/05/2026 10:07:06", "invalid", "29/02/2024 20:30:00"},
      {{2026, 5, 12, 10, 7, 7}, 0, "12/05/2026 10:07:07", "12/05/2026 10:07:07", "12/05/2026 10:07:07"},
  };
  int refreshes = 0;
  for (const Case& c : cases) {
    clock.now = c.local;
    view.difference = c.hours;
    ClockTick(time, clock, view);
    EXPECT_EQ(view.pc, c.pc);
    EXPECT_EQ(view.utc, c.shown);
    EXPECT_EQ(FormatDate(*time.Utc) + " " + FormatTime(*time.Utc), c.utc);
    EXPECT_EQ(view.refreshes, ++refreshes);
  }
  EXPECT_EQ(view.written, "");  // a clock without a zone leaves TxtUtc alone
}

// Marked from the first click until STOP or the end of a forecast, paused included.
TEST_F(Simulation, SimulatedTimeIsMarkedUntilRealTimeReturns) {
  const struct {
    int button;
    bool simulated;
  } steps[] = {{kForward, true}, {kPause, true}, {kPause, true}, {kStop, false},
               {kPause, true},   {kStop, false}, {kFastBack, true}};
  for (const auto& s : steps) {
    Click(s.button);
    EXPECT_EQ(view.simulated, s.simulated) << s.button;
    if (view.timer3) Tick(0);
    EXPECT_EQ(view.simulated, s.simulated) << s.button;
  }
  // A forecast started in real time steps too, but simulates nothing.
  Click(kStop);
  time.TimeStep = kForecastStep;
  ClockTick(time, clock, view);
  EXPECT_FALSE(view.simulated);
}

TEST_F(Simulation, StepButtonsChangeSpeedOnlyAndStopReturnsToRealTime) {
  Click(kForward);
  EXPECT_FALSE(view.timer1);
  EXPECT_TRUE(view.timer3);
  EXPECT_EQ(Tick(0), "12:01:00 | 13:01:00");
  view.difference = 3;  // not taken again while simulating
  Click(kFastForward);
  EXPECT_EQ(Tick(0), "12:11:00 | 15:11:00");
  Click(kFastBack);
  EXPECT_EQ(Tick(0), "12:01:00 | 15:01:00");
  EXPECT_EQ(view.yields, 3);
  EXPECT_EQ(view.refreshes, 3);
  Click(kStop);
  EXPECT_TRUE(view.timer1);
  EXPECT_FALSE(view.timer3);
  EXPECT_EQ(time.TimeStep, 0);
  EXPECT_EQ(view.utc, "11/05/2026 10:00:00");  // the clock tick ran at once
  Click(kBack);
  EXPECT_EQ(Tick(0), "09:59:00 | 12:59:00");
}

TEST_F(Simulation, PauseTogglesTheTickAndInRealTimeShowsLocalTimeAsUtc) {
  Click(kPause);
  EXPECT_TRUE(view.timer3);
  EXPECT_FALSE(view.timer1);
  EXPECT_EQ(Tick(5), "13:00:05 | 14:00:05");
  Click(kFastForward);
  Click(kPause);
  EXPECT_FALSE(view.timer3);
  Click(kPause);
  EXPECT_TRUE(view.timer3);
  EXPECT_EQ(time.TimeStep, -10.0 / 60);
  Click(6);  // no such button
  EXPECT_TRUE(view.timer3);
}

TEST_F(Simulation, ScanIntervalIsTheTickOfTheTimer) {
  scan = 1000;
  Click(kFastForward);
  EXPECT_EQ(view.interval, 1000);
  EXPECT_EQ(Tick(1), "12:10:01 | 13:10:01");  // ten minutes and a second per second
  EXPECT_EQ(Tick(2), "12:20:02 | 13:20:02");
  scan = 0;
  Click(kPause);
  EXPECT_EQ(scan, 1);
  scan = -50;
  Click(kForward);
  EXPECT_EQ(view.interval, 1);
}

}  // namespace
}  // namespace rdz
