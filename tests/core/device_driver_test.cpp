// The device drivers: the KV250's follow rule, failures that stop commands but
// not the retries, which calls carry each radio link, and calls that hang on a
// real Hamlib connection to a device that never ends a line. Both devices'
// reconnection to a restarted daemon is met in the window.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <chrono>
#include <mutex>
#include <thread>

#include "core/local_server.h"
#include "core/settings/rig_config.h"
#include "platform/hamlib/hamlib_library.h"
#include "core/radio/rig_driver.h"
#include "core/rotor/kv250_follow.h"
#include "core/rotor/pass_planner.h"
#include "core/rotor/rotor_driver.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

double Now() { return std::chrono::duration<double>(Steady::now().time_since_epoch()).count(); }

TEST(Kv250Follow, AtOnceThenEveryFourSecondsStandingByBelowTheHorizon) {
  // Elevation by second: up from 0, down (rounded 0) at 10-11, up again from 12.
  const SkyPosition sky = [](double t) {
    const double el = t >= 10 && t < 12 ? 0.4 : 20.6;
    return std::optional<LookAngles>(LookAngles{100.5 + t, el});
  };
  Kv250Follow follow;
  std::vector<double> sent;
  for (double t = 0; t <= 20; ++t) {
    if (const auto c = follow.Step(sky, t)) {
      sent.push_back(t);
      EXPECT_EQ(c->position.azimuth, std::nearbyint(100.5 + t)) << t;  // halves to even
      EXPECT_EQ(c->position.elevation, 21) << t;
    }
    EXPECT_EQ(follow.Following(), t < 10 || t >= 12) << t;
  }
  EXPECT_EQ(sent, (std::vector<double>{0, 4, 8, 16, 20}));
  follow.Reset();  // another selection: at once again
  EXPECT_TRUE(follow.Step(sky, 21));
  follow.Unsent();  // a word that did not go out goes at the next look
  EXPECT_TRUE(follow.Step(sky, 22));
}

// A satellite crawling across the sky, so every look moves the rotor.
const SkyPosition kMoving = [](double t) { return std::optional<LookAngles>(LookAngles{std::fmod(t * 3, 360), 45}); };

