// The time-simulation buttons and the Timer3 tick.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

enum Button { kPause, kForward, kFastForward, kBack, kFastBack, kStop };

class Simulation : public WindowTest {
 protected:
  Simulation() {
    MakeForm(LoaderOf(SampleSatellites()));
    StartAtUtc({2026, 5, 11, 12, 0, 0});  // local 13:00:00, TxtUtc "1"
    form->Timer1.SetEnabled(true);
  }
  ~Simulation() override {
    form->Timer1.SetEnabled(false);
    form->Timer3.SetEnabled(false);
  }
  void Click(Button b) { form->CmdStop[b]->click(); }
  // One tick with the PC clock a given number of seconds past 13:00:00.
  void TickAt(int seconds) {
    clock.now = {2026, 5, 11, 13, 0, seconds};
    form->Timer3Tick();
  }
  void ExpectClocks(const std::string& utc, const std::string& pc) const {
    EXPECT_EQ(qt::FromQString(form->lblOrario->text()), utc);
    EXPECT_EQ(qt::FromQString(form->LblPCTime->text()), pc);
    EXPECT_EQ(state.UtcTimeText, utc);
  }
};

TEST_F(Simulation, StepButtonsChangeOnlySpeedAndDirection) {
  Click(kForward);
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_TRUE(form->Timer3.Enabled());
  TickAt(0);
  ExpectClocks("12:01:00", "13:01:00");
  form->TxtUtc->setEditText(QStringLiteral("3"));  // not taken again while simulating
  Click(kFastForward);
  TickAt(0);
  ExpectClocks("12:11:00", "15:11:00");
  Click(kFastBack);
  TickAt(0);
  ExpectClocks("12:01:00", "15:01:00");
  EXPECT_EQ(events.runs, 3);
}

TEST_F(Simulation, StopReturnsToRealTimeAndTheNextStepStartsThere) {
  Click(kBack);
  TickAt(0);
  ExpectClocks("11:59:00", "12:59:00");
  Click(kStop);
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_FALSE(form->Timer3.Enabled());
  EXPECT_EQ(state.TimeStep, 0);
  ExpectClocks("12:00:00", "13:00:00");
  Click(kForward);
  TickAt(0);
  ExpectClocks("12:01:00", "13:01:00");
}

TEST_F(Simulation, PauseTogglesTheTickAndKeepsTheStep) {
  Click(kFastForward);
  Click(kPause);
  EXPECT_FALSE(form->Timer3.Enabled());
  EXPECT_FALSE(form->Timer1.Enabled());
  Click(kPause);
  EXPECT_TRUE(form->Timer3.Enabled());
  EXPECT_EQ(state.TimeStep, -10.0 / 60);
}

TEST_F(Simulation, PauseInRealTimeShowsLocalTimeAsUtc) {
  Click(kPause);
  EXPECT_TRUE(form->Timer3.Enabled());
  TickAt(5);
  ExpectClocks("13:00:05", "14:00:05");
  EXPECT_EQ(state.TimeStep, 0);
}

TEST_F(Simulation, ScanIntervalBecomesTheTickOfTheTimer) {
  state.TEMPOSCANN = 1000;
  Click(kFastForward);
  EXPECT_EQ(form->Timer3.Interval(), 1000);
  TickAt(1);
  ExpectClocks("12:10:01", "13:10:01");  // ten minutes and one second per real second
  TickAt(2);
  ExpectClocks("12:20:02", "13:20:02");

  state.TEMPOSCANN = 0;
  Click(kForward);
  EXPECT_EQ(state.TEMPOSCANN, 1);
  state.TEMPOSCANN = -50;
  Click(kForward);
  EXPECT_EQ(form->Timer3.Interval(), 1);
}

TEST_F(Simulation, ForecastOpenedWhileSimulatingStartsAtTheSimulatedTime) {
  Click(kFastForward);
  TickAt(0);  // 12:10 UTC shown
  form->LblSatDblClick(0);
  const std::string text = form->AOSLOSWindow()->Text();
  EXPECT_EQ(text.find("UTC: 12:0"), std::string::npos);
  EXPECT_NE(text.find("UTC: 12:24:00"), std::string::npos);
  EXPECT_FALSE(form->Timer3.Enabled());
  EXPECT_EQ(state.TimeStep, 0);
}

}  // namespace
}  // namespace rdz::test
