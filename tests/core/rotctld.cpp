#include "core/rotctld.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace rdz::test {

namespace {

int FreePort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t n = sizeof a;
  int port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0) {
    port = ntohs(a.sin_port);
  }
  close(s);
  return port;
}

}  // namespace

int Connect(int port) {
  const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) return s;
  close(s);
  return -1;
}

Child Spawn(const std::vector<std::string>& argv) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return {};
  // Built before the fork: a child of a threaded process must not allocate.
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    dup2(fds[1], 1);
    dup2(fds[1], 2);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(fds[1]);
  return {pid, fds[0]};
}

std::string ReadAll(const Child& child, double seconds) {
  std::string text;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd p{child.out, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[512];
    const ssize_t n = read(child.out, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

int WaitExit(const Child& child) {
  int status = 0;
  if (waitpid(child.pid, &status, 0) != child.pid) return -1;
  close(child.out);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Rotctld::Rotctld(const std::string& config, const std::string& program) : config_(config), program_(program) {
  port_ = FreePort();
  Start();
}

bool Rotctld::Start() {
  std::vector<std::string> argv{program_, "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
  if (!config_.empty()) argv.insert(argv.end(), {"-C", config_});
  const Child child = Spawn(argv);
  pid_ = child.pid;
  if (child.out >= 0) close(child.out);  // it writes nothing we need
  ready_ = false;
  for (int i = 0; i < 100 && pid_ > 0 && !ready_; ++i) {
    const int s = Connect(port_);
    ready_ = s >= 0;
    if (s >= 0) close(s);
    if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return ready_;
}

bool Rotctld::Restart() {
  Stop();
  return Start();
}

void Rotctld::Pause(bool paused) const {
  if (pid_ > 0) kill(pid_, paused ? SIGSTOP : SIGCONT);
}

Rotctld::~Rotctld() { Stop(); }

void Rotctld::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string Rotctld::Ask(const std::string& command) const {
  const int s = Connect(port_);
  if (s < 0) return {};
  const std::string line = command + "\n";
  if (write(s, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
    close(s);
    return {};
  }
  shutdown(s, SHUT_WR);
  std::string text;
  char buffer[256];
  pollfd p{s, POLLIN, 0};
  while (poll(&p, 1, 2000) > 0) {
    const ssize_t n = read(s, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(s);
  for (char& c : text) c = c == '\n' ? ' ' : c;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace rdz::test
