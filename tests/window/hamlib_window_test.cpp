// The main window driving Hamlib's dummy rotor and rig through a real rotctld
// and rigctld (model 2), chosen in the device dialogs: following a pass, the
// operator's dial, a rigctld lost and found again. The rotor's outages are met
// in `track`.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/rotctld.h"
#include "windows/devices/rig_dialog.h"
#include "windows/devices/rotor_dialog.h"
#include "windows/main/passband_bar.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"
#include "core/orbit/engine.h"
#include "platform/hamlib/hamlib_rig.h"
#include "platform/hamlib/hamlib_rotor.h"
#include "platform/qt/qt_text.h"
#include "core/rotor/satellite_sky.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

constexpr double kC = 299792.458;
// An inverting linear transponder: 435.05 MHz down is 145.95 up.
const Transponder kLinear{"linear", 435.0e6, 435.1e6, 145.9e6, 146.0e6, "USB", true};

class HamlibWindow : public WindowTest {
 protected:
  // The window at the first instant (30 s steps over a day) where a sample
  // satellite is `wanted`, with that satellite selected.
  void Start(const std::function<bool(const LookAngles&)>& wanted) {
    ASSERT_TRUE(rotctld.ready() && rigctld.ready());
    const Observer station{46.5, 8.95, 420};
    const std::vector<ElementSet> sats = SampleSatellites();
    const auto start = static_cast<double>(UnixSeconds({2026, 5, 11, 0, 0, 0}));
    for (double t = start; sat == 0 && t < start + 86400; t += 30) {
      for (std::size_t k = 0; sat == 0 && k < sats.size(); ++k) {
        const auto a = SatelliteSky(station, std::make_shared<KeplerModel>(sats[k]))(t);
        if (a && wanted(*a)) sat = static_cast<int>(k) + 1;
      }
      at = CivilFromUnix(static_cast<std::int64_t>(t));
    }
    ASSERT_GT(sat, 0);
    rotors = &rotorLibrary;
    rigs = &rigLibrary;
    WriteSampleFiles();
    MakeForm();
    StartAtUtc(at);
    Option(static_cast<std::size_t>(sat - 1))->click();
    form->Timer1Tick();
  }
  RotorDriver& Rotor() const { return *form->Rotors->Driver(); }
  std::string RotorStatus() const { return qt::FromQString(form->Rotors->Status->text()); }

  // One tick at the window's instant; true once the dummy's VFOs are within
  // `hz` of the downlink and uplink for satellite-side `down` and `up`.
  bool TickUntil(double down, double up, double hz = 20) {
    form->Timer1Tick();
    form->Radios->Tick();
    const double rr = RangeRate();
    return PumpUntil([&] {
      return std::abs(rigctld.Frequency() - down * (1 - rr / kC)) <= hz &&
             std::abs(rigctld.SplitFrequency() - up * (1 + rr / kC)) <= hz;
    }, 5);
  }
  double RangeRate() const {
    const auto p = state.Models[static_cast<std::size_t>(sat - 1)]->At(SetupEngine(state.Station), *state.Time.Utc);
    return p && p->raw.rangeRate ? *p->raw.rangeRate : NAN;
  }
  std::string RigStatus() const { return qt::FromQString(form->Radios->Status->text()); }

  int sat = 0;
  CivilTime at;
  HamlibRotorLibrary rotorLibrary;
  HamlibRigLibrary rigLibrary;
  Rotctld rotctld;
  Rigctld rigctld;
};

