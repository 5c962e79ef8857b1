#include "rotor/async_rotor.h"

#include <utility>

namespace rdz {

AsyncRotor::AsyncRotor(std::unique_ptr<Rotor> rotor, std::function<void()> notify)
    : rotor_(std::move(rotor)), notify_(std::move(notify)), thread_([this] { Work(); }) {}

AsyncRotor::~AsyncRotor() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void AsyncRotor::Open() {
  {
    std::lock_guard lock(mutex_);
    open_ = true;
  }
  wake_.notify_all();
}

void AsyncRotor::Move(const LookAngle& position) {
  {
    std::lock_guard lock(mutex_);
    move_ = position;
  }
  wake_.notify_all();
}

void AsyncRotor::Read() {
  {
    std::lock_guard lock(mutex_);
    read_ = true;
  }
  wake_.notify_all();
}

std::vector<AsyncRotor::Outcome> AsyncRotor::Take() {
  std::lock_guard lock(mutex_);
  return std::exchange(done_, {});
}

std::chrono::milliseconds AsyncRotor::Busy() const {
  std::lock_guard lock(mutex_);
  if (!since_) return std::chrono::milliseconds(0);
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - *since_);
}

bool AsyncRotor::WaitIdle(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return idle_.wait_for(lock, limit, [this] { return !since_ && !open_ && !move_ && !read_; });
}

void AsyncRotor::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || open_ || move_ || read_; });
    if (stop_) return;
    // Open first, then the newest move, then a read of where the rotor is now.
    Outcome outcome{Kind::Open, {}, {}};
    if (open_) {
      open_ = false;
    } else if (move_) {
      outcome.kind = Kind::Move;
      outcome.position = *std::exchange(move_, std::nullopt);
    } else {
      outcome.kind = Kind::Read;
      read_ = false;
    }
    since_ = std::chrono::steady_clock::now();
    lock.unlock();
    switch (outcome.kind) {
      case Kind::Open: outcome.call = rotor_->Open(); break;
      case Kind::Move: outcome.call = rotor_->SetPosition(outcome.position.azimuth, outcome.position.elevation); break;
      case Kind::Read: outcome.call = rotor_->GetPosition(outcome.position.azimuth, outcome.position.elevation); break;
    }
    lock.lock();
    since_.reset();
    done_.push_back(outcome);
    lock.unlock();
    if (notify_) notify_();
    idle_.notify_all();
    lock.lock();
  }
}

}  // namespace rdz
