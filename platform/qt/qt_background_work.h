#pragma once
#include <QObject>
#include <QThread>
#include <vector>

#include "core/ports/background_work.h"

namespace rdz::qt {

// Each piece of work on a QThread of its own; its end comes back through the
// event loop of the thread that created this object.
class QtBackgroundWork final : public rdz::BackgroundWork {
 public:
  QtBackgroundWork() = default;
  // Waits for work still running; an end not yet delivered is dropped.
  ~QtBackgroundWork() override;
  QtBackgroundWork(const QtBackgroundWork&) = delete;
  QtBackgroundWork& operator=(const QtBackgroundWork&) = delete;

  void Start(std::function<void()> work, std::function<void()> done) override;

 private:
  QObject receiver_;  // lives on the creating thread, so `done` runs there
  std::vector<QThread*> threads_;
};

}  // namespace rdz::qt
