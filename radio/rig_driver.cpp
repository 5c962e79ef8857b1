#include "radio/rig_driver.h"

#include <utility>

namespace rdz {

RigDriver::RigDriver(std::unique_ptr<Rig> rig, RigSettings settings, int timeoutMs, std::function<void()> notify)
    : rig_(std::move(rig), settings, std::move(notify)), follower_(settings), timeoutMs_(timeoutMs) {
  rig_.Open();
}

void RigDriver::Fail(const std::string& error) {
  error_ = error;
  if (++failures_ >= kRigFailuresToDisengage) engaged_ = false;
}

RigTargets RigDriver::Tick(const Transponder* transponder, bool follow, double rangeRateKmS) {
  if (!engaged_) return {};
  // A call that outlives its limit counts once, even while it still hangs.
  if (rig_.Busy().count() > timeoutMs_ + 1000) {
    if (!overdueCounted_) Fail("no answer from the radio");
    overdueCounted_ = true;
    if (!engaged_) return {};
  }
  const RigTargets targets = follower_.Step(transponder, follow, rangeRateKmS, std::exchange(fresh_, std::nullopt));
  if (targets.downlink) rig_.Set(AsyncRig::Kind::Downlink, *targets.downlink, ++sets_);
  if (targets.uplink) rig_.Set(AsyncRig::Kind::Uplink, *targets.uplink, ++sets_);
  rig_.Read();
  return targets;
}

bool RigDriver::Collect() {
  const std::vector<AsyncRig::Outcome> outcomes = rig_.Take();
  for (const AsyncRig::Outcome& o : outcomes) {
    overdueCounted_ = false;
    if (!engaged_) break;
    if (o.kind == AsyncRig::Kind::Open && !o.call.ok) {
      // A radio that cannot be opened will not open by asking again.
      error_ = o.call.error;
      engaged_ = false;
    } else if (!o.call.ok) {
      if (o.kind != AsyncRig::Kind::Read) follower_.Unsent(o.kind == AsyncRig::Kind::Uplink);
      Fail(o.call.error);
    } else {
      failures_ = 0;
      if (o.kind == AsyncRig::Kind::Read) {
        readBack_ = o.hz;
        // A read begun before the newest set was done shows the old frequency.
        if (o.settled == sets_) fresh_ = o.hz;
      }
    }
  }
  return !outcomes.empty();
}

}  // namespace rdz
