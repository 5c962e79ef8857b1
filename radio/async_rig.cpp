#include "radio/async_rig.h"

#include <algorithm>
#include <utility>

namespace rdz {

AsyncRig::AsyncRig(std::unique_ptr<Rig> rig, RigSettings settings, std::function<void()> notify)
    : rig_(std::move(rig)), settings_(settings), notify_(std::move(notify)), thread_([this] { Work(); }) {}

AsyncRig::~AsyncRig() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void AsyncRig::Open() {
  {
    std::lock_guard lock(mutex_);
    open_ = true;
  }
  wake_.notify_all();
}

void AsyncRig::Set(Kind link, double hz, long number) {
  {
    std::lock_guard lock(mutex_);
    (link == Kind::Uplink ? up_ : down_) = Pending{hz, number};
  }
  wake_.notify_all();
}

void AsyncRig::Read() {
  {
    std::lock_guard lock(mutex_);
    read_ = true;
  }
  wake_.notify_all();
}

std::vector<AsyncRig::Outcome> AsyncRig::Take() {
  std::lock_guard lock(mutex_);
  return std::exchange(done_, {});
}

std::chrono::milliseconds AsyncRig::Busy() const {
  std::lock_guard lock(mutex_);
  if (!since_) return std::chrono::milliseconds(0);
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - *since_);
}

bool AsyncRig::WaitIdle(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return idle_.wait_for(lock, limit, [this] { return !since_ && !open_ && !down_ && !up_ && !read_; });
}

RigCall AsyncRig::Call(Outcome& o) {
  switch (o.kind) {
    case Kind::Open: {
      RigCall call = rig_->Open();
      if (call.ok && UplinkPathOf(settings_) == UplinkPath::Split) {
        call = rig_->SetSplit(settings_.receive, settings_.transmit);
      }
      return call;
    }
    case Kind::Downlink: return rig_->SetFrequency(settings_.receive, o.hz);
    case Kind::Uplink:
      if (UplinkPathOf(settings_) == UplinkPath::Split) return rig_->SetSplitFrequency(settings_.receive, o.hz);
      return rig_->SetFrequency(settings_.transmit, o.hz);
    case Kind::Read: break;
  }
  return rig_->GetFrequency(settings_.receive, o.hz);
}

void AsyncRig::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || open_ || down_ || up_ || read_; });
    if (stop_) return;
    // Open first, then the newest downlink and uplink, then a read of the dial.
    Outcome outcome{Kind::Open, {}, 0, 0};
    long number = 0;
    if (open_) {
      open_ = false;
    } else if (down_ || up_) {
      outcome.kind = down_ ? Kind::Downlink : Kind::Uplink;
      const Pending p = *std::exchange(down_ ? down_ : up_, std::nullopt);
      outcome.hz = p.hz;
      number = p.number;
    } else {
      outcome.kind = Kind::Read;
      outcome.settled = settled_;
      read_ = false;
    }
    since_ = std::chrono::steady_clock::now();
    lock.unlock();
    outcome.call = Call(outcome);
    lock.lock();
    settled_ = std::max(settled_, number);
    since_.reset();
    done_.push_back(outcome);
    lock.unlock();
    if (notify_) notify_();
    idle_.notify_all();
    lock.lock();
  }
}

}  // namespace rdz
