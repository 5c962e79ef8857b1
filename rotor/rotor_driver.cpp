#include "rotor/rotor_driver.h"

namespace rdz {

RotorDriver::RotorDriver(std::unique_ptr<Rotor> rotor, RotorSettings settings, int timeoutMs,
                         std::function<void()> notify)
    : rotor_(std::move(rotor), std::move(notify)), planner_(settings), timeoutMs_(timeoutMs) {
  rotor_.Open();
}

void RotorDriver::Fail(const std::string& error) {
  error_ = error;
  if (++failures_ >= kFailuresToDisengage) engaged_ = false;
}

void RotorDriver::Command(const LookAngle& position) {
  commanded_ = position;
  rotor_.Move(position);
}

std::optional<RotorCommand> RotorDriver::Tick(int satellite, const SkyPosition& sky, double now) {
  if (!engaged_) return std::nullopt;
  // A call that outlives its limit counts once, even while it still hangs.
  if (rotor_.Busy().count() > timeoutMs_ + 1000) {
    if (!overdueCounted_) Fail("no answer from the rotor");
    overdueCounted_ = true;
    if (!engaged_) return std::nullopt;
  }
  if (satellite != satellite_) {
    planner_.Reset();
    satellite_ = satellite;
  }
  std::optional<RotorCommand> command;
  if (satellite != 0) command = planner_.Step(sky, now);
  if (command) Command(command->position);
  rotor_.Read();
  return command;
}

void RotorDriver::Park() {
  if (!engaged_) return;
  planner_.Reset();
  satellite_ = 0;
  Command({Settings().parkAzimuth, Settings().parkElevation});
  rotor_.Read();
}

bool RotorDriver::Collect() {
  const std::vector<AsyncRotor::Outcome> outcomes = rotor_.Take();
  for (const AsyncRotor::Outcome& o : outcomes) {
    overdueCounted_ = false;
    if (!engaged_) break;
    if (o.kind == AsyncRotor::Kind::Open && !o.call.ok) {
      // A rotor that cannot be opened will not open by asking again.
      error_ = o.call.error;
      engaged_ = false;
    } else if (!o.call.ok) {
      Fail(o.call.error);
    } else {
      failures_ = 0;
      if (o.kind == AsyncRotor::Kind::Read) readBack_ = o.position;
    }
  }
  return !outcomes.empty();
}

}  // namespace rdz
