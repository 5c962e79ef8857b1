// The clock tick, the time-simulation buttons and the Timer3 tick, without a window.
#include <gtest/gtest.h>

#include <tuple>

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/forecast/compute_aoslos.h"
#include "core/ports/system_clock.h"
#include "core/simulation/simulation_controller.h"

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
  void ShowUtcDifference(const std::string& hours) override { difference = std::stod(written = hours); }
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
  const struct {
    CivilTime local;
    std::optional<double> hours;
    const char* utc;  // what the table reads; the clock says "invalid" while it is frozen
    bool frozen;
  } cases[] = {
      {{2026, 5, 12, 0, 30, 0}, 1, "11/05/2026 23:30:00", false},
      {{2026, 12, 31, 21, 15, 7}, -5, "01/01/2027 02:15:07", false},
      {{2024, 3, 1, 2, 0, 0}, 5.5, "29/02/2024 20:30:00", false},
      {{2026, 5, 12, 10, 7, 5}, std::nullopt, "29/02/2024 20:30:00", true},
      {{2026, 5, 12, 10, 7, 6}, 1e9, "29/02/2024 20:30:00", true},
      {{2026, 5, 12, 10, 7, 7}, 0, "12/05/2026 10:07:07", false},
  };
  int refreshes = 0;
  for (const auto& c : cases) {
    clock.now = c.local;
    view.difference = c.hours;
    ClockTick(time, clock, view);
    EXPECT_EQ(view.pc, FormatDate(c.local) + " " + FormatTime(c.local));
    EXPECT_EQ(view.utc, c.frozen ? "invalid" : c.utc);
    EXPECT_EQ(FormatDate(*time.Utc) + " " + FormatTime(*time.Utc), c.utc);
    EXPECT_EQ(view.refreshes, ++refreshes);
  }
  EXPECT_EQ(view.written, "");  // a clock without a zone leaves TxtUtc alone
}

// One run of clicks, each followed by a Timer3 tick at second `i` past 13:00:00 while it runs.
TEST_F(Simulation, ButtonsSetStepTimersAndIntervalAndMarkTheTimeUntilStop) {
  const struct {
    int button;
    std::int16_t scan;  // TEMPOSCANN at the click
    double difference;  // TxtUtc at the click
    bool timer3;
    int interval;
    const char* clocks;  // "UTC | PC" after the tick; without one the UTC clock
  } steps[] = {
      {kPause, 0, 1, true, 1, "13:00:00 | 14:00:00"},  // no difference taken: local time as UTC
      {kFastForward, 1000, 1, true, 1000, "12:10:01 | 13:10:01"},
      {kPause, 1000, 1, false, 1000, "12:10:01"},  // paused, still simulated
      {kPause, 1000, 1, true, 1000, "12:20:03 | 13:20:03"},  // ten minutes a tick
      {6, 1000, 1, true, 1000, "12:30:04 | 13:30:04"},  // no such button
      {kFastBack, -50, 3, true, 1, "12:20:05 | 15:20:05"},  // the difference is not taken again
      {kStop, -50, 3, false, 1, "10:00:05"},  // the clock tick runs at once
      {kBack, -50, 3, true, 1, "09:59:07 | 12:59:07"},
      {kForward, -50, 3, true, 1, "10:00:08 | 13:00:08"},
  };
  for (int i = 0; i < static_cast<int>(std::size(steps)); ++i) {
    const auto& s = steps[i];
    SCOPED_TRACE(i);
    scan = s.scan;
    view.difference = s.difference;
    Click(s.button);
    EXPECT_EQ(scan, s.scan == 0 ? 1 : s.scan);
    EXPECT_EQ(view.timer1, s.button == kStop);
    EXPECT_EQ(view.timer3, s.timer3);
    EXPECT_EQ(view.interval, s.interval);
    EXPECT_EQ(view.timer3 ? Tick(i) : view.utc.substr(11), s.clocks);
    EXPECT_EQ(view.simulated, s.button != kStop);
  }
  EXPECT_EQ(std::pair(view.yields, view.refreshes), std::pair(7, 8));
  // A forecast started in real time steps too, but simulates nothing.
  Click(kStop);
  time.TimeStep = kForecastStep;
  ClockTick(time, clock, view);
  EXPECT_FALSE(view.simulated);
}

// The PC clock in the system's zone, pinned at known instants: the box shows the
// zone's difference from the first tick and follows daylight saving until the
// user types a difference, which then wins over the zone.
TEST_F(Simulation, TheZonesDifferenceIsFollowedUntilTheUserTypesOne) {
  const char* savedTz = std::getenv("TZ");
  const std::string saved = savedTz ? savedTz : "";
  std::time_t now = 0;
  SystemClock zone([&] { return now; });
  const std::tuple<const char*, CivilTime, const char*> steps[] = {  // zone, UTC, the difference shown
      {"Europe/Berlin", {2026, 1, 15, 12, 0, 0}, "1"},  {"Europe/Berlin", {2026, 7, 15, 23, 30, 5}, "2"},
      {"Asia/Kolkata", {2026, 7, 15, 20, 0, 0}, "5.5"}, {"UTC", {2026, 12, 31, 23, 59, 59}, "0"},
      {"Europe/Berlin", {2026, 3, 29, 0, 59, 59}, "1"},  // the last second of winter time
      {"Europe/Berlin", {2026, 3, 29, 1, 0, 0}, "2"},
  };
  for (const auto& [tz, utc, shown] : steps) {
    setenv("TZ", tz, 1);
    now = UnixSeconds(utc);
    ClockTick(time, zone, view);
    EXPECT_EQ(view.written, shown) << tz;
    EXPECT_EQ(view.utc, FormatDate(utc) + " " + FormatTime(utc)) << tz;
  }
  time.ZoneDifference.UserTyped();
  view.difference = 3;
  now -= 86400 * 60;  // back in winter time
  ClockTick(time, zone, view);
  EXPECT_EQ(view.written, "2");
  EXPECT_EQ(view.utc, "27/01/2026 23:00:00");
  savedTz ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace rdz
