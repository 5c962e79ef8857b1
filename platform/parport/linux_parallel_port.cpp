#include "platform/parport/linux_parallel_port.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define RDZ_HAVE_IOPERM 1
#endif

namespace rdz {

namespace {

std::string ErrorText(int error) { return std::strerror(error); }

// Errors that mean there is no ppdev port at all, as opposed to one that is
// there but refused us (busy, no permission): only then is going around the
// kernel's parallel-port driver acceptable.
bool NoSuchDevice(int error) { return error == ENOENT || error == ENODEV || error == ENXIO; }

}  // namespace

LinuxParallelPort::LinuxParallelPort(std::string device, bool directFallback)
    : device_(std::move(device)), directFallback_(directFallback) {}

std::unique_ptr<ParallelPort> LinuxLpt(int lpt) {
  // Only LPT1 may fall back to direct access of its fixed address.
  return std::make_unique<LinuxParallelPort>(lpt == 2 ? "/dev/parport1" : "/dev/parport0", lpt != 2);
}

LinuxParallelPort::~LinuxParallelPort() {
  if (fd_ >= 0) {
    ioctl(fd_, PPRELEASE);
    close(fd_);
  }
}

void LinuxParallelPort::OutPort(int address, int value) noexcept {
  if (access_ == Access::Unopened) Open();
  if (address != kLpt1Data) return;  // the only register this port drives
  auto byte = static_cast<unsigned char>(value & 0xFF);
  if (access_ == Access::Device) {
    ioctl(fd_, PPWDATA, &byte);  // a failed write is dropped; the next one is tried
  } else if (access_ == Access::Direct) {
#ifdef RDZ_HAVE_IOPERM
    outb(byte, kLpt1Data);
#endif
  }
}

std::string LinuxParallelPort::Unusable() noexcept {
  if (access_ == Access::Unopened) Open();
  return reason_;
}

void LinuxParallelPort::Open() noexcept {
  access_ = Access::None;
  int error = 0;
  fd_ = open(device_.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0) {
    error = errno;
  } else if (ioctl(fd_, PPCLAIM) != 0) {
    error = errno;
    close(fd_);
    fd_ = -1;
  } else {
    access_ = Access::Device;
    return;
  }

  std::string reason = ErrorText(error);
  if (NoSuchDevice(error) && directFallback_ && geteuid() == 0) {
    if (OpenDirect(reason)) return;
  } else if (error == EACCES) {
    reason += " (the user needs to be a member of the device's group, usually lp)";
  }
  try {
    reason_ = device_ + ": " + reason;
  } catch (...) {
    reason_ = "port not usable";  // no memory for the words; still not usable
  }
}

bool LinuxParallelPort::OpenDirect(std::string& reason) noexcept {
#ifdef RDZ_HAVE_IOPERM
  if (ioperm(kLpt1Data, 1, 1) == 0) {
    access_ = Access::Direct;
    return true;
  }
  reason += "; direct access to port 0x378: " + ErrorText(errno);
#else
  reason += "; no direct port access on this processor";
#endif
  return false;
}

}  // namespace rdz
