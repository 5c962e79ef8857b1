#pragma once
#include <QTimer>
#include <functional>

#include "core/ports/timer.h"

namespace rdz::qt {

// A window timer over QTimer. QTimer::start restarts a running countdown, so
// it is only ever called on a stopped timer.
class QtTimer final : public rdz::Timer {
 public:
  QtTimer(int intervalMs, bool enabled);

  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetInterval(int milliseconds) override;
  int Interval() const override;
  // Milliseconds until the next tick; -1 while disabled.
  int RemainingTime() const { return timer_.remainingTime(); }

  // The handler run at each tick.
  void OnTick(std::function<void()> handler);

 private:
  QTimer timer_;
};

}  // namespace rdz::qt
