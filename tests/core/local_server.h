#pragma once
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rdz::test {

// A Python test server on 127.0.0.1 that prints its port first. Its standard
// input is a pipe from this process: when the test process ends, even by a
// crash, the pipe closes and the server ends with it.
class LocalServer {
 public:
  LocalServer(const std::string& script, const std::vector<std::string>& args);
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  std::uint16_t port() const { return static_cast<std::uint16_t>(port_); }
  std::string server() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  pid_t pid_ = -1;
  int lifeline_ = -1;
  int port_ = 0;
};

#ifdef RDZ_SNTP_RESPONDER
// tests/sntp/sntp_responder.py: {"answer", "12.5"}, {"silent"}, ...
struct SntpResponder : LocalServer {
  explicit SntpResponder(const std::vector<std::string>& args) : LocalServer(RDZ_SNTP_RESPONDER, args) {}
};
#endif

#ifdef RDZ_DRIP_SERVER
// tests/devices/device_server.py without an answer: bytes without a line end, for ever.
struct DripServer : LocalServer {
  DripServer() : LocalServer(RDZ_DRIP_SERVER, {}) {}
};
#endif

#ifdef RDZ_HTTP_SERVER_SCRIPT
// tests/http/element_server.py serving a folder, over HTTPS with a PEM file of key and certificate.
struct ElementServer : LocalServer {
  explicit ElementServer(const std::filesystem::path& folder, const std::string& pem = {})
      : LocalServer(RDZ_HTTP_SERVER_SCRIPT, pem.empty() ? std::vector<std::string>{folder}
                                                        : std::vector<std::string>{folder, pem}),
        scheme_(pem.empty() ? "http://" : "https://") {}
  std::string Url(const std::string& path) const { return scheme_ + server() + path; }

 private:
  std::string scheme_;
};
#endif

}  // namespace rdz::test
