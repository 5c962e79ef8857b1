#pragma once
#include <functional>
#include <utility>

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

// `work` then `done` on `background`; both at once on the calling thread where there is none.
inline void StartOrRun(BackgroundWork* background, std::function<void()> work, std::function<void()> done) {
  if (background == nullptr) {
    work();
    done();
  } else {
    background->Start(std::move(work), std::move(done));
  }
}

}  // namespace rdz
