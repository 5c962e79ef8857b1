#include "core/local_server.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

extern char** environ;

namespace rdz::test {

LocalServer::LocalServer(const std::string& script, const std::vector<std::string>& args) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  std::vector<std::string> words{"python3", script};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const int spawned = ::posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  lifeline_ = in[1];
  FILE* portLine = ::fdopen(out[0], "r");
  if (spawned != 0 || portLine == nullptr || std::fscanf(portLine, "%d", &port_) != 1) {
    if (portLine != nullptr) std::fclose(portLine);
    ::close(lifeline_);
    throw std::runtime_error(script + " did not start");
  }
  std::fclose(portLine);
}

LocalServer::~LocalServer() {
  ::close(lifeline_);  // the server sees the end of its input and leaves
  ::waitpid(pid_, nullptr, 0);
}

}  // namespace rdz::test
