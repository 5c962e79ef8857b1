#pragma once
#include <QObject>
#include <functional>
#include <thread>

namespace rdz::qt {

// Runs one piece of waiting work (a network query) on its own thread; what the
// work returns then runs on the thread that owns this object, as a queued event.
// Deleting the object waits for running work and drops its undelivered result.
class BackgroundJob final : public QObject {
 public:
  using Then = std::function<void()>;
  explicit BackgroundJob(QObject* parent = nullptr) : QObject(parent) {}
  ~BackgroundJob() override;

  bool Running() const { return running_; }
  // False, and nothing starts, while earlier work is still running.
  bool Start(std::function<Then()> work);

 private:
  std::thread thread_;
  bool running_ = false;  // read and written on the owning thread only
};

}  // namespace rdz::qt
