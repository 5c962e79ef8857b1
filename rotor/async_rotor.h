#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/rotor.h"
#include "rotor/pass_planner.h"

namespace rdz {

// Runs the calls of one rotor on a thread of its own, so that whoever drives
// it never waits for the rotor. Requests are kept, not queued: a newer move
// replaces one that has not started. Answers wait in a list until taken;
// `notify` is called on the worker thread each time one arrives.
class AsyncRotor {
 public:
  enum class Kind { Open, Move, Read };
  struct Outcome {
    Kind kind;
    RotorCall call;
    LookAngle position;  // where it was sent (Move) or where it is (Read)
  };

  AsyncRotor(std::unique_ptr<Rotor> rotor, std::function<void()> notify);
  // Waits for the call in progress, which the rotor's own time limit bounds.
  ~AsyncRotor();
  AsyncRotor(const AsyncRotor&) = delete;
  AsyncRotor& operator=(const AsyncRotor&) = delete;

  void Open();
  void Move(const LookAngle& position);
  void Read();
  std::vector<Outcome> Take();
  // How long the call in progress has been running; zero when none is.
  std::chrono::milliseconds Busy() const;
  // Waits until every request has been answered; false when `limit` passed first.
  bool WaitIdle(std::chrono::milliseconds limit);

 private:
  void Work();

  std::unique_ptr<Rotor> rotor_;
  std::function<void()> notify_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  bool open_ = false, read_ = false, stop_ = false;
  std::optional<LookAngle> move_;
  std::optional<std::chrono::steady_clock::time_point> since_;
  std::vector<Outcome> done_;
  std::thread thread_;  // last, so it starts once everything above exists
};

}  // namespace rdz
