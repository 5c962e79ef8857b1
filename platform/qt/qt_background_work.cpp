#include "platform/qt/qt_background_work.h"

#include <algorithm>

namespace rdz::qt {

QtBackgroundWork::~QtBackgroundWork() {
  for (QThread* thread : threads_) {
    thread->wait();
    delete thread;
  }
}

void QtBackgroundWork::Start(std::function<void()> work, std::function<void()> done) {
  QThread* thread = QThread::create(std::move(work));
  threads_.push_back(thread);
  // `finished` is sent from the worker, so the receiver gets it as a queued event.
  QObject::connect(thread, &QThread::finished, &receiver_,
                   [this, thread, done = std::move(done)] {
                     const std::function<void()> finish = done;  // outlives the connection
                     std::erase(threads_, thread);
                     thread->wait();
                     delete thread;
                     finish();
                   });
  thread->start();
}

}  // namespace rdz::qt
