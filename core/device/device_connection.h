#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/device/device_worker.h"

namespace rdz {

// After this many failed calls in a row a device is no longer commanded; it
// is still tried, and commanded again once it answers.
inline constexpr int kFailuresToStopCommanding = 5;

// Unknown: the library knows no such model, and it is not tried again.
enum class DeviceState { Unknown, Opening, Open, Waiting };

// The start of a device's status line ("rotor: ..."): the model the library
// does not know, why the device is being reached again, or its name and port
// (" connecting" until it opens). `fine` is false for the first two.
std::string DeviceStatus(std::string_view device, DeviceState state, const std::string& error, int model,
                         const std::string& nameAndPort, bool& fine);

// The pause before the next attempt to reach a device after `attempts`
// failed ones in a row: it grows to at most 10 s.
std::chrono::milliseconds ReconnectPause(int attempts);

// One device reached through a worker, with a deadline on every call that the
// owner measures itself. A call past the deadline, a failed open or the
// failure that stops commanding drops the connection (its worker is left to
// finish alone) and a new one is opened after a pause. Slot 0 is the open.
// Lives on its owner's thread; nothing here waits for the device.
template <class Device, class Answer>
class DeviceConnection {
 public:
  using Worker = DeviceWorker<Device, Answer>;
  using Call = typename Worker::Call;
  using Make = std::function<std::unique_ptr<Device>()>;
  using State = DeviceState;

  // `make` gives a new, unopened device (nothing: the model is unknown, and
  // it is not tried again); `open` opens it.
  DeviceConnection(Make make, Call open, std::size_t slots, std::chrono::milliseconds deadline,
                   std::function<void()> notify)
      : make_(std::move(make)), open_(std::move(open)), slots_(slots), deadline_(deadline), notify_(std::move(notify)) {
    Connect();
  }

  // Hands a call to the open device; false (and nothing sent) otherwise.
  bool Put(std::size_t slot, Call call) {
    if (state_ != State::Open) return false;
    worker_->Put(slot, std::move(call));
    return true;
  }

  // `call` is made once when this connection ends, never when a failing one
  // is dropped (a radio that comes back must not be undone by its old handle).
  void Finally(Call call) {
    last_ = std::move(call);
    if (worker_) worker_->Finally(last_);
  }
  // Hands the final call over now, for an owner that then waits until Idle;
  // false when the device is not open.
  bool Release() {
    if (state_ != State::Open || !last_) return false;
    worker_->Finally({});
    worker_->Put(slots_ - 1, std::exchange(last_, {}));
    return true;
  }

  // Takes the answers, counts failures and overdue calls, and reconnects when
  // it is time. Returns every answer but the open's; `reached` tells that the
  // device has just opened or answers again: whatever it was sent may be lost.
  std::vector<Answer> Poll(bool& reached) {
    const bool wasCommanding = Commanding();
    bool opened = false;
    const auto now = std::chrono::steady_clock::now();
    std::vector<Answer> answers;
    if (worker_ && worker_->Busy() > deadline_) {
      Drop("no answer within " + std::to_string(deadline_.count()) + " ms", now);
    }
    for (auto& done : worker_ ? worker_->Take() : std::vector<typename Worker::Done>{}) {
      if (done.slot == 0) {
        if (!done.answer.call.ok) {
          Drop(done.answer.call.error, now);
          break;
        }
        state_ = State::Open;
        opened = true;
        continue;
      }
      answers.push_back(done.answer);
      if (done.answer.call.ok) {
        Answered();
        continue;
      }
      error_ = done.answer.call.error;
      if (++failures_ >= kFailuresToStopCommanding) {
        Drop(error_, now, false);
        break;
      }
    }
    if (state_ == State::Waiting && now >= retry_) Connect();
    reached = opened || (!wasCommanding && Commanding());
    return answers;
  }

  // The device answered (a device that cannot be read answers by opening).
  void Answered() {
    failures_ = 0;
    attempts_ = 0;
    error_.clear();
  }

  State Now() const { return state_; }
  bool Commanding() const { return failures_ < kFailuresToStopCommanding; }
  // Open and commanded: calls go out.
  bool Ready() const { return state_ == State::Open && Commanding(); }
  int Failures() const { return failures_; }
  // The device's last failure, empty once it answers again.
  const std::string& Error() const { return error_; }
  // No call waiting or running (the command line's park).
  bool Idle() const { return !worker_ || worker_->Idle(); }

 private:
  void Connect() {
    std::unique_ptr<Device> device = make_();
    if (!device) {
      state_ = State::Unknown;
      return;
    }
    worker_ = std::make_unique<Worker>(std::move(device), slots_, notify_);
    worker_->Finally(last_);
    worker_->Put(0, open_);
    state_ = State::Opening;
  }

  void Drop(const std::string& error, std::chrono::steady_clock::time_point now, bool count = true) {
    worker_->Finally({});
    worker_.reset();  // a call still running ends on its own thread
    if (count) ++failures_;
    error_ = error;
    retry_ = now + ReconnectPause(++attempts_);
    state_ = State::Waiting;
  }

  Make make_;
  Call open_;
  std::size_t slots_;
  std::chrono::milliseconds deadline_;
  std::function<void()> notify_;
  Call last_;
  std::unique_ptr<Worker> worker_;
  State state_ = State::Opening;
  int failures_ = 0;
  int attempts_ = 0;
  std::string error_;
  std::chrono::steady_clock::time_point retry_;
};

}  // namespace rdz