TEST(RotorDriver, RotorThatFailsIsTriedAgainAndSentThePositionAtOnceWhenItAnswers) {
  // The rotors the driver makes share these, so the test steers rotors it no longer holds.
  struct Control {
    std::atomic<bool> fails{false}, holdReads{false};
    std::atomic<int> moves{0};
  };
  struct FakeRotor final : Rotor {
    std::shared_ptr<Control> c;
    DeviceCall Answer() const { return c->fails ? DeviceCall{false, "Communication timed out"} : DeviceCall{}; }
    DeviceCall Open() override { return Answer(); }
    DeviceCall SetPosition(double, double) override {
      if (!c->fails) ++c->moves;
      return Answer();
    }
    DeviceCall GetPosition(double& a, double& e) override {
      while (c->holdReads) std::this_thread::sleep_for(1ms);
      a = 1, e = 2;
      return Answer();
    }
  };
  const auto c = std::make_shared<Control>();
  SkyPosition sky = kMoving;
  RotorDriver driver([c] { auto r = std::make_unique<FakeRotor>(); r->c = c; return r; },
                     std::make_unique<PassPlanner>(RotorSettings{}), 3000ms);
  // `frozen`: the sky's clock stands still, so only the driver's own reasons bring a look.
  const auto tickUntil = [&](const std::function<bool()>& done, double seconds, double frozen = 0) {
    for (const auto end = Steady::now() + std::chrono::duration<double>(seconds); Steady::now() < end;) {
      driver.Tick(1, sky, frozen ? frozen : Now());
      if (done()) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  };
  ASSERT_TRUE(tickUntil([&] { return c->moves > 0 && driver.ReadBack(); }, 3));
  c->fails = true;
  ASSERT_TRUE(tickUntil([&] { return !driver.Commanding(); }, 10));
  EXPECT_EQ(driver.Error(), "Communication timed out");
  EXPECT_NE(driver.State(), RotorDriver::Link::State::Open);
  const int moves = c->moves;
  c->fails = false;
  c->holdReads = true;  // open again, but not answered yet: nothing is commanded
  const double frozen = Now();
  ASSERT_TRUE(tickUntil([&] { return driver.State() == DeviceState::Open; }, 15, frozen));
  EXPECT_FALSE(driver.Park());
  c->holdReads = false;
  ASSERT_TRUE(tickUntil([&] { return driver.Commanding(); }, 15, frozen));
  ASSERT_TRUE(tickUntil([&] { return c->moves > moves; }, 5, frozen));
  EXPECT_TRUE(driver.Following());
  EXPECT_EQ(driver.Error(), "");
}

struct FakeRig final : Rig {
  std::shared_ptr<std::vector<std::string>> calls = std::make_shared<std::vector<std::string>>();
  std::shared_ptr<std::mutex> m = std::make_shared<std::mutex>();
  bool setsFail = false;
  double dial = 145.96e6;
  DeviceCall Note(std::string call, bool fails = false) {
    std::lock_guard lock(*m);
    calls->push_back(std::move(call));
    return fails ? DeviceCall{false, "Invalid parameter"} : DeviceCall{};
  }
  static std::string V(RigVfo vfo) { return std::string(RigVfoName(vfo)); }
  DeviceCall Open() override { return Note("open"); }
  DeviceCall SetFrequency(RigVfo vfo, double hz) override {
    if (!setsFail && dial == 145.96e6) dial = hz;  // the first set is the receive VFO's
    return Note("set " + V(vfo), setsFail);
  }
  DeviceCall GetFrequency(RigVfo, double& hz) override {
    hz = dial;
    return Note("get");
  }
  DeviceCall SetSplit(RigVfo, RigVfo) override { return Note("split"); }
  DeviceCall SetSplitFrequency(RigVfo, double) override { return Note("split set", setsFail); }
  bool KnowsMode(const std::string& mode) const override { return mode != "BPSK"; }
  DeviceCall SetMode(RigVfo vfo, const std::string& mode) override { return Note("mode " + V(vfo) + " " + mode); }
  DeviceCall SetSplitMode(RigVfo vfo, const std::string& mode) override { return Note("split mode " + V(vfo) + " " + mode); }
  DeviceCall SetTone(RigVfo vfo, int tenths) override { return Note("tone " + V(vfo) + " " + std::to_string(tenths)); }
  DeviceCall SetSatelliteMode(bool on) override { return Note(on ? "satmode on" : "satmode off"); }
};

TEST(RigDriver, EachLinkModeAndToneGoesToItsVfoSplitSatelliteModeOrSecondRadio) {
  // An inverting USB transponder with a tone: LSB goes up, with 67 Hz.
  const Transponder linear{"lin", 435.0e6, 435.1e6, 145.8e6, 145.9e6, "usb", true, "", 67.0};
  const Transponder bpsk{"bpsk", 435.5e6, 435.5e6, {}, {}, "BPSK", false};
  using V = std::vector<std::string>;
  struct Case {
    RigSettings settings;
    const Transponder* t;
    bool setsFail;
    V calls, second = {};  // of the radio (its dial reads left out), and of the second radio
  };
  // Satellite mode on Sub and Main and a second radio are met on rigctld in `track`.
  const RigSettings named{RigVfo::Sub, RigVfo::Main, 20, 350};
  RigSettings second = named, none = named, satCurrent{RigVfo::Current, RigVfo::B, 20, 350};
  satCurrent.uplink = UplinkWay::SatelliteMode;
  second.uplink = UplinkWay::SecondRadio;
  none.uplink = UplinkWay::ReceiveOnly;
  for (const Case& c : {
           Case{named, &linear, false,
                {"open", "mode SUB USB", "mode MAIN LSB", "tone MAIN 670", "set SUB", "set MAIN"}},
           Case{{RigVfo::Current, RigVfo::B, 20, 350}, &linear, true,
                {"open", "split", "mode CURRENT USB", "split mode CURRENT LSB", "tone B 670", "set CURRENT", "split set",
                 "set CURRENT", "split set"}},  // refused: sent again
           Case{satCurrent, &linear, false,  // named VFOs, never split
                {"open", "satmode on", "mode CURRENT USB", "mode B LSB", "tone B 670", "set CURRENT", "set B",
                 "satmode off"}},
           Case{second, &linear, false, {"open", "mode SUB USB", "set SUB"},
                {"open", "mode MAIN LSB", "tone MAIN 670", "set MAIN"}},
           Case{none, &linear, false, {"open", "mode SUB USB", "set SUB"}},
           Case{named, &bpsk, false, {"open", "set SUB"}},
       }) {
    auto rig = std::make_unique<FakeRig>(), rig2 = std::make_unique<FakeRig>();
    rig->setsFail = c.setsFail;
    const FakeRig one = *rig, two = *rig2;  // their shared logs
    auto driver = std::make_unique<RigDriver>([&rig] { return std::move(rig); }, c.settings,
                                              std::chrono::milliseconds(2000), std::function<void()>{},
                                              [&rig2] { return std::move(rig2); });
    const auto settled = [&](bool idle) {
      const auto open = [](const RigDriver::Link* link) { return !link || link->Now() == DeviceState::Open; };
      for (int i = 0; i < 1000 && !((!idle || driver->Idle()) && open(driver->Transmitter()) &&
                                    driver->State() == DeviceState::Open); ++i, driver->Poll()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    };
    settled(false);
    driver->Tick(c.t, true, -5);  // one look, then its answers
    settled(true);
    const RigTargets taken = driver->TakeAccepted();
    EXPECT_EQ(taken.downlink.has_value(), !c.setsFail);
    EXPECT_EQ(taken.uplink.has_value(), !c.setsFail && c.t->upLow && c.settings.uplink != UplinkWay::ReceiveOnly);
    EXPECT_EQ(driver->Note(), c.t == &bpsk ? "Hamlib knows no mode BPSK: the radio's mode is left as it is" : "");
    // A second look sets no mode again, nor a frequency that did not drift.
    driver->Tick(c.t, true, -5);
    settled(true);
    driver.reset();  // the satellite mode goes off on the radio's thread
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::lock_guard lock(*one.m);
    V calls = *one.calls;  // the dial reads left out
    calls.erase(std::remove(calls.begin(), calls.end(), "get"), calls.end());
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(*two.calls, c.second);
  }
}

// Hamlib through a TCP connection that sends a byte every 50 ms and never a
// line end: its own time limit never ends the call (the rotor's lies past the
// deadline); the deadline does, and neither a tick nor the drivers' end waits.
TEST(DeviceDeadline, HamlibRotorAndRadioOnADeviceThatNeverEndsALine) {
  test::DripServer drip;
  HamlibRotorLibrary rotors;
  HamlibRigLibrary rigs;
  const DeviceAddress rc{2, drip.server(), 0};
  auto rotor = std::make_unique<RotorDriver>([&] { return rotors.Make(rc, 5000); },
                                             std::make_unique<PassPlanner>(RotorSettings{}), 1500ms);
  const DeviceAddress gc{2, drip.server(), 0};
  auto rig = std::make_unique<RigDriver>([&] { return rigs.Make(gc, 1000); }, RigSettings{}, 1500ms);
  const Transponder fm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};
  Steady::duration slowest{};
  const auto tick = [&] {
    const auto before = Steady::now();
    rotor->Tick(1, kMoving, Now());
    rig->Tick(&fm, true, -3);
    slowest = std::max(slowest, Steady::now() - before);
    std::this_thread::sleep_for(20ms);
  };
  for (const auto end = Steady::now() + 8s; Steady::now() < end && (rotor->Error().empty() || rig->Error().empty());) {
    tick();
  }
  EXPECT_EQ(rotor->Error(), "no answer within 1500 ms");
  EXPECT_EQ(rig->Error(), "no answer within 1500 ms");
  EXPECT_NE(rotor->State(), RotorDriver::Link::State::Open);
  // Connecting again, the calls hang once more; the drivers go away meanwhile.
  for (const auto end = Steady::now() + 8s; Steady::now() < end && (rotor->State() != RotorDriver::Link::State::Opening ||
                                                                     rig->State() != RigDriver::Link::State::Opening);) {
    tick();
  }
  const auto before = Steady::now();
  rotor.reset();
  rig.reset();
  EXPECT_LT(std::max(slowest, Steady::now() - before), 1000ms);  // below the radio's own limit
}

}  // namespace
}  // namespace rdz
