#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace rdz::test {

// tests/sntp/sntp_responder.py on 127.0.0.1, for as long as this object lives.
// It holds the responder's standard input: when the test process ends, even
// by a crash, the pipe closes and the responder ends with it.
class SntpResponder {
 public:
  explicit SntpResponder(const std::vector<std::string>& args);  // "answer 12.5", "silent", ...
  ~SntpResponder();
  SntpResponder(const SntpResponder&) = delete;
  SntpResponder& operator=(const SntpResponder&) = delete;

  std::uint16_t port() const { return static_cast<std::uint16_t>(port_); }
  std::string server() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  int pid_ = -1;
  int stdinFd_ = -1;
  int port_ = 0;
};

}  // namespace rdz::test
