#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/rig.h"
#include "radio/rig_settings.h"

namespace rdz {

// Runs the calls of one radio on a thread of its own, so that whoever drives
// it never waits for the radio. Requests are kept, not queued: a newer
// frequency replaces one that has not been sent. Answers wait in a list until
// taken; `notify` is called on the worker thread each time one arrives.
class AsyncRig {
 public:
  enum class Kind { Open, Downlink, Uplink, Read };
  struct Outcome {
    Kind kind;
    RigCall call;
    double hz = 0;     // what was sent, or what the downlink VFO reads
    long settled = 0;  // Read: the newest set answered before the read began
  };

  AsyncRig(std::unique_ptr<Rig> rig, RigSettings settings, std::function<void()> notify);
  // Waits for the call in progress, which the radio's own time limit bounds.
  ~AsyncRig();
  AsyncRig(const AsyncRig&) = delete;
  AsyncRig& operator=(const AsyncRig&) = delete;

  // Opens the radio, and turns split on when the uplink goes that way.
  void Open();
  // Each set carries a number that grows with every set handed over.
  void Set(Kind link, double hz, long number);
  // Reads the downlink VFO.
  void Read();
  std::vector<Outcome> Take();
  // How long the call in progress has been running; zero when none is.
  std::chrono::milliseconds Busy() const;
  // Waits until every request has been answered; false when `limit` passed first.
  bool WaitIdle(std::chrono::milliseconds limit);

 private:
  struct Pending {
    double hz;
    long number;
  };
  void Work();
  RigCall Call(Outcome& outcome);

  std::unique_ptr<Rig> rig_;
  RigSettings settings_;
  std::function<void()> notify_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  bool open_ = false, read_ = false, stop_ = false;
  std::optional<Pending> down_, up_;
  long settled_ = 0;
  std::optional<std::chrono::steady_clock::time_point> since_;
  std::vector<Outcome> done_;
  std::thread thread_;  // last, so it starts once everything above exists
};

}  // namespace rdz
