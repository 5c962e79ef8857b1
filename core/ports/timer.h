#pragma once

namespace rdz {

// A window timer: an interval in milliseconds and an enabled state. A tick is
// delivered once per interval while enabled, between other events.
class Timer {
 public:
  virtual ~Timer() = default;
  // Enabling a timer that is already enabled leaves its countdown alone: the
  // rotor timer is re-enabled on every refresh and must still tick.
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  // Takes effect from now: a running countdown starts again with the new interval.
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
};

}  // namespace rdz
