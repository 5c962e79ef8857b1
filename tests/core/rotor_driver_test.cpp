// The rotor driver over a fake rotor: failures in a row disengage it, one
// that hangs does not hold anyone up. The rest is tested against rotctld.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "rotor/rotor_driver.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;

struct FakeRotor final : Rotor {
  std::atomic<bool> fails{false}, hang{false};
  std::atomic<int> moves{0};
  std::atomic<double> az{0}, el{0};
  RotorCall Open() override { return {}; }
  RotorCall SetPosition(double a, double e) override {
    while (hang) std::this_thread::sleep_for(1ms);
    if (fails) return {false, "Communication timed out"};
    ++moves;
    az = a;
    el = e;
    return {};
  }
  RotorCall GetPosition(double& a, double& e) override {
    if (fails) return {false, "Communication timed out"};
    a = az;
    e = el;
    return {};
  }
};

// A satellite standing still at 123 / 45.
const SkyPosition kStill = [](double) { return std::optional<LookAngles>(LookAngles{123, 45}); };

struct Driven {
  FakeRotor* fake = new FakeRotor;
  RotorDriver driver{std::unique_ptr<Rotor>(fake), RotorSettings{}, 200};
  void TickAndWait(double now) {
    driver.Tick(1, kStill, now);
    driver.WaitForAnswers();
    driver.Collect();
  }
};

TEST(RotorDriver, FiveFailuresInARowDisengageWithTheRotorsReason) {
  Driven d;
  d.TickAndWait(0);
  d.fake->fails = true;
  d.TickAndWait(1);  // move and read fail: 2
  d.fake->fails = false;
  d.TickAndWait(2);  // a good read clears the count
  d.fake->fails = true;
  for (int t = 3; t < 7; ++t) d.TickAndWait(t);  // the satellite did not move: only reads, 1 to 4
  EXPECT_TRUE(d.driver.Engaged());
  d.TickAndWait(7);
  EXPECT_FALSE(d.driver.Engaged());
  EXPECT_EQ(d.driver.Error(), "Communication timed out");
  d.fake->fails = false;
  EXPECT_FALSE(d.driver.Tick(1, [](double) { return std::optional<LookAngles>(LookAngles{300, 10}); }, 8));
}

TEST(RotorDriver, HangingRotorNeverHoldsUpTheCaller) {
  Driven d;
  d.TickAndWait(0);
  d.fake->hang = true;
  d.driver.Tick(1, [](double) { return std::optional<LookAngles>(LookAngles{200, 10}); }, 1);
  const auto start = std::chrono::steady_clock::now();
  for (int t = 2; t < 7; ++t) {
    d.driver.Tick(1, kStill, t);
    d.driver.Collect();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
  std::this_thread::sleep_for(1300ms);  // past the limit
  d.driver.Tick(1, kStill, 8);
  EXPECT_EQ(d.driver.Error(), "no answer from the rotor");
  d.fake->hang = false;
}

}  // namespace
}  // namespace rdz
