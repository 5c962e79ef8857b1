#include "platform/hamlib/rotctld_rotor.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/hamlib/hamlib_common.h"
#include "core/base/os_reason.h"

namespace rdz {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kUnreadable = "unreadable answer";
constexpr const char* kTimedOut = "communication timed out";

// "host:port", "[v6 address]:port", or a host alone on rotctld's own port.
void SplitAddress(const std::string& address, std::string& host, std::string& port) {
  host = address;
  port = "4533";
  std::size_t colon = std::string::npos;
  if (address.starts_with('[')) {
    const std::size_t end = address.find(']');
    host = address.substr(1, end == std::string::npos ? end : end - 1);
    if (end != std::string::npos && address.compare(end + 1, 1, ":") == 0) colon = end + 1;
  } else if (address.find(':') == address.rfind(':')) {
    colon = address.find(':');
    host = address.substr(0, colon);
  }
  if (colon != std::string::npos && colon + 1 < address.size()) port = address.substr(colon + 1);
}

// The whole text as one finite number.
bool ParseNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value);
}

// "RPRT n": n, with `isReport` false for any other line.
int ReportCode(const std::string& line, bool& isReport) {
  int code = 0;
  const char* end = line.data() + line.size();
  isReport = line.starts_with("RPRT ");
  if (isReport) {
    const auto [ptr, ec] = std::from_chars(line.data() + 5, end, code);
    isReport = ec == std::errc() && ptr == end;
  }
  return code;
}

class RotctldRotor final : public Rotor {
 public:
  RotctldRotor(const std::string& address, int timeoutMs) : timeout_(timeoutMs) {
    SplitAddress(address, host_, port_);
  }
  ~RotctldRotor() override { Close(); }
  RotctldRotor(const RotctldRotor&) = delete;
  RotctldRotor& operator=(const RotctldRotor&) = delete;

  // Open once it answers at all; a lost connection stays lost, as the
  // caller reconnects with a new rotor and then sends the position again.
  DeviceCall Open() override {
    if (fd_ >= 0 || !lost_.empty()) return {lost_.empty(), lost_};
    const Clock::time_point deadline = Clock::now() + timeout_;
    if (DeviceCall c = Connect(deadline); !c.ok) return c;
    std::vector<std::string> lines;
    return Ask("p\n", 2, lines, deadline);
  }

  DeviceCall SetPosition(double azimuth, double elevation) override {
    std::vector<std::string> lines;
    DeviceCall call = Ask("P " + Fixed(azimuth) + " " + Fixed(elevation) + "\n", 1, lines, Clock::now() + timeout_);
    if (!call.ok) return call;
    bool report = false;
    const int code = ReportCode(lines[0], report);
    if (report && code == 0) return {};
    return Refused(report, code);
  }

  DeviceCall GetPosition(double& azimuth, double& elevation) override {
    std::vector<std::string> lines;
    DeviceCall call = Ask("p\n", 2, lines, Clock::now() + timeout_);
    if (!call.ok) return call;
    bool report = false;
    const int code = ReportCode(lines[0], report);
    double az = 0, el = 0;
    if (lines.size() < 2 || !ParseNumber(lines[0], az) || !ParseNumber(lines[1], el)) {
      return Refused(report, code);
    }
    azimuth = az;
    elevation = el;
    return {};
  }

 private:
  static std::string Fixed(double value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return ec == std::errc() ? std::string(text, end) : "nan";
  }

  // Hamlib's text for a refusal; anything else leaves the conversation out of step.
  DeviceCall Refused(bool report, int code) {
    if (report && code < 0) return {false, hamlib::ErrorText(code, "rotor")};
    return Lost(kUnreadable);
  }

  DeviceCall Connect(Clock::time_point deadline) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int rc = getaddrinfo(host_.c_str(), port_.c_str(), &hints, &found); rc != 0) {
      return {false, gai_strerror(rc)};
    }
    DeviceCall call{false, "no address for " + host_};
    for (const addrinfo* a = found; a != nullptr && fd_ < 0; a = a->ai_next) {
      fd_ = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
      if (fd_ < 0) continue;
      int error = connect(fd_, a->ai_addr, a->ai_addrlen) == 0 ? 0 : errno;
      socklen_t size = sizeof error;
      if (error == EINPROGRESS && !Wait(POLLOUT, deadline)) error = ETIMEDOUT;
      if (error == EINPROGRESS && getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
      call = error == 0 ? DeviceCall{} : DeviceCall{false, OsReason(error)};
      if (error != 0) Close();
    }
    freeaddrinfo(found);
    return call;
  }

  // Sends one command and takes `count` whole lines of answer, or fewer when
  // a line is a report; a line not yet ended is never taken.
  DeviceCall Ask(const std::string& command, std::size_t count, std::vector<std::string>& lines,
                Clock::time_point deadline) {
    if (fd_ < 0) return {false, lost_.empty() ? "rotor not open" : lost_};
    for (std::size_t sent = 0; sent < command.size();) {
      const ssize_t n = send(fd_, command.data() + sent, command.size() - sent, MSG_NOSIGNAL);
      if (n > 0) sent += static_cast<std::size_t>(n);
      if (n < 0 && (errno != EAGAIN || !Wait(POLLOUT, deadline))) return Lost(errno == EAGAIN ? kTimedOut : OsReason(errno));
    }
    std::string buffer;
    while (lines.size() < count) {
      if (const std::size_t end = buffer.find('\n'); end != std::string::npos) {
        std::string line = buffer.substr(0, end);
        if (line.ends_with('\r')) line.pop_back();
        buffer.erase(0, end + 1);
        lines.push_back(line);
        if (line.starts_with("RPRT")) break;
        continue;
      }
      if (!Wait(POLLIN, deadline)) return Lost(kTimedOut);
      char chunk[256];
      const ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
      if (n == 0) return Lost("connection closed");
      if (n < 0 && errno != EAGAIN) return Lost(OsReason(errno));
      if (n > 0) buffer.append(chunk, static_cast<std::size_t>(n));
    }
    return {};
  }

  bool Wait(short events, Clock::time_point deadline) const {
    for (;;) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return false;
      pollfd p{fd_, events, 0};
      const int n = poll(&p, 1, static_cast<int>(left));
      if (n > 0) return true;
      if (n == 0 || errno != EINTR) return false;
    }
  }

  DeviceCall Lost(std::string reason) {
    Close();
    lost_ = reason;
    return {false, std::move(reason)};
  }

  void Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

  std::string host_, port_, lost_;
  std::chrono::milliseconds timeout_;
  int fd_ = -1;
};

}  // namespace

std::unique_ptr<Rotor> MakeRotctldRotor(const std::string& address, int timeoutMs) {
  return std::make_unique<RotctldRotor>(address, timeoutMs);
}

}  // namespace rdz
