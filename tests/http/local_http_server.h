#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>

namespace rdz::test {

// element_server.py on 127.0.0.1, serving the files of one folder; stopped
// with the object.
class LocalHttpServer {
 public:
  explicit LocalHttpServer(const std::filesystem::path& folder);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  bool Running() const { return port_ > 0; }
  std::string Url(const std::string& path) const;

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace rdz::test
