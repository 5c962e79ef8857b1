#pragma once
#include <functional>
#include <memory>
#include <string>

namespace rdz {

// The data register of the first parallel port (LPT1), the only port the
// program writes.
inline constexpr int kLpt1Data = 888;

// Byte output to an I/O port. A write that cannot be made is dropped: the
// caller never learns of it and carries on with the next one.
class ParallelPort {
 public:
  virtual ~ParallelPort() = default;
  // Puts the low byte of value on the port at address.
  virtual void OutPort(int address, int value) noexcept = 0;
  // Why no write can reach the port; empty while writes can.
  virtual std::string Unusable() noexcept { return {}; }
};

// Makes the port of LPT1 or LPT2, not opened yet.
using ParallelPorts = std::function<std::unique_ptr<ParallelPort>(int lpt)>;

}  // namespace rdz
