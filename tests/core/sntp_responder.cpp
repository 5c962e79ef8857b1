#include "core/sntp_responder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace rdz::test {

SntpResponder::SntpResponder(const std::vector<std::string>& args) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  std::vector<std::string> argv{"python3", RDZ_SNTP_RESPONDER};
  argv.insert(argv.end(), args.begin(), args.end());
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    std::vector<char*> raw;
    for (auto& a : argv) raw.push_back(a.data());
    raw.push_back(nullptr);
    ::execvp("python3", raw.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  stdinFd_ = in[1];
  FILE* first = ::fdopen(out[0], "r");
  if (first == nullptr || std::fscanf(first, "%d", &port_) != 1) port_ = 0;
  if (first != nullptr) std::fclose(first);
  if (port_ == 0) throw std::runtime_error("the SNTP responder did not start");
}

SntpResponder::~SntpResponder() {
  ::close(stdinFd_);  // the responder sees the end of its input and leaves
  ::waitpid(pid_, nullptr, 0);
}

}  // namespace rdz::test
