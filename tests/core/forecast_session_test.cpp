// The forecast entry and its run, without a window: timers, restart, close,
// start instant, and the station read again.
#include <gtest/gtest.h>

#include <functional>

#include "core/temp_dir.h"
#include "core/forecast/forecast_session.h"
#include "core/forecast/forecast_text.h"
#include "core/orbit/engine.h"

namespace rdz {
namespace {

struct SetClock final : Clock {
  CivilTime now{2026, 5, 11, 12, 0, 0};
  CivilTime Now() override { return now; }
};

struct FakeForecastView final : ForecastView {
  std::optional<double> difference = 0;
  bool timer1 = true, timer3 = true, open = false;
  int loads = 0, yields = 0;
  std::string text;
  std::function<void()> onYield;  // stands for what the user does meanwhile

  std::optional<double> UtcDifference() const override { return difference; }
  void EnableClockTimer(bool on) override { timer1 = on; }
  void EnableSimulationTimer(bool on) override { timer3 = on; }
  void LoadForecastWindow(const std::string& name) override { open = true, ++loads, text = ForecastTitle(name); }
  bool ForecastWindowOpen() const override { return open; }
  void AppendForecast(const std::string& piece) override { text += piece; }
  void LetPendingEventsRun() override { ++yields, onYield ? onYield() : void(); }
};

// GEO stands at 37 degrees over 46.5 N, 8.95 E for the whole day; EQUATOR
// never rises there.
class Session : public ::testing::Test {
 protected:
  Session() {
    state.Elements[1] = {"GEO      ", 2026, 131.5, 0.01, 0, 0.0001, 0, 60, 1.00273791};
    state.Elements[2] = {"EQUATOR  ", 2026, 131.5, 0, 0, 0.0001, 0, 0, 15};
    state.SatCount = 2;
    state.Models = MakeOrbitModels(state.Elements, 2);
    state.Station = {46.5, 8.95, 420};
  }
  int Samples() const { return test::CountOf(view.text, "DATE: "); }
  void ExpectRealTimeAgain() const {
    EXPECT_TRUE(view.timer1 && !view.timer3 && state.Time.TimeStep == 0);
  }

  test::TempDir dir;
  TrackerState state;
  SetClock clock;
  FakeForecastView view;
  ForecastSession session{state, clock, view};
};

TEST_F(Session, TimersStopWhileTheListGrowsAndTheTableRunsAgainAfter) {
  view.onYield = [&] {
    if (view.yields > 1) return;
    EXPECT_TRUE(!view.timer1 && state.Time.TimeStep == kForecastStep && session.Running());
  };
  session.Open(0);
  EXPECT_EQ(Samples(), 720);
  EXPECT_TRUE(view.text.starts_with("AOS LOS next 24h [GEO]\r\n\r\n-------- NEXT ORBIT"));
  EXPECT_NE(view.text.find("DATE: 11/05/2026\t\tUTC: 12:02:00"), std::string::npos);
  EXPECT_TRUE(view.text.ends_with(kForecastEndMarker));
  EXPECT_EQ(view.yields, 722);  // every sample line, then the two after the run
  ExpectRealTimeAgain();
  EXPECT_FALSE(session.Running());
}

TEST_F(Session, EmptyRowOrUnusableDifferenceGivesNoForecast) {
  for (const std::optional<double> difference : {std::optional<double>(0), {}, {1e9}}) {
    view.difference = difference;
    session.Open(difference ? 2 : 0);  // row 2 holds no satellite
    EXPECT_TRUE(view.loads == 0 && view.timer1 && view.timer3 && state.Time.TimeStep == 0);
  }
}

TEST_F(Session, WhileSimulatingTheListStartsAtTheSimulatedInstant) {
  state.Time.TimeStep = -1.0 / 60;
  state.Time.SimUtcDiff = -2;  // two hours ahead of the PC clock
  view.difference = 1;         // not used
  session.Open(1);
  EXPECT_EQ(view.text, std::string("AOS LOS next 24h [EQUATOR]") + kForecastEndMarker);
  // 720 samples: a day later.
  EXPECT_EQ(session.Forecast().ForecastDateText + " " + session.Forecast().ForecastTimeText, "12/05/2026 14:00:00");
  ExpectRealTimeAgain();
}

TEST_F(Session, DoubleClickDuringARunRestartsItAndClosingStopsIt) {
  view.onYield = [&] {
    if (view.yields == 2) session.Open(1);  // the other satellite
  };
  session.Open(0);
  EXPECT_EQ(view.loads, 2);
  EXPECT_EQ(view.text, std::string("AOS LOS next 24h [EQUATOR]") + kForecastEndMarker);
  ExpectRealTimeAgain();

  view.onYield = [&] {
    if (view.yields == 5) {
      view.open = false;
      session.WindowClosed();
    }
  };
  view.yields = 0;
  session.Open(0);
  EXPECT_EQ(Samples(), 5);
  EXPECT_FALSE(view.text.ends_with(kForecastEndMarker));
  ExpectRealTimeAgain();

  // A double-click, then the window closed before the new run began: none begins.
  view.onYield = [&] {
    if (view.yields == 2) session.Open(1), view.open = false, session.WindowClosed();
  };
  view.yields = view.loads = 0;
  session.Open(0);
  EXPECT_EQ(view.loads, 1);
  ExpectRealTimeAgain();
}

TEST_F(Session, AReloadLeavesTheRunAlone) {
  // On the equator under the satellite's longitude, then a reload empties the table.
  state.Station = {0.0, 60.0, 0.0};
  view.onYield = [&] {
    state.Models.clear();
    state.Elements[2].Name = "RELOADED ";
  };
  session.Open(1);
  EXPECT_GT(Samples(), 50);
  EXPECT_TRUE(view.text.starts_with("AOS LOS next 24h [EQUATOR]"));
}

}  // namespace
}  // namespace rdz
