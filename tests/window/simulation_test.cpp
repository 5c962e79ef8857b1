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
  ~Simulation() override { form->Timer1.SetEnabled(false); }
  void Click(Button b) { form->CmdStop[b]->click(); }
  // One tick with the PC clock some seconds past 13:00:00; then UTC and PC clocks.
  void TickExpecting(int seconds, const std::string& utc, const std::string& pc) {
    clock.now = {2026, 5, 11, 13, 0, seconds};
    form->Timer3Tick();
    EXPECT_EQ(qt::FromQString(form->lblOrario->text()), utc);
    EXPECT_EQ(qt::FromQString(form->LblPCTime->text()), pc);
  }
};

TEST_F(Simulation, StepButtonsChangeSpeedOnlyAndStopReturnsToRealTime) {
  Click(kForward);
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_TRUE(form->Timer3.Enabled());
  TickExpecting(0, "12:01:00", "13:01:00");
  form->TxtUtc->setEditText(QStringLiteral("3"));  // not taken again while simulating
  Click(kFastForward);
  TickExpecting(0, "12:11:00", "15:11:00");
  Click(kFastBack);
  TickExpecting(0, "12:01:00", "15:01:00");
  EXPECT_EQ(events.runs, 3);
  Click(kStop);
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_FALSE(form->Timer3.Enabled());
  EXPECT_EQ(state.TimeStep, 0);
  EXPECT_EQ(qt::FromQString(form->lblOrario->text()), "10:00:00");
  Click(kBack);
  TickExpecting(0, "09:59:00", "12:59:00");
}

TEST_F(Simulation, PauseTogglesTheTickAndInRealTimeShowsLocalTimeAsUtc) {
  Click(kPause);
  EXPECT_TRUE(form->Timer3.Enabled());
  EXPECT_FALSE(form->Timer1.Enabled());
  TickExpecting(5, "13:00:05", "14:00:05");
  Click(kFastForward);
  Click(kPause);
  EXPECT_FALSE(form->Timer3.Enabled());
  Click(kPause);
  EXPECT_TRUE(form->Timer3.Enabled());
  EXPECT_EQ(state.TimeStep, -10.0 / 60);
}

TEST_F(Simulation, ScanIntervalIsTheTickOfTheTimer) {
  state.TEMPOSCANN = 1000;
  Click(kFastForward);
  EXPECT_EQ(form->Timer3.Interval(), 1000);
  TickExpecting(1, "12:10:01", "13:10:01");  // ten minutes and a second per second
  TickExpecting(2, "12:20:02", "13:20:02");
  state.TEMPOSCANN = 0;
  Click(kForward);
  EXPECT_EQ(state.TEMPOSCANN, 1);
  state.TEMPOSCANN = -50;
  Click(kForward);
  EXPECT_EQ(form->Timer3.Interval(), 1);
  // A forecast opened now starts at the simulated instant, 12:20:02.
  form->LblSatDblClick(0);
  const std::string text = form->AOSLOSWindow()->Text();
  EXPECT_EQ(text.substr(text.find("DATE: "), 31), "DATE: 11/05/2026\t\tUTC: 12:24:02");
  EXPECT_FALSE(form->Timer3.Enabled());
}

}  // namespace
}  // namespace rdz::test
