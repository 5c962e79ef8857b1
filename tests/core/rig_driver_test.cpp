// The rig driver over a fake radio: which calls carry each link and what
// counts as accepted. The dial and the reconnection are tested against rigctld.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "radio/rig_driver.h"

namespace rdz {
namespace {

struct Calls {
  std::mutex m;
  std::vector<std::string> list;
  std::atomic<bool> setsFail{false};
};

struct FakeRig final : Rig {
  explicit FakeRig(std::shared_ptr<Calls> c) : c(std::move(c)) {}
  std::shared_ptr<Calls> c;
  RigCall Note(std::string call, bool fails = false) {
    std::lock_guard lock(c->m);
    c->list.push_back(std::move(call));
    return fails ? RigCall{false, "Invalid parameter"} : RigCall{};
  }
  RigCall Open() override { return Note("open"); }
  RigCall SetFrequency(RigVfo vfo, double hz) override {
    return Note("set " + std::to_string(static_cast<int>(vfo)), c->setsFail);
  }
  RigCall GetFrequency(RigVfo, double& hz) override {
    hz = 145.96e6;
    return Note("get");
  }
  RigCall SetSplit(RigVfo, RigVfo) override { return Note("split"); }
  RigCall SetSplitFrequency(RigVfo, double) override { return Note("split set", c->setsFail); }
};

const Transponder kFm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};

struct Driven {
  explicit Driven(RigSettings s = {RigVfo::A, RigVfo::B, 20, 350})
      : driver([c = calls] { return std::make_unique<FakeRig>(c); }, s, std::chrono::milliseconds(2000)) {}
  std::shared_ptr<Calls> calls = std::make_shared<Calls>();
  RigDriver driver;
  void WaitOpen() {
    for (int i = 0; i < 1000 && driver.State() != RigDriver::Link::State::Open; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      driver.Poll();
    }
  }
  // One look, then its answers.
  void Look(double rangeRate) {
    driver.Tick(&kFm, true, rangeRate);
    for (int i = 0; i < 1000 && !(driver.Idle() && driver.State() == RigDriver::Link::State::Open); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      driver.Poll();
    }
  }
  std::vector<std::string> List() {
    std::lock_guard lock(calls->m);
    return calls->list;
  }
};

TEST(RigDriver, EachLinkGoesToItsVfoOrThroughSplitAndOnlyAcceptedSetsCount) {
  Driven named;
  named.WaitOpen();
  named.Look(-5);
  EXPECT_EQ(named.List(), (std::vector<std::string>{"open", "set 1", "set 2", "get"}));
  const RigTargets taken = named.driver.TakeAccepted();
  EXPECT_TRUE(taken.downlink && taken.uplink);
  Driven split({RigVfo::Current, RigVfo::B, 20, 350});
  split.calls->setsFail = true;
  split.WaitOpen();
  split.Look(-5);
  EXPECT_EQ(split.List(), (std::vector<std::string>{"open", "split", "set 0", "split set", "get"}));
  const RigTargets refused = split.driver.TakeAccepted();
  EXPECT_FALSE(refused.downlink || refused.uplink);
}

}  // namespace
}  // namespace rdz
