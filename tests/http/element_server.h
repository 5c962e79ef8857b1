#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>

namespace rdz::test {

// tests/http/element_server.py serving a folder on 127.0.0.1. The server
// reads a pipe from this process and exits when it closes, so it ends with
// the test even when the test process dies.
class ElementServer {
 public:
  explicit ElementServer(const std::filesystem::path& folder);
  ~ElementServer();
  ElementServer(const ElementServer&) = delete;
  ElementServer& operator=(const ElementServer&) = delete;

  int port() const { return port_; }
  std::string Url(const std::string& path) const;

 private:
  pid_t pid_ = -1;
  int lifeline_ = -1;  // the server's standard input
  int port_ = 0;
};

}  // namespace rdz::test
