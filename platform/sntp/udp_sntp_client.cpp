#include "platform/sntp/udp_sntp_client.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace rdz {

namespace {

using Clock = std::chrono::steady_clock;

struct AddressList {
  addrinfo* list = nullptr;
  ~AddressList() {
    if (list != nullptr) freeaddrinfo(list);
  }
};

// getaddrinfo has no time limit of its own; the waiter gives up at the deadline
// and the thread frees what it found whenever it ends.
struct Lookup {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false, abandoned = false;
  int status = 0;
  addrinfo* result = nullptr;
};

std::string LookUp(const NtpServer& server, Clock::time_point deadline, AddressList& out) {
  auto lookup = std::make_shared<Lookup>();
  std::thread([lookup, host = server.host, port = std::to_string(server.port)] {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    const int status = getaddrinfo(host.c_str(), port.c_str(), &hints, &result);
    std::lock_guard lock(lookup->mutex);
    if (lookup->abandoned) {
      if (result != nullptr) freeaddrinfo(result);
      return;
    }
    lookup->status = status;
    lookup->result = result;
    lookup->finished = true;
    lookup->done.notify_one();
  }).detach();
  std::unique_lock lock(lookup->mutex);
  if (!lookup->done.wait_until(lock, deadline, [&] { return lookup->finished; })) {
    lookup->abandoned = true;
    return "the name " + server.host + " was not found in time";
  }
  out.list = lookup->result;
  if (lookup->status != 0) return "the name " + server.host + " was not found (" +
                                   gai_strerror(lookup->status) + ")";
  return {};
}

struct Socket {
  int fd = -1;
  ~Socket() {
    if (fd >= 0) ::close(fd);
  }
};

std::string SystemError(const char* what) { return std::string(what) + " (" + std::strerror(errno) + ")"; }

}  // namespace

SntpOutcome UdpSntpClient::Query(const NtpServer& server, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  AddressList addresses;
  if (std::string why = LookUp(server, deadline, addresses); !why.empty()) return {std::nullopt, why};

  // The first address that takes the request gets the one query.
  Socket socket;
  SntpPacket request{};
  SystemTime sent;
  std::string why = "no address of " + server.host + " can be reached";
  for (const addrinfo* a = addresses.list; a != nullptr; a = a->ai_next) {
    Socket candidate;
    candidate.fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (candidate.fd < 0) {
      why = SystemError("no socket");
      continue;
    }
    // Connected, so that only this server's datagrams and errors arrive.
    if (::connect(candidate.fd, a->ai_addr, a->ai_addrlen) != 0) {
      why = SystemError("cannot reach the server");
      continue;
    }
    sent = std::chrono::system_clock::now();
    request = BuildSntpRequest(sent);
    if (::send(candidate.fd, request.data(), request.size(), 0) != static_cast<ssize_t>(request.size())) {
      why = SystemError("cannot send the request");
      continue;
    }
    std::swap(socket.fd, candidate.fd);
    break;
  }
  if (socket.fd < 0) return {std::nullopt, why};

  std::uint8_t reply[256];
  for (;;) {
    // Rounded up: poll must not give up before the limit.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd p{socket.fd, POLLIN, 0};
    const int ready = left.count() > 0 ? ::poll(&p, 1, static_cast<int>(left.count())) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) return {std::nullopt, SystemError("waiting for the answer failed")};
    if (ready == 0) {
      char seconds[32];
      std::snprintf(seconds, sizeof seconds, "%g", static_cast<double>(limit.count()) / 1000);
      return {std::nullopt, std::string("no answer within ") + seconds + " s"};
    }
    const ssize_t n = ::recv(socket.fd, reply, sizeof reply, 0);
    const SystemTime received = std::chrono::system_clock::now();
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return {std::nullopt, SystemError("no SNTP server answers there")};
    }
    std::string problem;
    const auto times = ReadSntpReply(std::span(reply, static_cast<std::size_t>(n)), request, problem);
    if (times) {
      const auto offset = PlausibleOffset({sent, times->received, times->sent, received}, limit, problem);
      return {offset, problem};
    }
    // A late answer to an earlier request is not this one's: keep waiting.
    if (!problem.empty()) return {std::nullopt, problem};
  }
}

}  // namespace rdz
