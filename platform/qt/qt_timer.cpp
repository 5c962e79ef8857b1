#include "platform/qt/qt_timer.h"

#include <algorithm>

namespace rdz::qt {

QtTimer::QtTimer(int intervalMs, bool enabled) {
  // Precise: a 1 ms simulation tick must not be coarsened to 5% slack.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(std::max(0, intervalMs));
  if (enabled) timer_.start();
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled == timer_.isActive()) return;
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

bool QtTimer::Enabled() const { return timer_.isActive(); }

void QtTimer::SetInterval(int milliseconds) {
  // A negative interval (a negative TEMPOSCANN) has no meaning for a timer.
  timer_.setInterval(std::max(0, milliseconds));
}

int QtTimer::Interval() const { return timer_.interval(); }

void QtTimer::OnTick(std::function<void()> handler) {
  QObject::disconnect(&timer_, &QTimer::timeout, nullptr, nullptr);
  QObject::connect(&timer_, &QTimer::timeout, std::move(handler));
}

}  // namespace rdz::qt
