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

void RigDriver::Tick(const Transponder* transponder, bool follow, double rangeRateKmS) {
  if (!engaged_) return;
  // A call that outlives its limit counts once, even while it still hangs.
  if (rig_.Busy().count() > timeoutMs_ + 1000) {
    if (!overdueCounted_) Fail("no answer from the radio");
    overdueCounted_ = true;
    if (!engaged_) return;
  }
  sent_ = {};
  look_ = Look{transponder ? std::optional<Transponder>(*transponder) : std::nullopt, follow, rangeRateKmS};
  // Starting, another transponder, or LOS: the dial does not count.
  if (!follow || !follower_.Follows(transponder)) Step(std::nullopt);
  rig_.Read();
}

void RigDriver::Step(std::optional<double> readBack) {
  const Look look = *std::exchange(look_, std::nullopt);
  sent_ = follower_.Step(look.transponder ? &*look.transponder : nullptr, look.follow, look.rangeRate, readBack);
  if (sent_.downlink) rig_.Set(AsyncRig::Kind::Downlink, *sent_.downlink, ++sets_);
  if (sent_.uplink) rig_.Set(AsyncRig::Kind::Uplink, *sent_.uplink, ++sets_);
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
        if (look_ && o.settled == sets_) Step(o.hz);
      }
    }
  }
  return !outcomes.empty();
}

}  // namespace rdz
