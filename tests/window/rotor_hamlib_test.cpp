// The main window driving a real rotctld (Hamlib's dummy rotor) through
// model 2: chosen in the rotor dialog, tracking, flipping, and losing it.
#include <QLabel>
#include <QRadioButton>
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
    form->Rotors->Timer.stop();  // the test ticks
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
  ASSERT_FALSE(form->Rotors->Driver());  // no ROTOR key: the KV250
  form->Menus.TrkOther->trigger();
  ChooseModel(form->Rotors->Dialog(), "net ROTCTL", rotctld->address());
  EXPECT_TRUE(form->Menus.TrkOther->isChecked());
  EXPECT_FALSE(form->Menus.KV250_1->isChecked());
  EXPECT_NE(dir.Read("config.txt").find(Rotor()), std::string::npos);
  ASSERT_TRUE(form->Rotors->Driver());

  form->Rotors->Tick();
  form->Timer2Tick();
  ASSERT_TRUE(Driver().Commanded());
  const LookAngle sent = *Driver().Commanded();
  ASSERT_TRUE(PumpUntil([&] {
    const auto& r = Driver().ReadBack();
    if (r && std::abs(r->azimuth - sent.azimuth) < 2 && std::abs(r->elevation - sent.elevation) < 2) return true;
    form->Rotors->Tick();  // reads the rotor again
    return false;
  }, 15)) << Status();
  const std::vector<double> p = RotorSays();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_NEAR(p[0], sent.azimuth, 2);
  EXPECT_NEAR(p[1], sent.elevation, 2);
  EXPECT_NE(Status().find("sent AZ EL"), std::string::npos) << Status();
  EXPECT_NE(Status().find("rotor AZ EL"), std::string::npos) << Status();
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(HamlibWindow, PassOverTheNorthStopIsFlippedOnARotorThatTiltsOver) {
  rotctld = std::make_unique<Rotctld>("min_az=0,max_az=360,max_el=180");
  // A pass seen crossing north; tracking starts 30 s after its rise.
  Found cross = Find([](const LookAngles& a, const LookAngles& b) {
    return a.elevation > 5 && b.elevation > 5 && std::abs(a.azimuth - b.azimuth) > 180;
  });
  ASSERT_GT(cross.sat, 0);
  const SkyPosition sky = SatelliteSky(
      {46.5, 8.95, 420}, std::make_shared<KeplerModel>(SampleSatellites()[static_cast<std::size_t>(cross.sat - 1)]));
  double t = static_cast<double>(UnixSeconds(cross.at));
  while (sky(t)->elevation > 0) t -= 10;
  cross.at = CivilFromUnix(static_cast<std::int64_t>(t) + 30);
  Start(cross, Rotor() + "ROTORAZRANGE = 0-360\r\nROTORMAXEL = 180\r\n");

  form->Rotors->Tick();
  ASSERT_TRUE(Driver().Planner().Plan());
  EXPECT_EQ(Driver().Planner().Plan()->way, PassWay::Flip);
  ASSERT_TRUE(Driver().Commanded());
  EXPECT_GT(Driver().Commanded()->elevation, 90);
  // The rotor takes the tilted position and heads for it.
  ASSERT_TRUE(PumpUntil([&] { return Driver().ReadBack().has_value(); }, 5));
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  const std::vector<double> p = RotorSays();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_GT(p[1], 10);
  EXPECT_TRUE(Driver().Engaged());
  EXPECT_EQ(Driver().Error(), "");
}

TEST_F(HamlibWindow, RotctldGoneMidwayLeavesTheWindowTickingAndSaysWhy) {
  Start(Find(kLowNorth), Rotor());
  form->Rotors->Tick();
  ASSERT_TRUE(PumpUntil([&] { return Driver().ReadBack().has_value(); }, 5));
  rotctld->Stop();
  TickWhileEngaged([&] { return Driver().Engaged(); }, [&] { form->Rotors->Tick(); });
  ASSERT_FALSE(Driver().Engaged());
  EXPECT_FALSE(Driver().Error().empty());
  EXPECT_NE(Status().find("stopped: " + Driver().Error()), std::string::npos) << Status();
}

}  // namespace
}  // namespace rdz::test
