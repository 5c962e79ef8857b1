#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace rdz {

// Runs the calls of one device on a thread of its own, so that whoever drives
// it never waits for the device. Each slot keeps only its newest request (a
// newer move replaces one that has not started); lower slots go first.
// Answers wait until taken; `notify` runs on the worker thread when one
// arrives and must not call back into the worker.
//
// Destroying the worker never waits. A call still running finishes on the
// thread, which then destroys the device and ends; it holds the device and
// its own state, and calls must capture nothing else that could go away.
template <class Device, class Answer>
class DeviceWorker {
 public:
  using Call = std::function<Answer(Device&)>;
  struct Done {
    std::size_t slot;
    Answer answer;
  };

  DeviceWorker(std::unique_ptr<Device> device, std::size_t slots, std::function<void()> notify)
      : shared_(std::make_shared<Shared>()) {
    shared_->device = std::move(device);
    shared_->pending.resize(slots);
    shared_->notify = std::move(notify);
    std::thread(&DeviceWorker::Work, shared_).detach();
  }
  ~DeviceWorker() {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->stop = true;
      shared_->notify = nullptr;  // no answer reaches the owner from now on
    }
    shared_->wake.notify_all();
  }
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  void Put(std::size_t slot, Call call) {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->pending.at(slot) = std::move(call);
    }
    shared_->wake.notify_all();
  }

  // A call made once when the owner destroys the worker, after the one in
  // progress (leaving the device as it was found); empty: none.
  void Finally(Call call) {
    std::lock_guard lock(shared_->mutex);
    shared_->last = std::move(call);
  }

  std::vector<Done> Take() {
    std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->done, {});
  }

  // How long the call in progress has been running; zero when none is.
  std::chrono::steady_clock::duration Busy() const {
    std::lock_guard lock(shared_->mutex);
    if (!shared_->since) return {};
    return std::chrono::steady_clock::now() - *shared_->since;
  }

  // Nothing waiting, nothing running and every answer taken.
  bool Idle() const {
    std::lock_guard lock(shared_->mutex);
    return !shared_->since && !shared_->Waiting() && shared_->done.empty();
  }

 private:
  struct Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::unique_ptr<Device> device;
    std::vector<std::optional<Call>> pending;
    std::vector<Done> done;
    std::optional<std::chrono::steady_clock::time_point> since;
    std::function<void()> notify;
    Call last;
    bool stop = false;
    bool Waiting() const {
      for (const auto& p : pending) {
        if (p) return true;
      }
      return false;
    }
  };

  static void Work(std::shared_ptr<Shared> s) {
    std::unique_lock lock(s->mutex);
    for (;;) {
      s->wake.wait(lock, [&] { return s->stop || s->Waiting(); });
      if (s->stop) break;
      std::size_t slot = 0;
      while (!s->pending[slot]) ++slot;
      const Call call = *std::exchange(s->pending[slot], std::nullopt);
      s->since = std::chrono::steady_clock::now();
      lock.unlock();
      Answer answer = call(*s->device);
      lock.lock();
      s->since.reset();
      if (s->stop) break;
      s->done.push_back({slot, std::move(answer)});
      if (s->notify) s->notify();  // under the lock, so the owner's destructor cannot race it
    }
    std::unique_ptr<Device> device = std::move(s->device);
    const Call last = std::move(s->last);
    lock.unlock();
    if (last) last(*device);
    device.reset();  // closed here, never on the owner's thread
  }

  std::shared_ptr<Shared> shared_;
};

}  // namespace rdz
