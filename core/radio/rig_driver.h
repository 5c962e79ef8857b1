#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/device/device_connection.h"
#include "core/radio/doppler_follower.h"
#include "core/radio/rig_modes.h"

namespace rdz {

inline constexpr std::chrono::milliseconds kRigDeadline{2000};
// Hamlib's own limit stays below the deadline, so a silent radio fails as itself.
inline constexpr int kRigHamlibLimitMs = 1500;

struct RigAnswer {
  enum class Kind { Open, Downlink, Uplink, Read, Mode, UpMode, Tone, Release } kind;
  DeviceCall call;
  double hz = 0;    // what was sent, or what the downlink VFO reads
  long number = 0;  // sets: the number handed over with it
  std::string mode{};    // Mode, UpMode: the mode
  int tone = 0;          // Tone: tenths of a hertz
  bool unknown = false;  // a mode the library does not know: nothing was sent
};

// Drives a Hamlib radio, or two (the second sending only the uplink): the
// follower decides the frequencies, the calls run on each radio's own thread
// under a deadline, and a radio that fails is reached again by itself. Lives
// on its owner's thread; nothing here waits.
class RigDriver {
 public:
  using Make = std::function<std::unique_ptr<Rig>()>;
  using Link = DeviceConnection<Rig, RigAnswer>;

  // Opens the radio at once (and `transmitter`, the second radio, when the
  // settings send the uplink that way); `notify` runs on a radio's thread
  // when an answer is ready.
  RigDriver(Make make, RigSettings settings, std::chrono::milliseconds deadline, std::function<void()> notify = {},
            Make transmitter = {});

  // One look: the transponder worked (none: leave the radio alone), whether
  // the satellite is up or about to rise, its range rate in km/s, and where
  // in the passband a new pass starts (Hz from the middle, satellite side).
  // While a transponder is followed the dial is read first and the
  // frequencies follow when it answers; the operator's turn is never
  // overwritten by a frequency computed before it. Modes and tone are set
  // when a transponder is taken up and when a radio is reached again.
  void Tick(const Transponder* transponder, bool follow, double rangeRateKmS, double startOffset = 0);
  // Takes the answers and keeps the connections; call it often.
  void Poll();
  // The frequencies the radios accepted since the last call.
  RigTargets TakeAccepted() { return std::exchange(accepted_, {}); }
  // The modes and tone the radios accepted since the last call ("-" where none).
  std::optional<RigModes> TakeModes() { return std::exchange(modesTaken_, std::nullopt); }
  // The satellite-side downlink moved by the operator: set at once.
  void Move(double satelliteDownlink);
  // Switches the satellite mode off now, for an owner that then waits until
  // Idle; otherwise that happens on the radio's thread when this goes.
  bool Release() { return receiver_.Release(); }
  // The radio goes on in satellite mode under the next driver: this one
  // leaves it on, so that its end cannot undo the next one's start.
  void HandOver() { receiver_.Finally({}); }

  // The downlink radio.
  Link::State State() const { return receiver_.Now(); }
  bool Commanding() const { return receiver_.Commanding(); }
  const std::string& Error() const { return receiver_.Error(); }
  // The second radio; nothing without one.
  const Link* Transmitter() const { return transmitter_.get(); }
  // The downlink VFO as last read.
  const std::optional<double>& ReadBack() const { return readBack_; }
  const DopplerFollower& Follower() const { return follower_; }
  DopplerFollower& Follower() { return follower_; }
  bool Idle() const { return receiver_.Idle() && (!transmitter_ || transmitter_->Idle()); }
  // The modes in use, as the radios accepted them.
  const RigModes& Modes() const { return modes_; }
  // Why a mode was left alone; empty when none was.
  const std::string& Note() const { return note_; }

 private:
  struct Look {
    std::optional<Transponder> transponder;
    bool follow = false;
    double rangeRate = 0;
    double startOffset = 0;
  };

  void Step(std::optional<double> readBack);
  void Set(RigAnswer::Kind kind, double hz);
  void SendModes(const Transponder& t, bool receiver, bool transmitter);
  // The radio that sends the uplink.
  Link& UplinkRadio() { return transmitter_ ? *transmitter_ : receiver_; }
  void Take(const RigAnswer& a, bool fromReceiver);

  RigSettings settings_;
  DopplerFollower follower_;
  Link receiver_;
  std::unique_ptr<Link> transmitter_;
  long sets_ = 0;     // handed over to the downlink radio
  long settled_ = 0;  // answered, in the order the radio took them
  std::optional<double> readBack_;
  std::optional<Look> look_;  // waiting for the dial to be read
  std::optional<Look> last_;  // the newest look stepped
  bool modesDue_ = true, upModesDue_ = true;  // per radio: reached again
  RigTargets accepted_;
  RigModes modes_;
  std::optional<RigModes> modesTaken_;
  std::string note_;
};

}  // namespace rdz
