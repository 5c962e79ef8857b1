#pragma once

namespace rdz {

// Lets the events queued at this moment run (clicks and timer ticks included),
// nested inside the caller, then returns. Long handlers call it to keep the
// window responsive.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  virtual void LetPendingEventsRun() = 0;
};

}  // namespace rdz
