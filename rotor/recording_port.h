#pragma once
#include <vector>

#include "platform/parallel_port.h"

namespace rdz {

// Keeps every write instead of touching hardware: for tests and benchmarks.
class RecordingPort final : public ParallelPort {
 public:
  struct Write {
    int address;
    int value;
    friend bool operator==(const Write&, const Write&) = default;
  };

  void OutPort(int address, int value) noexcept override { writes.push_back({address, value & 0xFF}); }

  // The values written, in order, whatever the address.
  std::vector<int> Values() const {
    std::vector<int> values;
    values.reserve(writes.size());
    for (const Write& w : writes) values.push_back(w.value);
    return values;
  }

  std::vector<Write> writes;
};

}  // namespace rdz
