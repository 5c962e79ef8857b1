// The device drivers: the KV250's follow rule, failures that stop commands but
// not the retries, which calls carry each radio link, and calls that hang on a
// real Hamlib connection to a device that never ends a line. The radio's dial
// and reconnection are tested against rigctld.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <chrono>
#include <mutex>
#include <thread>

#include "core/local_server.h"
#include "platform/hamlib/hamlib_rig.h"
#include "platform/hamlib/hamlib_rotor.h"
#include "radio/rig_driver.h"
#include "rotor/kv250_follow.h"
#include "rotor/pass_planner.h"
#include "rotor/rotor_driver.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

double Now() { return std::chrono::duration<double>(Steady::now().time_since_epoch()).count(); }

TEST(ReconnectPause, GrowsToTenSeconds) {
  const std::vector<std::pair<int, int>> cases = {{0, 1000}, {1, 1000}, {2, 2000}, {3, 4000}, {4, 8000}, {5, 10000},
                                                  {40, 10000}};
  for (const auto& [attempts, ms] : cases) EXPECT_EQ(ReconnectPause(attempts).count(), ms) << attempts;
}

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

TEST(RotorDriver, RotorThatFailsOrHangsIsTriedAgainAndSentThePositionAtOnceWhenItAnswers) {
  // The rotors the driver makes share these, so the test steers rotors it no longer holds.
  struct Control {
    std::atomic<bool> fails{false}, hang{false};
    std::atomic<int> moves{0};
  };
  struct FakeRotor final : Rotor {
    std::shared_ptr<Control> c;
    RotorCall Answer() const { return c->fails ? RotorCall{false, "Communication timed out"} : RotorCall{}; }
    RotorCall Open() override { return Answer(); }
    RotorCall SetPosition(double, double) override {
      while (c->hang) std::this_thread::sleep_for(1ms);
      if (!c->fails) ++c->moves;
      return Answer();
    }
    RotorCall GetPosition(double& a, double& e) override {
      while (c->hang) std::this_thread::sleep_for(1ms);
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
  const double frozen = Now();
  ASSERT_TRUE(tickUntil([&] { return driver.Commanding(); }, 15, frozen));
  ASSERT_TRUE(tickUntil([&] { return c->moves > moves; }, 5, frozen));
  EXPECT_TRUE(driver.Following());
  EXPECT_EQ(driver.Error(), "");
  // A call past its deadline drops the connection: a position that went out
  // with it goes again on the new one, though the satellite stands still.
  sky = [](double) { return std::optional<LookAngles>(LookAngles{123, 45}); };
  const int still = c->moves;
  ASSERT_TRUE(tickUntil([&] { return c->moves > still; }, 5));
  c->hang = true;
  ASSERT_TRUE(tickUntil([&] { return driver.Error() == "no answer within 3000 ms"; }, 10));
  const int before = c->moves;
  c->hang = false;
  EXPECT_TRUE(tickUntil([&] { return c->moves > before; }, 10));
}

struct FakeRig final : Rig {
  std::shared_ptr<std::vector<std::string>> calls = std::make_shared<std::vector<std::string>>();
  std::shared_ptr<std::mutex> m = std::make_shared<std::mutex>();
  bool setsFail = false;
  RigCall Note(std::string call, bool fails = false) {
    std::lock_guard lock(*m);
    calls->push_back(std::move(call));
    return fails ? RigCall{false, "Invalid parameter"} : RigCall{};
  }
  RigCall Open() override { return Note("open"); }
  RigCall SetFrequency(RigVfo vfo, double) override { return Note("set " + std::to_string(static_cast<int>(vfo)), setsFail); }
  RigCall GetFrequency(RigVfo, double& hz) override {
    hz = 145.96e6;
    return Note("get");
  }
  RigCall SetSplit(RigVfo, RigVfo) override { return Note("split"); }
  RigCall SetSplitFrequency(RigVfo, double) override { return Note("split set", setsFail); }
};

TEST(RigDriver, EachLinkGoesToItsVfoOrThroughSplitAndOnlyAcceptedSetsCount) {
  const Transponder fm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};
  struct Case {
    RigVfo receive;
    bool setsFail;
    std::vector<std::string> calls;
  };
  for (const Case& c : {Case{RigVfo::A, false, {"open", "set 1", "set 2", "get"}},
                        Case{RigVfo::Current, true, {"open", "split", "set 0", "split set", "get"}}}) {
    auto rig = std::make_unique<FakeRig>();
    rig->setsFail = c.setsFail;
    const auto calls = rig->calls;
    const auto m = rig->m;
    RigDriver driver([&rig] { return std::move(rig); }, {c.receive, RigVfo::B, 20, 350}, std::chrono::milliseconds(2000));
    const auto settled = [&](bool idle) {
      for (int i = 0; i < 1000 && !((!idle || driver.Idle()) && driver.State() == RigDriver::Link::State::Open); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        driver.Poll();
      }
    };
    settled(false);
    driver.Tick(&fm, true, -5);  // one look, then its answers
    settled(true);
    std::lock_guard lock(*m);
    EXPECT_EQ(*calls, c.calls);
    const RigTargets taken = driver.TakeAccepted();
    EXPECT_EQ(taken.downlink.has_value() && taken.uplink.has_value(), !c.setsFail);
    EXPECT_EQ(taken.downlink.has_value() || taken.uplink.has_value(), !c.setsFail);
  }
}

// Hamlib through a TCP connection that sends a byte every 50 ms and never a
// line end: its own time limit never ends the call (the rotor's lies past the
// deadline); the deadline does, and neither a tick nor the drivers' end waits.
TEST(DeviceDeadline, HamlibRotorAndRadioOnADeviceThatNeverEndsALine) {
  test::DripServer drip;
  HamlibRotorLibrary rotors;
  HamlibRigLibrary rigs;
  const RotorConnection rc{2, drip.server(), 0};
  auto rotor = std::make_unique<RotorDriver>([&] { return rotors.Make(rc, 5000); },
                                             std::make_unique<PassPlanner>(RotorSettings{}), 1500ms);
  const RigConnection gc{2, drip.server(), 0};
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