TEST_F(HamlibWindow, RotorChosenInTheDialogFollowsTheSatelliteAndTheKv250IsLeftAlone) {
  // Low in the north-east: the dummy rotor, turning 6 degrees a second from 0 0, is soon there.
  Start([](const LookAngles& a) { return a.elevation > 3 && a.elevation < 12 && a.azimuth > 3 && a.azimuth < 25; });
  ASSERT_EQ(form->Rotors->DeviceName(), "KV 250");  // no ROTOR key
  form->Menus.TrkOther->trigger();
  ChooseModel(form->Rotors->Dialog(), "net ROTCTL", rotctld.address());
  port.Clear();  // the KV250 followed until now
  EXPECT_TRUE(form->Menus.TrkOther->isChecked());
  EXPECT_FALSE(form->Menus.KV250_1->isChecked());
  EXPECT_NE(dir.Read("config.txt").find("ROTOR = 2 " + rotctld.address() + "\r\n"), std::string::npos);
  ASSERT_TRUE(form->Rotors->Driver());

  EXPECT_EQ(qt::FromQString(Option(60)->text()).rfind("NET rotctl [", 0), 0u);
  ASSERT_TRUE(PumpUntil([&] { return Rotor().Commanded().has_value(); }, 5));
  // The window's clock a second on every quarter of a second, until the rotor is there.
  bool there = false;
  for (int i = 0; i < 60 && !there; ++i) {
    clock.now = AddSeconds(clock.now, 1);
    form->Timer1Tick();
    there = PumpUntil([&] {
      const auto& r = Rotor().ReadBack();
      return r && std::abs(r->azimuth - Rotor().Commanded()->azimuth) < 2 &&
             std::abs(r->elevation - Rotor().Commanded()->elevation) < 2;
    }, 0.25);
  }
  ASSERT_TRUE(there) << RotorStatus();
  const LookAngle commanded = *Rotor().Commanded();
  const std::vector<double> p = rotctld.Numbers("p");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_NEAR(p[0], commanded.azimuth, 2);
  EXPECT_NEAR(p[1], commanded.elevation, 2);
  EXPECT_NE(RotorStatus().find("sent AZ EL"), std::string::npos) << RotorStatus();
  EXPECT_NE(RotorStatus().find("rotor AZ EL"), std::string::npos) << RotorStatus();
  EXPECT_TRUE(port.Writes().empty());
}

TEST_F(HamlibWindow, RigChosenInTheDialogFollowsThePassTheOperatorsDialAndARestartedRigctld) {
  // Well up and fast approaching.
  Start([](const LookAngles& a) { return a.elevation > 10 && a.rangeRate < -3; });
  form->Transponders = TransponderChoice{sat, {kLinear}, 0};
  clock.now = AddSeconds(clock.now, 1);  // a look of its own for the choice
  EXPECT_FALSE(form->Radios->Driver());
  form->Menus.TrkRadio->trigger();
  ChooseModel(form->Radios->Dialog(), "net rigctl", rigctld.address());
  EXPECT_TRUE(form->Menus.TrkRadio->isChecked());
  EXPECT_NE(dir.Read("config.txt").find("RIG = 2 " + rigctld.address() + "\r\n"), std::string::npos);
  ASSERT_TRUE(form->Radios->Driver());

  for (int step = 0; step < 6; ++step) {
    EXPECT_TRUE(TickUntil(435.05e6, 145.95e6)) << step;
    clock.now = AddSeconds(clock.now, 20);
  }
  EXPECT_NE(RigStatus().find("rig 4"), std::string::npos) << RigStatus();
  // The operator tunes 3 kHz up: the satellite side follows, the inverted uplink goes down.
  form->Timer1Tick();
  const double down = rigctld.Frequency();
  ASSERT_TRUE(rigctld.Tune(down + 3000));
  const double satellite = (down + 3000) / (1 - RangeRate() / kC);
  EXPECT_TRUE(TickUntil(satellite, 145.95e6 - (satellite - 435.05e6), 1));
  // And corrections go on from there.
  clock.now = AddSeconds(clock.now, 20);
  EXPECT_TRUE(TickUntil(satellite, 145.95e6 - (satellite - 435.05e6)));

  // Killed: the status says so. Restarted, the dummy forgot everything and both frequencies go out again.
  rigctld.Stop();
  TickWhileEngaged([&] { return RigStatus().find("radio: reconnecting (") == std::string::npos; },
                   [&] { form->Radios->Tick(); });
  EXPECT_NE(RigStatus().find("radio: reconnecting ("), std::string::npos) << RigStatus();
  ASSERT_TRUE(rigctld.Restart());
  bool back = false;
  for (int i = 0; i < 12 && !back; ++i) {
    clock.now = AddSeconds(clock.now, 1);
    back = TickUntil(satellite, 145.95e6 - (satellite - 435.05e6));
  }
  EXPECT_TRUE(back) << RigStatus();

  // "No radio": the RIG line goes and the radio is left alone.
  form->Menus.TrkRadio->trigger();
  form->Radios->Dialog()->NoRadio->click();
  EXPECT_FALSE(form->Radios->Driver());
  EXPECT_FALSE(form->Menus.TrkRadio->isChecked());
  EXPECT_EQ(dir.Read("config.txt").find("\nRIG = "), std::string::npos);
}

