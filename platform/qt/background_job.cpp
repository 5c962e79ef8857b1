#include "platform/qt/background_job.h"

#include <QMetaObject>

namespace rdz::qt {

BackgroundJob::~BackgroundJob() {
  if (thread_.joinable()) thread_.join();
}

bool BackgroundJob::Start(std::function<Then()> work) {
  if (running_) return false;
  if (thread_.joinable()) thread_.join();  // finished: its result has been delivered
  running_ = true;
  thread_ = std::thread([this, work = std::move(work)] {
    Then then = work();
    QMetaObject::invokeMethod(
        this,
        [this, then = std::move(then)] {
          running_ = false;
          if (then) then();
        },
        Qt::QueuedConnection);
  });
  return true;
}

}  // namespace rdz::qt
