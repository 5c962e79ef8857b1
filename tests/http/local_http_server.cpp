#include "http/local_http_server.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace rdz::test {

LocalHttpServer::LocalHttpServer(const std::filesystem::path& folder) {
  int out[2];
  if (::pipe(out) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::close(out[0]);
    ::close(out[1]);
    ::execlp("python3", "python3", RDZ_HTTP_SERVER_SCRIPT, folder.c_str(), nullptr);
    ::_exit(127);
  }
  ::close(out[1]);
  // The server prints its port once it listens.
  if (FILE* in = ::fdopen(out[0], "r")) {
    if (std::fscanf(in, "%d", &port_) != 1) port_ = 0;
    std::fclose(in);
  } else {
    ::close(out[0]);
  }
}

LocalHttpServer::~LocalHttpServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

std::string LocalHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

}  // namespace rdz::test
