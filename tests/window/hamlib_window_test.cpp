// The main window driving Hamlib's dummy rotor and rig through a real rotctld
// and rigctld (model 2), each chosen in its dialog: one table for what both
// share (dialog, config.txt, status line, a daemon lost and found again), then
// the operator's dial and a satellite radio's passband and offset. The modes
// and tones the daemons are sent are met in `track`.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/orbit/engine.h"
#include "core/rotctld.h"
#include "core/rotor/satellite_sky.h"
#include "platform/hamlib/hamlib_library.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"
#include "windows/main/passband_bar.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"

namespace rdz::test {
namespace {

constexpr double kC = 299792.458;
// An inverting linear transponder: 435.05 MHz down is 145.95 up.
const Transponder kLinear{"linear", 435.0e6, 435.1e6, 145.9e6, 146.0e6, "USB", true};

class HamlibWindow : public WindowTest {
 protected:
  // The window at the first instant (30 s steps over a day) where a sample
  // satellite is low in the north-east and approaching fast (the dummy rotor,
  // turning 6 degrees a second from 0 0, is soon there), that satellite
  // selected and its radio on `transponder`.
  void Start(const Transponder& transponder = kLinear) {
    ASSERT_TRUE(rotctld.ready() && rigctld.ready());
    const std::vector<ElementSet> sats = SampleSatellites();
    const auto start = static_cast<double>(UnixSeconds({2026, 5, 11, 0, 0, 0}));
    for (double t = start; sat == 0 && t < start + 86400; t += 30) {
      for (std::size_t k = 0; sat == 0 && k < sats.size(); ++k) {
        const auto a = SatelliteSky({46.5, 8.95, 420}, std::make_shared<KeplerModel>(sats[k]))(t);
        if (a && a->elevation > 3 && a->elevation < 20 && a->azimuth < 40 && a->rangeRate < -3) sat = static_cast<int>(k) + 1;
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
    form->Transponders = TransponderChoice{sat, {transponder}, 0};
    clock.now = AddSeconds(clock.now, 1);  // a look of its own for the choice
    form->Timer1Tick();
  }
  RotorDriver& Rotor() const { return *form->Rotors->Driver(); }
  // A second of the window's time a quarter of a second, until the rotor stands where it was sent.
  bool RotorThere() {
    for (int i = 0; i < 60; ++i) {
      clock.now = AddSeconds(clock.now, 1);
      form->Timer1Tick();
      if (PumpUntil([&] {
            const auto &r = Rotor().ReadBack(), &c = Rotor().Commanded();
            return r && c && std::abs(r->azimuth - c->azimuth) < 2 && std::abs(r->elevation - c->elevation) < 2;
          }, 0.25)) {
        return true;
      }
    }
    return false;
  }
  // One tick at the window's instant; true once the dummy's VFOs (`rx` and
  // `tx` ask for them) are within `hz` of the downlink and uplink for
  // satellite-side `down` and `up`.
  bool TickUntil(double down, double up, double hz = 20, const Rigctld* rig = nullptr, const char* rx = "f",
                 const char* tx = "i") {
    form->Timer1Tick();
    form->Radios->Tick();
    const double rr = RangeRate();
    return PumpUntil([&] {
      return std::abs((rig ? *rig : rigctld).First(rx) - down * (1 - rr / kC)) <= hz &&
             std::abs((rig ? *rig : rigctld).First(tx) - up * (1 + rr / kC)) <= hz;
    }, 5);
  }
  bool RigThere() {
    for (int step = 0; step < 12; ++step, clock.now = AddSeconds(clock.now, 1)) {
      if (TickUntil(435.05e6, 145.95e6)) return true;
    }
    return false;
  }
  double RangeRate() const {
    const auto p = state.Models[static_cast<std::size_t>(sat - 1)]->At(SetupEngine(state.Station), *state.Time.Utc);
    return p && p->raw.rangeRate ? *p->raw.rangeRate : NAN;
  }
  static std::string Status(const DeviceLink* link) { return qt::FromQString(link->Status->text()); }

  int sat = 0;
  CivilTime at;
  HamlibRotorLibrary rotorLibrary;
  HamlibRigLibrary rigLibrary;
  Rotctld rotctld;
  Rigctld rigctld;
};

TEST_F(HamlibWindow, EachDeviceChosenInItsDialogFollowsThePassIsReachedAgainAfterARestartAndTheDialIsTheOperators) {
  Start();
  ASSERT_EQ(form->Rotors->DeviceName(), "KV 250");  // no ROTOR key
  EXPECT_FALSE(form->Radios->Driver());
  const struct Device {
    QAction* menu;
    std::function<DeviceDialog*()> dialog;
    const char *model, *key, *status;
    Rotctld& daemon;
    DeviceLink* link;
    std::function<bool()> follows;
  } devices[] = {
      {form->Menus.TrkOther, [&] { return form->Rotors->Dialog(); }, "net ROTCTL", "ROTOR = 2 ", "rotor: NET rotctl ",
       rotctld, form->Rotors, [&] { return RotorThere(); }},
      {form->Menus.TrkRadio, [&] { return form->Radios->Dialog(); }, "net rigctl", "RIG = 2 ", "radio: NET rigctl ",
       rigctld, form->Radios, [&] { return RigThere(); }},
  };
  for (const Device& d : devices) {
    d.menu->trigger();
    ChooseModel(d.dialog(), d.model, d.daemon.address());
    port.Clear();  // the KV250 followed until the rotor was chosen
    EXPECT_TRUE(d.menu->isChecked());
    EXPECT_NE(dir.Read("config.txt").find(d.key + d.daemon.address() + "\r\n"), std::string::npos);
    ASSERT_TRUE(d.follows()) << Status(d.link);
    EXPECT_EQ(Status(d.link).rfind(d.status + d.daemon.address() + "   ", 0), 0u) << Status(d.link);
    // Killed: the status says so. Restarted, the dummy forgot everything and it is sent again.
    d.daemon.Stop();
    TickWhileEngaged([&] { return Status(d.link).find("reconnecting (") == std::string::npos; }, [&] { d.link->Tick(); });
    EXPECT_EQ(Status(d.link).rfind(std::string(d.status, 7) + "reconnecting (", 0), 0u) << Status(d.link);
    ASSERT_TRUE(d.daemon.Restart());
    EXPECT_TRUE(d.follows()) << Status(d.link);
  }
  const std::vector<double> p = rotctld.Numbers("p");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_NEAR(p[0], Rotor().Commanded()->azimuth, 2);
  EXPECT_NEAR(p[1], Rotor().Commanded()->elevation, 2);
  EXPECT_FALSE(form->Menus.KV250_1->isChecked());
  EXPECT_TRUE(port.Writes().empty());
  EXPECT_EQ(qt::FromQString(Option(60)->text()).rfind("NET rotctl [", 0), 0u);
  EXPECT_NE(Status(form->Rotors).find("   rotor AZ EL "), std::string::npos) << Status(form->Rotors);
  EXPECT_NE(Status(form->Radios).find("   satellite 435050000 Hz"), std::string::npos) << Status(form->Radios);

  // The operator tunes 3 kHz up: the satellite side follows, the inverted uplink goes down.
  clock.now = AddSeconds(clock.now, 20);
  form->Timer1Tick();
  ASSERT_TRUE(rigctld.Tune(rigctld.Frequency() + 3000));
  const double satellite = rigctld.Frequency() / (1 - RangeRate() / kC);
  EXPECT_TRUE(TickUntil(satellite, 145.95e6 - (satellite - 435.05e6), 1));
  clock.now = AddSeconds(clock.now, 20);  // and corrections go on from there
  EXPECT_TRUE(TickUntil(satellite, 145.95e6 - (satellite - 435.05e6)));

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
  Transponder linear = kLinear;
  linear.tone = 67.0;
  Start(linear);
  form->Menus.TrkRadio->trigger();
  RigDialog* d = form->Radios->Dialog();
  ASSERT_TRUE(d);
  d->Uplink->setCurrentIndex(d->Uplink->findText(QStringLiteral("Satellite mode")));
  d->ReceiveVfo->setCurrentIndex(d->ReceiveVfo->findText(QStringLiteral("SUB")));
  d->TransmitVfo->setCurrentIndex(d->TransmitVfo->findText(QStringLiteral("MAIN")));
  ChooseModel(d, "net rigctl", ic9700.address());
  EXPECT_NE(dir.Read("config.txt").find("RIGSATMODE = 1\r\n"), std::string::npos);
  // Sub receives, Main sends the inverted uplink.
  const auto tuned = [&](double down) {
    return TickUntil(down, 145.95e6 - (down - 435.05e6), 20, &ic9700, "f Sub", "f Main");
  };
  ASSERT_TRUE(tuned(435.05e6)) << Status(form->Radios);
  EXPECT_TRUE(PumpUntil([&] { return Status(form->Radios).find("USB/LSB tone 67.0 Hz") != std::string::npos; }, 5))
      << Status(form->Radios);

  // Shift+Right on the passband: a kilohertz up, both VFOs at once; remembered.
  ASSERT_TRUE(Control<PassbandBar>("BarPassband")->Place());
  QTest::keyClick(Control<PassbandBar>("BarPassband"), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(Control<PassbandBar>("BarPassband")->Place()->downlink, 435.051e6);
  ASSERT_TRUE(tuned(435.051e6)) << Status(form->Radios);
  Button("CmdRememberOffset")->click();
  EXPECT_EQ(dir.Read("offsets.txt"), std::to_string(state.Elements[sat].CatalogNumber) + " 435050000 1000\r\n");

  // Released, the satellite mode goes off; taken again, the pass starts at the offset.
  const RigConfig used = form->Radios->InUse();
  form->Menus.TrkRadio->trigger();
  form->Radios->Dialog()->NoRadio->click();
  EXPECT_TRUE(PumpUntil([&] { return ic9700.Ask("u currVFO SATMODE") == "0"; }, 5));
  form->Radios->Use(used, false);
  EXPECT_TRUE(tuned(435.051e6)) << Status(form->Radios);
  Button("CmdResetOffset")->click();
  EXPECT_EQ(dir.Read("offsets.txt"), "");
  EXPECT_TRUE(tuned(435.05e6)) << Status(form->Radios);
}

}  // namespace
}  // namespace rdz::test
