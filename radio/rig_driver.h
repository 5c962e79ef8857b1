#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "device/device_connection.h"
#include "radio/doppler_follower.h"

namespace rdz {

inline constexpr std::chrono::milliseconds kRigDeadline{2000};

struct RigAnswer {
  enum class Kind { Open, Downlink, Uplink, Read } kind;
  RigCall call;
  double hz = 0;    // what was sent, or what the downlink VFO reads
  long number = 0;  // sets: the number handed over with it
};

// Drives one Hamlib radio: the follower decides the frequencies, the calls
// run on the radio's own thread under a deadline, and a radio that fails is
// reached again by itself. Lives on its owner's thread; nothing here waits.
class RigDriver {
 public:
  using Make = std::function<std::unique_ptr<Rig>()>;
  using Link = DeviceConnection<Rig, RigAnswer>;

  // Opens the radio at once; `notify` runs on the radio's thread when an answer is ready.
  RigDriver(Make make, RigSettings settings, std::chrono::milliseconds deadline, std::function<void()> notify = {});

  // One look: the transponder worked (none: leave the radio alone), whether
  // the satellite is up or about to rise, and its range rate in km/s. While
  // a transponder is followed the dial is read first and the frequencies
  // follow when it answers; the operator's turn is never overwritten by a
  // frequency computed before it.
  void Tick(const Transponder* transponder, bool follow, double rangeRateKmS);
  // Takes the answers and keeps the connection; call it often.
  void Poll();
  // The frequencies the radio accepted since the last call.
  RigTargets TakeAccepted() { return std::exchange(accepted_, {}); }

  Link::State State() const { return link_.Now(); }
  bool Commanding() const { return link_.Commanding(); }
  const std::string& Error() const { return link_.Error(); }
  // The downlink VFO as last read.
  const std::optional<double>& ReadBack() const { return readBack_; }
  const DopplerFollower& Follower() const { return follower_; }
  bool Idle() const { return link_.Idle(); }

 private:
  void Step(std::optional<double> readBack);
  void Set(RigAnswer::Kind kind, double hz);

  struct Look {
    std::optional<Transponder> transponder;
    bool follow = false;
    double rangeRate = 0;
  };

  RigSettings settings_;
  DopplerFollower follower_;
  Link link_;
  long sets_ = 0;     // handed over
  long settled_ = 0;  // answered, in the order the radio took them
  std::optional<double> readBack_;
  std::optional<Look> look_;  // waiting for the dial to be read
  RigTargets accepted_;
};

}  // namespace rdz