// A satellite radio in satellite mode behind a rigctld in VFO mode (its
// commands name Main and Sub): modes and tone at the start, the passband moved
// from the keyboard, an offset remembered, used at the next start and reset.
TEST_F(HamlibWindow, SatelliteModeToneThePassbandAndARememberedOffset) {
  Rigctld ic9700(true);
  ASSERT_TRUE(ic9700.ready());
  Start([](const LookAngles& a) { return a.elevation > 10 && a.rangeRate < -3; });
  Transponder linear = kLinear;
  linear.tone = 67.0;
  form->Transponders = TransponderChoice{sat, {linear}, 0};
  clock.now = AddSeconds(clock.now, 1);
  form->Menus.TrkRadio->trigger();
  RigDialog* d = form->Radios->Dialog();
  ASSERT_TRUE(d);
  d->Uplink->setCurrentIndex(d->Uplink->findText(QStringLiteral("Satellite mode")));
  d->ReceiveVfo->setCurrentIndex(d->ReceiveVfo->findText(QStringLiteral("SUB")));
  d->TransmitVfo->setCurrentIndex(d->TransmitVfo->findText(QStringLiteral("MAIN")));
  ChooseModel(d, "net rigctl", ic9700.address());
  EXPECT_NE(dir.Read("config.txt").find("RIGSATMODE = 1\r\n"), std::string::npos);
  // Sub receives, Main sends: true once both are on satellite-side `down` and its uplink.
  const auto tuned = [&](double down) {
    form->Timer1Tick();
    form->Radios->Tick();
    const double rr = RangeRate(), up = 145.95e6 - (down - 435.05e6);
    return PumpUntil([&] {
      return std::abs(ic9700.First("f Sub") - down * (1 - rr / kC)) <= 20 &&
             std::abs(ic9700.First("f Main") - up * (1 + rr / kC)) <= 20;
    }, 5);
  };
  ASSERT_TRUE(tuned(435.05e6)) << RigStatus();
  EXPECT_EQ(ic9700.Ask("u currVFO SATMODE"), "1");
  EXPECT_EQ(ic9700.Ask("m Sub").substr(0, 4), "USB ");
  EXPECT_EQ(ic9700.Ask("m Main").substr(0, 4), "LSB ");
  EXPECT_EQ(ic9700.Ask("c Main"), "670");
  EXPECT_TRUE(PumpUntil([&] { return RigStatus().find("USB/LSB tone 67.0 Hz") != std::string::npos; }, 5))
      << RigStatus();

  // Shift+Right on the passband: a kilohertz up, both VFOs at once; remembered.
  ASSERT_TRUE(Control<PassbandBar>("BarPassband")->Place());
  QTest::keyClick(Control<PassbandBar>("BarPassband"), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(Control<PassbandBar>("BarPassband")->Place()->downlink, 435.051e6);
  ASSERT_TRUE(tuned(435.051e6)) << RigStatus();
  Button("CmdRememberOffset")->click();
  const std::string offsets = std::to_string(state.Elements[sat].CatalogNumber) + " 435050000 1000\r\n";
  EXPECT_EQ(dir.Read("offsets.txt"), offsets);

  // Released, the satellite mode goes off; taken again, the pass starts at the offset.
  const RigConfig used = form->Radios->InUse();
  form->Menus.TrkRadio->trigger();
  form->Radios->Dialog()->NoRadio->click();
  EXPECT_TRUE(PumpUntil([&] { return ic9700.Ask("u currVFO SATMODE") == "0"; }, 5));
  form->Radios->Use(used, false);
  EXPECT_TRUE(tuned(435.051e6)) << RigStatus();
  Button("CmdResetOffset")->click();
  EXPECT_EQ(dir.Read("offsets.txt"), "");
  EXPECT_TRUE(tuned(435.05e6)) << RigStatus();
}

}  // namespace
}  // namespace rdz::test
