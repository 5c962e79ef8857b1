#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/device/device_connection.h"
#include "core/ports/rotor.h"
#include "core/rotor/follow_policy.h"

namespace rdz {

inline constexpr std::chrono::milliseconds kRotorDeadline{3000};
// Hamlib's own limit stays below the deadline, so a silent rotor fails as itself.
inline constexpr int kRotorHamlibLimitMs = 2500;

struct RotorAnswer {
  enum class Kind { Open, Move, Read } kind;
  DeviceCall call;
  LookAngle position;  // where it was sent (Move) or where it is (Read)
};

// Drives one rotor, a Hamlib one or the KV250: its follow policy decides where
// it points, the calls run on the rotor's own thread under a deadline, and a
// rotor that fails is reached again by itself. Lives on its owner's thread
// (the window's, or the command line's); nothing here waits for the rotor.
class RotorDriver {
 public:
  using Make = std::function<std::unique_ptr<Rotor>()>;
  using Link = DeviceConnection<Rotor, RotorAnswer>;

  // Opens the rotor at once; `notify` runs on the rotor's thread when an answer is ready.
  RotorDriver(Make make, std::unique_ptr<FollowPolicy> policy, std::chrono::milliseconds deadline,
              std::function<void()> notify = {});

  // Takes the answers and keeps the connection; at the policy's pace one look
  // at satellite `satellite` (0: none, the rotor stays where it is) at `now`.
  void Tick(int satellite, const SkyPosition& sky, double now);
  // The park position once; false when the rotor cannot be commanded now.
  bool Park();
  // The positions the rotor accepted since the last call, oldest first.
  std::vector<LookAngle> TakeAccepted() { return std::exchange(accepted_, {}); }

  Link::State State() const { return link_.Now(); }
  bool Commanding() const { return link_.Commanding(); }
  const std::string& Error() const { return link_.Error(); }
  // The last position handed to the rotor, and where it last said it was.
  const std::optional<LookAngle>& Commanded() const { return commanded_; }
  const std::optional<LookAngle>& ReadBack() const { return readBack_; }
  // The rotor took the last command for the satellite it is following.
  bool Following() const;
  const FollowPolicy& Policy() const { return *policy_; }
  bool Idle() const { return link_.Idle(); }

 private:
  void Collect();
  void Move(const LookAngle& position);

  std::unique_ptr<FollowPolicy> policy_;
  bool reports_ = true;
  Link link_;
  int satellite_ = 0;
  std::optional<double> lastLook_;
  bool lookNow_ = true;
  bool moveTaken_ = false;
  std::optional<LookAngle> commanded_;
  std::optional<LookAngle> readBack_;
  std::vector<LookAngle> accepted_;
};

}  // namespace rdz
