#include "radio/rig_driver.h"

#include <algorithm>
#include <utility>

namespace rdz {

namespace {

enum Slot : std::size_t { kOpen, kDownlink, kUplink, kRead, kSlots };

RigDriver::Link::Call OpenCall(const RigSettings& settings) {
  return [settings](Rig& rig) {
    RigCall call = rig.Open();
    if (call.ok && UplinkPathOf(settings) == UplinkPath::Split) call = rig.SetSplit(settings.receive, settings.transmit);
    return RigAnswer{RigAnswer::Kind::Open, call};
  };
}

}  // namespace

RigDriver::RigDriver(Make make, RigSettings settings, std::chrono::milliseconds deadline, std::function<void()> notify)
    : settings_(settings),
      follower_(settings),
      link_(std::move(make), OpenCall(settings), kSlots, deadline, std::move(notify)) {}

void RigDriver::Tick(const Transponder* transponder, bool follow, double rangeRateKmS) {
  Poll();
  if (link_.Now() != Link::State::Open) return;
  look_ = Look{transponder ? std::optional<Transponder>(*transponder) : std::nullopt, follow, rangeRateKmS};
  // Starting, another transponder, LOS, or a radio not commanded: the dial does not count.
  if (!follow || !follower_.Follows(transponder) || !link_.Commanding()) Step(std::nullopt);
  const long after = sets_;
  link_.Put(kRead, [after, receive = settings_.receive](Rig& rig) {
    RigAnswer a{RigAnswer::Kind::Read, {}, 0, after};
    a.call = rig.GetFrequency(receive, a.hz);
    return a;
  });
}

void RigDriver::Step(std::optional<double> readBack) {
  const Look look = *std::exchange(look_, std::nullopt);
  if (!link_.Commanding()) return;
  const RigTargets t = follower_.Step(look.transponder ? &*look.transponder : nullptr, look.follow, look.rangeRate, readBack);
  if (t.downlink) Set(RigAnswer::Kind::Downlink, *t.downlink);
  if (t.uplink) Set(RigAnswer::Kind::Uplink, *t.uplink);
}

void RigDriver::Set(RigAnswer::Kind kind, double hz) {
  const long number = ++sets_;
  const bool up = kind == RigAnswer::Kind::Uplink;
  const RigSettings s = settings_;
  link_.Put(up ? kUplink : kDownlink, [kind, hz, number, up, s](Rig& rig) {
    RigCall call;
    if (!up) {
      call = rig.SetFrequency(s.receive, hz);
    } else if (UplinkPathOf(s) == UplinkPath::Split) {
      call = rig.SetSplitFrequency(s.receive, hz);
    } else {
      call = rig.SetFrequency(s.transmit, hz);
    }
    return RigAnswer{kind, call, hz, number};
  });
}

void RigDriver::Poll() {
  const bool wasCommanding = link_.Commanding();
  bool opened = false;
  for (const RigAnswer& a : link_.Poll(opened)) {
    if (a.kind != RigAnswer::Kind::Read) {
      settled_ = std::max(settled_, a.number);
      if (!a.call.ok) {
        follower_.Unsent(a.kind == RigAnswer::Kind::Uplink);
      } else {
        (a.kind == RigAnswer::Kind::Uplink ? accepted_.uplink : accepted_.downlink) = a.hz;
      }
      continue;
    }
    if (!a.call.ok) continue;
    readBack_ = a.hz;
    // A read that began before the newest set was answered shows the old frequency.
    if (look_ && a.number == sets_ && settled_ == sets_) Step(a.hz);
  }
  // Reached again: whatever was sent before may be lost.
  if (opened || (!wasCommanding && link_.Commanding())) follower_.Resend();
}

}  // namespace rdz
