#include "core/rotor/rotor_driver.h"

namespace rdz {

namespace {

enum Slot : std::size_t { kOpen, kMove, kRead, kSlots };

}  // namespace

RotorDriver::RotorDriver(Make make, std::unique_ptr<FollowPolicy> policy, std::chrono::milliseconds deadline,
                         std::function<void()> notify)
    : policy_(std::move(policy)),
      link_(
          [this, make = std::move(make)] {
            std::unique_ptr<Rotor> rotor = make();
            if (rotor) reports_ = rotor->ReportsPosition();
            return rotor;
          },
          [](Rotor& r) { return RotorAnswer{RotorAnswer::Kind::Open, r.Open(), {}}; }, kSlots, deadline,
          std::move(notify)) {}

void RotorDriver::Collect() {
  bool reached = false;
  for (const RotorAnswer& a : link_.Poll(reached)) {
    if (a.kind == RotorAnswer::Kind::Read) {
      if (a.call.ok) readBack_ = a.position;
    } else if (a.call.ok) {
      moveTaken_ = true;
      accepted_.push_back(a.position);
    } else {
      moveTaken_ = false;
      policy_->Unsent();
    }
  }
  if (reached) {
    // A rotor that cannot be read answers by opening. The current position goes out at once.
    if (!reports_) link_.Answered();
    policy_->Reset();
    lookNow_ = true;
  }
  if (link_.Now() != Link::State::Open) moveTaken_ = false;
}

void RotorDriver::Move(const LookAngle& position) {
  if (!link_.Put(kMove, [position](Rotor& r) {
        return RotorAnswer{RotorAnswer::Kind::Move, r.SetPosition(position.azimuth, position.elevation), position};
      })) {
    return;
  }
  commanded_ = position;
}

void RotorDriver::Tick(int satellite, const SkyPosition& sky, double now) {
  Collect();
  if (satellite != satellite_) {
    policy_->Reset();
    moveTaken_ = false;
    satellite_ = satellite;
    lookNow_ = true;
  }
  // Simulated time may run backwards.
  const bool due = lookNow_ || !lastLook_ || now >= *lastLook_ + policy_->Interval() || now < *lastLook_;
  if (!due || link_.Now() != Link::State::Open) return;
  lookNow_ = false;
  lastLook_ = now;
  if (link_.Commanding() && satellite != 0) {
    if (const std::optional<RotorCommand> command = policy_->Step(sky, now)) Move(command->position);
  }
  if (reports_) {
    link_.Put(kRead, [](Rotor& r) {
      RotorAnswer a{RotorAnswer::Kind::Read, {}, {}};
      a.call = r.GetPosition(a.position.azimuth, a.position.elevation);
      return a;
    });
  }
}

bool RotorDriver::Park() {
  Collect();
  policy_->Reset();
  satellite_ = 0;
  moveTaken_ = false;
  if (!link_.Ready()) return false;
  Move(policy_->ParkPosition());
  return true;
}

bool RotorDriver::Following() const {
  return moveTaken_ && satellite_ != 0 && policy_->Following() && link_.Ready();
}

}  // namespace rdz
