#pragma once
#include <iosfwd>
#include <string>

#include "platform/parallel_port.h"

namespace rdz {

// LPT1 on Linux through the kernel's ppdev interface. Only when that device
// does not exist and the program runs as root does it fall back to direct
// port access (ioperm/outb on 0x378). The port is opened and claimed on the
// first write and kept; when neither way works every write is dropped, and
// one line naming the device and the reason goes to `report` the first time.
class LinuxParallelPort final : public ParallelPort {
 public:
  explicit LinuxParallelPort(std::string device = "/dev/parport0", bool directFallback = true);
  LinuxParallelPort(std::string device, bool directFallback, std::ostream& report);
  ~LinuxParallelPort() override;
  LinuxParallelPort(const LinuxParallelPort&) = delete;
  LinuxParallelPort& operator=(const LinuxParallelPort&) = delete;

  void OutPort(int address, int value) noexcept override;
  // Opens the port now rather than at the first write (reporting as above);
  // false when no write can reach it.
  bool Ready() noexcept;

 private:
  enum class Access { Unopened, Device, Direct, None };

  void Open() noexcept;
  bool OpenDirect(std::string& reason) noexcept;

  std::string device_;
  bool directFallback_;
  std::ostream& report_;
  Access access_ = Access::Unopened;
  int fd_ = -1;
};

}  // namespace rdz
