#pragma once
#include <functional>

namespace rdz {

// Runs what can wait on the outside world away from the user-interface thread.
class BackgroundWork {
 public:
  virtual ~BackgroundWork() = default;
  // `work` runs on a thread of its own; afterwards `done` runs on the
  // user-interface thread as an event of its own. `work` must touch nothing
  // the user-interface thread uses meanwhile.
  virtual void Start(std::function<void()> work, std::function<void()> done) = 0;
};

}  // namespace rdz
