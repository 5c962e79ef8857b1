#include "http/element_server.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

extern char** environ;

namespace rdz::test {

ElementServer::ElementServer(const std::filesystem::path& folder) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  const std::string script = RDZ_HTTP_SERVER_SCRIPT, dir = folder.string();
  char* argv[] = {const_cast<char*>("python3"), const_cast<char*>(script.c_str()),
                  const_cast<char*>(dir.c_str()), nullptr};
  const int spawned = ::posix_spawnp(&pid_, "python3", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  lifeline_ = in[1];
  FILE* portLine = ::fdopen(out[0], "r");
  if (spawned != 0 || portLine == nullptr || std::fscanf(portLine, "%d", &port_) != 1) {
    if (portLine != nullptr) std::fclose(portLine);
    ::close(lifeline_);
    throw std::runtime_error("the test HTTP server did not start");
  }
  std::fclose(portLine);
}

ElementServer::~ElementServer() {
  ::close(lifeline_);
  ::waitpid(pid_, nullptr, 0);
}

std::string ElementServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

}  // namespace rdz::test
