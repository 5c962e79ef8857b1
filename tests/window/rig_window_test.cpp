// The main window driving a real rigctld (Hamlib's dummy rig) through model
// 2: chosen in the rig dialog, following a pass and the operator's dial, and
// losing it.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/rigctld.h"
#include "devicedialogs/rig_dialog.h"
#include "mainwindow/rig_link.h"
#include "orbit/engine.h"
#include "platform/hamlib/hamlib_rig.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

constexpr double kC = 299792.458;
// An inverting linear transponder: 435.05 MHz down is 145.95 up.
const Transponder kLinear{"linear", 435.0e6, 435.1e6, 145.9e6, 146.0e6, "USB", true};

class RigWindow : public WindowTest {
 protected:
  void SetUp() override {
    // A sample satellite well up and fast approaching, in 30 s steps over a day.
    const EngineContext engine = SetupEngine({46.5, 8.95, 420});
    const std::vector<ElementSet> sats = SampleSatellites();
    for (int s = 0; sat == 0 && s < 86400; s += 30) {
      at = AddSeconds({2026, 5, 11, 0, 0, 0}, s);
      for (std::size_t k = 0; sat == 0 && k < sats.size(); ++k) {
        const auto p = KeplerModel(sats[k]).At(engine, at);
        if (p && p->raw.elevation > 10 && p->raw.rangeRate.value_or(0) < -3) sat = static_cast<int>(k) + 1;
      }
    }
    ASSERT_GT(sat, 0);
    ASSERT_TRUE(rigctld->ready());
  }
  void Start(const std::string& rigLines) {
    rigs = &hamlib;
    WriteSampleFiles();
    dir.Write("config.txt", SampleFile("config.txt") + rigLines);
    MakeForm();
    StartAtUtc(at);
    form->Option1[static_cast<std::size_t>(sat - 1)]->click();
    form->Timer1Tick();
    form->Transponders = TransponderChoice{sat, {kLinear}, 0};
    clock.now = AddSeconds(clock.now, 1);  // a look of its own for the choice
  }
  RigDriver& Driver() const { return *form->Radios->Driver(); }
  // One tick at the window's instant; true once the dummy's VFOs are within
  // `hz` of the downlink and uplink for satellite-side `down` and `up`.
  bool TickUntil(double down, double up, double hz = 20) {
    form->Timer1Tick();
    form->Radios->Tick();
    const double rr = RangeRate();
    return PumpUntil([&] {
      return std::abs(rigctld->Frequency() - down * (1 - rr / kC)) <= hz &&
             std::abs(rigctld->SplitFrequency() - up * (1 + rr / kC)) <= hz;
    }, 5);
  }
  double RangeRate() const {
    const auto p = state.Models[static_cast<std::size_t>(sat - 1)]->At(SetupEngine(state.Station), *state.Time.Utc);
    return p && p->raw.rangeRate ? *p->raw.rangeRate : NAN;
  }
  std::string Status() const { return qt::FromQString(form->Radios->Status->text()); }

  int sat = 0;
  CivilTime at;
  HamlibRigLibrary hamlib;
  std::unique_ptr<Rigctld> rigctld = std::make_unique<Rigctld>();
};

TEST_F(RigWindow, ChosenInTheDialogItFollowsThePassAndTheOperatorsDial) {
  Start("");
  EXPECT_FALSE(form->Radios->Driver());
  form->Menus.TrkRadio->trigger();
  ChooseModel(form->Radios->Dialog(), "net rigctl", rigctld->address());
  EXPECT_TRUE(form->Menus.TrkRadio->isChecked());
  EXPECT_NE(dir.Read("config.txt").find("RIG = 2 " + rigctld->address() + "\r\n"), std::string::npos);
  ASSERT_TRUE(form->Radios->Driver());

  for (int step = 0; step < 6; ++step) {
    EXPECT_TRUE(TickUntil(435.05e6, 145.95e6)) << step;
    clock.now = AddSeconds(clock.now, 20);
  }
  EXPECT_NE(Status().find("rig 4"), std::string::npos) << Status();
  // The operator tunes 3 kHz up: the satellite side follows, the inverted uplink goes down.
  form->Timer1Tick();
  const double down = rigctld->Frequency();
  ASSERT_TRUE(rigctld->Tune(down + 3000));
  const double satellite = (down + 3000) / (1 - RangeRate() / kC);
  EXPECT_TRUE(TickUntil(satellite, 145.95e6 - (satellite - 435.05e6), 1));
  // And corrections go on from there.
  clock.now = AddSeconds(clock.now, 20);
  EXPECT_TRUE(TickUntil(satellite, 145.95e6 - (satellite - 435.05e6)));

  // "No radio": the RIG line goes and the radio is left alone.
  form->Menus.TrkRadio->trigger();
  form->Radios->Dialog()->NoRadio->click();
  EXPECT_FALSE(form->Radios->Driver());
  EXPECT_FALSE(form->Menus.TrkRadio->isChecked());
  EXPECT_EQ(dir.Read("config.txt").find("\nRIG = "), std::string::npos);
}

TEST_F(RigWindow, RigctldKilledAndRestartedIsFollowedAgain) {
  Start("RIG = 2 " + rigctld->address() + "\r\n");
  EXPECT_TRUE(TickUntil(435.05e6, 145.95e6)) << Status();
  rigctld->Stop();
  TickWhileEngaged([&] { return Status().find("radio: reconnecting (") == std::string::npos; },
                   [&] { form->Radios->Tick(); });
  EXPECT_NE(Status().find("radio: reconnecting ("), std::string::npos) << Status();
  ASSERT_TRUE(rigctld->Restart());
  // The restarted dummy forgot everything: both frequencies go out again.
  bool back = false;
  for (int i = 0; i < 12 && !back; ++i) {
    clock.now = AddSeconds(clock.now, 1);
    back = TickUntil(435.05e6, 145.95e6);
  }
  EXPECT_TRUE(back) << Status();
}

}  // namespace
}  // namespace rdz::test
