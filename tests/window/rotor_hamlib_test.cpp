// The main window driving a real rotctld (Hamlib's dummy rotor) through
// model 2: chosen in the rotor dialog, tracking, and a daemon that hangs,
// dies and comes back.
#include <QLabel>
#include <QRadioButton>
#include <signal.h>
#include <chrono>
#include <thread>

#include "core/rotctld.h"
#include "devicedialogs/rotor_dialog.h"
#include "mainwindow/rotor_link.h"
#include "orbit/engine.h"
#include "platform/hamlib/hamlib_rotor.h"
#include "platform/qt/qt_text.h"
#include "rotor/satellite_sky.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

const CivilTime kStart{2026, 5, 11, 0, 0, 0};

struct Found {
  int sat = 0;
  CivilTime at;
};

// The first sample satellite and instant (30 s steps over a day from kStart)
// where `wanted` holds for the previous and the current sample.
Found Find(const std::function<bool(const LookAngles& before, const LookAngles& now)>& wanted) {
  const Observer station{46.5, 8.95, 420};
  const std::vector<ElementSet> sats = SampleSatellites();
  for (std::size_t k = 0; k < sats.size(); ++k) {
    const SkyPosition sky = SatelliteSky(station, std::make_shared<KeplerModel>(sats[k]));
    const double start = static_cast<double>(UnixSeconds(kStart));
    for (double t = start + 30; t < start + 86400; t += 30) {
      const auto a = sky(t - 30), b = sky(t);
      if (a && b && wanted(*a, *b)) {
        return {static_cast<int>(k) + 1, CivilFromUnix(static_cast<std::int64_t>(t))};
      }
    }
  }
  return {};
}

class HamlibWindow : public WindowTest {
 protected:
  void Start(const Found& found, const std::string& rotorLines) {
    ASSERT_TRUE(rotctld->ready());
    ASSERT_GT(found.sat, 0);
    rotors = &hamlib;
    WriteSampleFiles();
    dir.Write("config.txt", SampleFile("config.txt") + rotorLines);
    MakeForm();
    StartAtUtc(found.at);
    form->Option1[static_cast<std::size_t>(found.sat - 1)]->click();
    form->Timer1Tick();
  }
  RotorDriver& Driver() const { return *form->Rotors->Driver(); }
  std::vector<double> RotorSays() const {
    std::istringstream in(rotctld->Ask("p"));
    std::vector<double> v;
    for (double x; in >> x;) v.push_back(x);
    return v;
  }
  std::string Status() const { return qt::FromQString(form->Rotors->Status->text()); }
  // The window's clock a second on every quarter of a second, until `done`.
  bool Live(const std::function<bool()>& done, int seconds) {
    for (int i = 0; i < seconds * 4; ++i) {
      clock.now = AddSeconds(clock.now, 1);
      form->Timer1Tick();
      if (PumpUntil(done, 0.25)) return true;
    }
    return false;
  }
  std::string Rotor() const { return "ROTOR = 2 " + rotctld->address() + "\r\n"; }

  HamlibRotorLibrary hamlib;
  std::unique_ptr<Rotctld> rotctld = std::make_unique<Rotctld>();
};

// Low in the north-east: the dummy rotor, turning 6 degrees a second from 0 0, is soon there.
const auto kLowNorth = [](const LookAngles&, const LookAngles& a) {
  return a.elevation > 3 && a.elevation < 12 && a.azimuth > 3 && a.azimuth < 25;
};

TEST_F(HamlibWindow, ChosenInTheDialogItFollowsTheSatelliteAndTheKv250IsLeftAlone) {
  Start(Find(kLowNorth), "");
  ASSERT_EQ(form->Rotors->DeviceName(), "KV 250");  // no ROTOR key
  form->Menus.TrkOther->trigger();
  ChooseModel(form->Rotors->Dialog(), "net ROTCTL", rotctld->address());
  port.Clear();  // the KV250 followed until now
  EXPECT_TRUE(form->Menus.TrkOther->isChecked());
  EXPECT_FALSE(form->Menus.KV250_1->isChecked());
  EXPECT_NE(dir.Read("config.txt").find(Rotor()), std::string::npos);
  ASSERT_TRUE(form->Rotors->Driver());

  EXPECT_EQ(qt::FromQString(form->Option1[60]->text()).rfind("NET rotctl [", 0), 0u);
  ASSERT_TRUE(PumpUntil([&] { return Driver().Commanded().has_value(); }, 5));
  ASSERT_TRUE(Live([&] {
    const auto& r = Driver().ReadBack();
    return r && std::abs(r->azimuth - Driver().Commanded()->azimuth) < 2 &&
           std::abs(r->elevation - Driver().Commanded()->elevation) < 2;
  }, 15)) << Status();
  const LookAngle at = *Driver().Commanded();
  const std::vector<double> p = RotorSays();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_NEAR(p[0], at.azimuth, 2);
  EXPECT_NEAR(p[1], at.elevation, 2);
  EXPECT_NE(Status().find("sent AZ EL"), std::string::npos) << Status();
  EXPECT_NE(Status().find("rotor AZ EL"), std::string::npos) << Status();
  EXPECT_TRUE(port.Writes().empty());
}

// Paused, the daemon never answers: the window keeps its second, the status
// says so and following resumes when it comes back. Killed and started again
// on the same port, the same, and the rotor is sent where the satellite is.
TEST_F(HamlibWindow, RotctldThatHangsOrRestartsIsReachedAgainByItself) {
  Start(Find(kLowNorth), Rotor());
  ASSERT_TRUE(PumpUntil([&] { return Driver().ReadBack().has_value(); }, 5));
  const auto cycle = [&](const std::function<void()>& fail, const std::string& says,
                         const std::function<void()>& heal) {
    fail();
    TickWhileEngaged([&] { return Status().find(says) == std::string::npos; }, [] {});
    EXPECT_NE(Status().find(says), std::string::npos) << Status();
    heal();
    EXPECT_TRUE(Live([&] { return Driver().Following() && Driver().Error().empty(); }, 20)) << Status();
  };
  cycle([&] { rotctld->Pause(true); }, "rotor: reconnecting (",
        [&] { rotctld->Pause(false); });
  cycle([&] { rotctld->Stop(); }, "rotor: reconnecting (", [&] { ASSERT_TRUE(rotctld->Restart()); });
  const std::vector<double> p = RotorSays();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_TRUE(Live([&] { return std::abs(RotorSays()[0] - Driver().Commanded()->azimuth) < 2; }, 8));
}

}  // namespace
}  // namespace rdz::test
