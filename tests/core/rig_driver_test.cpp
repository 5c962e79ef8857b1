// The rig driver over a fake radio: which calls carry each link, failures in
// a row disengage it, the operator's dial is read back and followed.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "radio/rig_driver.h"

namespace rdz {
namespace {

struct FakeRig final : Rig {
  explicit FakeRig(bool openFails) : openFails(openFails) {}
  std::mutex m;
  std::vector<std::string> calls;
  std::atomic<bool> fails{false};
  const bool openFails;
  std::atomic<double> dial{0};
  RigCall Note(std::string call) {
    std::lock_guard lock(m);
    calls.push_back(std::move(call));
    return fails ? RigCall{false, "Communication timed out"} : RigCall{};
  }
  RigCall Open() override { return openFails ? RigCall{false, "IO error"} : Note("open"); }
  RigCall SetFrequency(RigVfo vfo, double hz) override {
    if (vfo == RigVfo::A) dial = hz;
    return Note("set " + std::to_string(static_cast<int>(vfo)));
  }
  RigCall GetFrequency(RigVfo, double& hz) override {
    hz = dial;
    return Note("get");
  }
  RigCall SetSplit(RigVfo, RigVfo) override { return Note("split"); }
  RigCall SetSplitFrequency(RigVfo, double) override { return Note("split set"); }
};

const Transponder kFm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};

struct Driven {
  explicit Driven(RigSettings s = {RigVfo::A, RigVfo::B, 20, 350}, bool openFails = false)
      : fake(new FakeRig(openFails)), driver(std::unique_ptr<Rig>(fake), s, 200) {}
  FakeRig* fake;
  RigDriver driver;
  // The dial is read, then the frequencies follow.
  void TickAndWait(double rangeRate) {
    driver.Tick(&kFm, true, rangeRate);
    for (int i = 0; i < 2; ++i) {
      driver.WaitForAnswers();
      driver.Collect();
    }
  }
};

TEST(RigDriver, EachLinkGoesToItsVfoOrThroughSplit) {
  Driven named;
  named.TickAndWait(-5);
  EXPECT_EQ(named.fake->calls, (std::vector<std::string>{"open", "set 1", "set 2", "get"}));
  Driven split({RigVfo::Current, RigVfo::B, 20, 350});
  split.TickAndWait(-5);
  EXPECT_EQ(split.fake->calls, (std::vector<std::string>{"open", "split", "set 0", "split set", "get"}));
}

TEST(RigDriver, FiveFailuresInARowDisengageWithTheRadiosReason) {
  Driven d;
  d.TickAndWait(-5);
  d.fake->fails = true;
  // No read of the dial, no sets: one failure a tick.
  for (int i = 0; i < 4; ++i) d.TickAndWait(-4);
  d.fake->fails = false;
  d.TickAndWait(-4);  // a good read clears the count
  d.fake->fails = true;
  for (int i = 0; i < 4; ++i) d.TickAndWait(-3);
  EXPECT_TRUE(d.driver.Engaged());
  d.TickAndWait(-3);
  EXPECT_FALSE(d.driver.Engaged());
  EXPECT_EQ(d.driver.Error(), "Communication timed out");
  const std::size_t before = d.fake->calls.size();
  d.TickAndWait(3);
  EXPECT_EQ(d.fake->calls.size(), before);

  Driven closed({}, true);
  closed.TickAndWait(-5);
  EXPECT_FALSE(closed.driver.Engaged());
  EXPECT_EQ(closed.driver.Error(), "IO error");
}

TEST(RigDriver, DialReadBackIsFollowed) {
  Driven d;
  d.TickAndWait(-5);
  const double sent = d.fake->dial;
  EXPECT_EQ(d.driver.ReadBack(), sent);
  d.fake->dial = sent + 5000;  // the operator's hand
  d.TickAndWait(-5);
  EXPECT_NEAR(*d.driver.Follower().SatelliteDownlink(), 145.96e6 + 5000, 1);
}

}  // namespace
}  // namespace rdz
