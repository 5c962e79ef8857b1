#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "rotor/async_rotor.h"
#include "rotor/pass_planner.h"

namespace rdz {

// After this many failed calls in a row the rotor is left alone.
inline constexpr int kFailuresToDisengage = 5;

// Drives one Hamlib rotor: the planner decides where it points, the calls run
// on the rotor's own thread, and failures are counted. Lives on its owner's
// thread (the window's, or the command line's); nothing here blocks.
class RotorDriver {
 public:
  // Opens the rotor at once; `notify` as for AsyncRotor (answers are ready to Collect).
  RotorDriver(std::unique_ptr<Rotor> rotor, RotorSettings settings, int timeoutMs,
              std::function<void()> notify = {});

  // One look at satellite `satellite` (0: none, the rotor stays where it is).
  // Returns the command handed to the rotor, if any.
  std::optional<RotorCommand> Tick(int satellite, const SkyPosition& sky, double now);
  // The park position, once.
  void Park();
  // Takes the rotor's answers; true when any arrived.
  bool Collect();

  bool Engaged() const { return engaged_; }
  // Why the rotor was disengaged (the rotor library's text).
  const std::string& Error() const { return error_; }
  const std::optional<LookAngle>& Commanded() const { return commanded_; }
  const std::optional<LookAngle>& ReadBack() const { return readBack_; }
  const RotorSettings& Settings() const { return planner_.Settings(); }
  const PassPlanner& Planner() const { return planner_; }
  // Waits for the answers to everything handed over so far (the command line only).
  bool WaitForAnswers() { return rotor_.WaitIdle(std::chrono::milliseconds(timeoutMs_ * 3)); }

 private:
  void Fail(const std::string& error);
  void Command(const LookAngle& position);

  AsyncRotor rotor_;
  PassPlanner planner_;
  int timeoutMs_;
  int satellite_ = 0;
  int failures_ = 0;
  bool engaged_ = true;
  bool overdueCounted_ = false;
  std::string error_;
  std::optional<LookAngle> commanded_;
  std::optional<LookAngle> readBack_;
};

}  // namespace rdz
