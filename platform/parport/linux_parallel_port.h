#pragma once
#include <memory>
#include <string>

#include "core/ports/parallel_port.h"

namespace rdz {

// LPT1 on Linux through the kernel's ppdev interface. Only when that device
// does not exist and the program runs as root does it fall back to direct
// port access (ioperm/outb on 0x378). The port is opened and claimed on the
// first write (or Unusable) and kept; when neither way works every write is
// dropped and Unusable names the device and the reason.
class LinuxParallelPort final : public ParallelPort {
 public:
  explicit LinuxParallelPort(std::string device = "/dev/parport0", bool directFallback = true);
  ~LinuxParallelPort() override;
  LinuxParallelPort(const LinuxParallelPort&) = delete;
  LinuxParallelPort& operator=(const LinuxParallelPort&) = delete;

  void OutPort(int address, int value) noexcept override;
  std::string Unusable() noexcept override;

 private:
  enum class Access { Unopened, Device, Direct, None };

  void Open() noexcept;
  bool OpenDirect(std::string& reason) noexcept;

  std::string device_;
  bool directFallback_;
  std::string reason_;
  Access access_ = Access::Unopened;
  int fd_ = -1;
};

// LPT1 (/dev/parport0, with the direct fallback) or LPT2 (/dev/parport1).
std::unique_ptr<ParallelPort> LinuxLpt(int lpt);

}  // namespace rdz
