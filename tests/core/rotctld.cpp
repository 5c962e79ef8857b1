#include "core/rotctld.h"

#include <algorithm>

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
#include <cstdlib>
#include <sstream>
#include <thread>

namespace rdz::test {

namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

// A connection to a port of 127.0.0.1; -1 when refused.
int Connect(int port) {
  const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (const sockaddr_in a = Loopback(port); connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0) return s;
  close(s);
  return -1;
}

// Everything readable from `fd` until it closes, `ms` without data, or `enough`.
std::string Drain(int fd, int ms, std::chrono::steady_clock::time_point end, bool (*enough)(const std::string&)) {
  std::string text;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(std::min<long>(left.count(), ms))) <= 0) break;
    char buffer[512];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    if (enough && enough(text)) break;
  }
  return text;
}

}  // namespace

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

std::string ReadAll(const Child& child, double seconds, bool (*enough)(const std::string&)) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration_cast<std::chrono::milliseconds>(
                                                          std::chrono::duration<double>(seconds));
  return Drain(child.out, 1 << 30, end, enough);
}

int WaitExit(const Child& child) {
  int status = 0;
  if (waitpid(child.pid, &status, 0) != child.pid) return -1;
  close(child.out);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<double> NumbersIn(const std::string& text) {
  std::istringstream in(text);
  std::vector<double> values;
  for (std::string w; in >> w;) {
    char* end = nullptr;
    const double v = std::strtod(w.c_str(), &end);
    if (end != w.c_str()) values.push_back(v);
  }
  return values;
}

Rotctld::Rotctld(const std::string& program, std::vector<std::string> options)
    : program_(program), options_(std::move(options)) {
  // A port the kernel picks, held (bound, never listening) while this object
  // lives so that no other test is given it; the daemon binds it beside us
  // with SO_REUSEADDR.
  hold_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int on = 1;
  setsockopt(hold_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in a = Loopback(0);
  socklen_t n = sizeof a;
  if (bind(hold_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && getsockname(hold_, reinterpret_cast<sockaddr*>(&a), &n) == 0) {
    port_ = ntohs(a.sin_port);
  }
  Start();
}

bool Rotctld::Start() {
  std::vector<std::string> argv = {program_, "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
  argv.insert(argv.end(), options_.begin(), options_.end());
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

bool Rotctld::Restart() { return Stop(), Start(); }

Rotctld::~Rotctld() {
  Stop();
  close(hold_);
}

void Rotctld::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string Rotctld::Ask(const std::string& command) const {
  // "p" answers with two lines, everything else with one. The connection stays
  // open until the answer is in: after a half-close rigctld can stall the next
  // client. Tried again: it now and then drops a second client unanswered.
  const long lines = command == "p" ? 2 : 1;
  const auto answered = [lines](const std::string& t) {
    const auto ends = std::count(t.begin(), t.end(), '\n');
    return ends >= lines || (ends > 0 && t.rfind("RPRT", 0) == 0);
  };
  std::string text;
  for (int attempt = 0; attempt < 5 && text.empty(); ++attempt) {
    const int s = Connect(port_);
    const std::string line = command + "\n";
    if (s >= 0 && write(s, line.data(), line.size()) == static_cast<ssize_t>(line.size())) {
      pollfd p{s, POLLIN, 0};
      char buffer[256];
      ssize_t n = 0;
      while (!answered(text) && poll(&p, 1, 2000) > 0 && (n = read(s, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
      }
    }
    if (s >= 0) close(s);
  }
  for (char& c : text) c = c == '\n' ? ' ' : c;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::vector<double> Rotctld::Numbers(const std::string& command) const { return NumbersIn(Ask(command)); }

}  // namespace rdz::test
