// The rotor driver: the KV250's follow rule, failures that stop commands but
// not the retries, and calls that hang, over fake rotors and over a real
// Hamlib connection to a device that never ends a line.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <chrono>
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

// The rotors one driver makes share this, so the test can steer rotors it no
// longer holds.
struct Control {
  std::atomic<bool> fails{false}, hang{false};
  std::atomic<int> made{0}, moves{0};
};

struct FakeRotor final : Rotor {
  explicit FakeRotor(std::shared_ptr<Control> c) : c(std::move(c)) {}
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

// A satellite crawling across the sky, so every look moves the rotor.
const SkyPosition kMoving = [](double t) { return std::optional<LookAngles>(LookAngles{std::fmod(t * 3, 360), 45}); };

struct Driven {
  explicit Driven(std::chrono::milliseconds deadline = 3000ms)
      : driver([c = control] { ++c->made; return std::make_unique<FakeRotor>(c); },
               std::make_unique<PassPlanner>(RotorSettings{}), deadline) {}
  // Ticks every 20 ms on the clock's own seconds until `done` or `seconds` pass.
  bool TickUntil(const std::function<bool()>& done, double seconds) {
    const auto end = Steady::now() + std::chrono::duration<double>(seconds);
    while (Steady::now() < end) {
      const auto before = Steady::now();
      driver.Tick(1, sky, std::chrono::duration<double>(before.time_since_epoch()).count());
      slowest = std::max(slowest, Steady::now() - before);
      if (done()) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }
  std::shared_ptr<Control> control = std::make_shared<Control>();
  RotorDriver driver;
  SkyPosition sky = kMoving;
  Steady::duration slowest{};
};

TEST(RotorDriver, FailingRotorIsNoLongerCommandedButTriedAgainAndFollowedAtOnceWhenItAnswers) {
  Driven d;
  ASSERT_TRUE(d.TickUntil([&] { return d.control->moves > 0 && d.driver.ReadBack(); }, 3));
  d.control->fails = true;
  ASSERT_TRUE(d.TickUntil([&] { return !d.driver.Commanding(); }, 10));
  EXPECT_EQ(d.driver.Error(), "Communication timed out");
  const int made = d.control->made;
  ASSERT_TRUE(d.TickUntil([&] { return d.control->made > made + 1; }, 5));  // retried, again and again
  EXPECT_NE(d.driver.State(), RotorDriver::Link::State::Open);
  const int moves = d.control->moves;
  d.control->fails = false;
  ASSERT_TRUE(d.TickUntil([&] { return d.driver.Commanding(); }, 8));
  ASSERT_TRUE(d.TickUntil([&] { return d.control->moves > moves; }, 0.5));
  EXPECT_TRUE(d.driver.Following());
  EXPECT_EQ(d.driver.Error(), "");
}

TEST(RotorDriver, CallPastItsDeadlineIsAbandonedWithoutAnyoneWaiting) {
  auto d = std::make_unique<Driven>(300ms);
  d->sky = [](double) { return std::optional<LookAngles>(LookAngles{123, 45}); };  // standing still
  ASSERT_TRUE(d->TickUntil([&] { return d->control->moves > 0; }, 3));
  d->control->hang = true;
  ASSERT_TRUE(d->TickUntil([&] { return !d->driver.Error().empty(); }, 3));
  EXPECT_EQ(d->driver.Error(), "no answer within 300 ms");
  EXPECT_LT(d->slowest, 100ms);
  // The position went out with the abandoned connection: the new one sends it again.
  d->control->hang = false;
  ASSERT_TRUE(d->TickUntil([&] { return d->control->moves == 2; }, 3));
  // The next rotor hangs as well; the driver goes away meanwhile.
  d->control->hang = true;
  ASSERT_TRUE(d->TickUntil([&] { return d->control->made >= 3; }, 3));
  const auto before = Steady::now();
  const std::shared_ptr<Control> control = d->control;
  d.reset();
  EXPECT_LT(Steady::now() - before, 100ms);
  control->hang = false;  // the abandoned calls end and their threads close the rotors
  std::this_thread::sleep_for(100ms);
}

// Hamlib through a TCP connection that sends a byte every 50 ms and never a
// line end: its own time limit never ends the call (the rotor's lies past the
// deadline); the deadline does.
TEST(DeviceDeadline, HamlibRotorAndRadioOnADeviceThatNeverEndsALine) {
  test::DripServer drip;
  HamlibRotorLibrary rotors;
  HamlibRigLibrary rigs;
  const RotorConnection rc{2, drip.server(), 0};
  RotorDriver rotor([&] { return rotors.Make(rc, 5000); }, std::make_unique<PassPlanner>(RotorSettings{}), 1500ms);
  const RigConnection gc{2, drip.server(), 0};
  RigDriver rig([&] { return rigs.Make(gc, 1000); }, RigSettings{}, 1500ms);
  const Transponder fm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};
  Steady::duration slowest{};
  const auto end = Steady::now() + 6s;
  while (Steady::now() < end && (rotor.Error().empty() || rig.Error().empty())) {
    const auto before = Steady::now();
    rotor.Tick(1, kMoving, std::chrono::duration<double>(before.time_since_epoch()).count());
    rig.Tick(&fm, true, -3);
    slowest = std::max(slowest, Steady::now() - before);
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_EQ(rotor.Error(), "no answer within 1500 ms");
  EXPECT_EQ(rig.Error(), "no answer within 1500 ms");
  EXPECT_NE(rotor.State(), RotorDriver::Link::State::Open);
  EXPECT_LT(slowest, 200ms);
}

}  // namespace
}  // namespace rdz
