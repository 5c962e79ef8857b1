#pragma once
#include <memory>
#include <mutex>
#include <vector>

#include "core/ports/parallel_port.h"

namespace rdz {

// Keeps every write instead of touching hardware: for the kv250 command and
// tests. The ports made by Ports() write into this one's record, from any thread.
class RecordingPort final : public ParallelPort {
 public:
  struct Write {
    int address;
    int value;
    friend bool operator==(const Write&, const Write&) = default;
  };

  void OutPort(int address, int value) noexcept override {
    std::lock_guard lock(log_->mutex);
    log_->writes.push_back({address, value & 0xFF});
  }
  std::vector<Write> Writes() const {
    std::lock_guard lock(log_->mutex);
    return log_->writes;
  }
  // The values written, in order, whatever the address.
  std::vector<int> Values() const {
    std::vector<int> values;
    for (const Write& w : Writes()) values.push_back(w.value);
    return values;
  }
  void Clear() {
    std::lock_guard lock(log_->mutex);
    log_->writes.clear();
  }
  ParallelPorts Ports() const {
    return [log = log_](int) {
      auto port = std::make_unique<RecordingPort>();
      port->log_ = log;
      return port;
    };
  }

 private:
  struct Log {
    std::mutex mutex;
    std::vector<Write> writes;
  };
  std::shared_ptr<Log> log_ = std::make_shared<Log>();
};

}  // namespace rdz
