#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "radio/async_rig.h"
#include "radio/doppler_follower.h"

namespace rdz {

// After this many failed calls in a row the radio is left alone.
inline constexpr int kRigFailuresToDisengage = 5;

// Drives one Hamlib radio: the follower decides the frequencies, the calls
// run on the radio's own thread, and failures are counted. Lives on its
// owner's thread (the window's, or the command line's); nothing here blocks.
class RigDriver {
 public:
  // Opens the radio at once; `notify` as for AsyncRig (answers are ready to Collect).
  RigDriver(std::unique_ptr<Rig> rig, RigSettings settings, int timeoutMs, std::function<void()> notify = {});

  // One look: the transponder worked (none: leave the radio alone), whether
  // the satellite is up or about to rise, and its range rate in km/s. While
  // a transponder is followed the dial is read first and the frequencies
  // follow when it answers (Collect); the operator's turn is never overwritten
  // by a frequency computed before it.
  void Tick(const Transponder* transponder, bool follow, double rangeRateKmS);
  // Takes the radio's answers; true when any arrived.
  bool Collect();
  // What was handed to the radio since the last Tick.
  const RigTargets& Sent() const { return sent_; }

  bool Engaged() const { return engaged_; }
  // Why the radio was disengaged (the rig library's text).
  const std::string& Error() const { return error_; }
  // The downlink VFO as last read.
  const std::optional<double>& ReadBack() const { return readBack_; }
  const DopplerFollower& Follower() const { return follower_; }
  // Waits for the answers to everything handed over so far (the command line only).
  bool WaitForAnswers() { return rig_.WaitIdle(std::chrono::milliseconds(timeoutMs_ * 4)); }

 private:
  void Fail(const std::string& error);
  void Step(std::optional<double> readBack);

  struct Look {
    std::optional<Transponder> transponder;
    bool follow = false;
    double rangeRate = 0;
  };

  AsyncRig rig_;
  DopplerFollower follower_;
  int timeoutMs_;
  long sets_ = 0;
  int failures_ = 0;
  bool engaged_ = true;
  bool overdueCounted_ = false;
  std::string error_;
  std::optional<double> readBack_;
  std::optional<Look> look_;  // waiting for the dial to be read
  RigTargets sent_;
};

}  // namespace rdz
