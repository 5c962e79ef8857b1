#include "core/rigctld.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "core/rotctld.h"

namespace rdz::test {

namespace {

// One command and its one-line answer, on a connection of its own. The
// connection stays open for writing until the answer is in: a rigctld that
// sees the end of its input first may drop the command.
std::string AskLine(int port, const std::string& command) {
  const int s = Connect(port);
  if (s < 0) return {};
  const std::string line = command + "\n";
  std::string text;
  if (write(s, line.data(), line.size()) == static_cast<ssize_t>(line.size())) {
    pollfd p{s, POLLIN, 0};
    char buffer[256];
    while (text.find('\n') == std::string::npos && poll(&p, 1, 2000) > 0) {
      const ssize_t n = read(s, buffer, sizeof buffer);
      if (n <= 0) break;
      text.append(buffer, static_cast<std::size_t>(n));
    }
  }
  close(s);
  return text.substr(0, text.find('\n'));
}

}  // namespace

Rigctld::Rigctld() {
  port_ = FreePort();
  const Child child = Spawn({"rigctld", "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)});
  pid_ = child.pid;
  if (child.out >= 0) close(child.out);  // it writes nothing we need
  for (int i = 0; i < 100 && pid_ > 0 && !ready_; ++i) {
    const int s = Connect(port_);
    ready_ = s >= 0;
    if (s >= 0) close(s);
    if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

Rigctld::~Rigctld() { Stop(); }

void Rigctld::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string Rigctld::Answer(const std::string& command) const {
  // rigctld now and then drops a second client's connection unanswered.
  std::string answer;
  for (int attempt = 0; attempt < 5 && answer.empty(); ++attempt) answer = AskLine(port_, command);
  return answer;
}

double Rigctld::Number(const std::string& command) const {
  try {
    return std::stod(Answer(command));
  } catch (...) {
    return 0;
  }
}

double Rigctld::Frequency() const { return Number("f"); }

double Rigctld::SplitFrequency() const { return Number("i"); }

bool Rigctld::Tune(double hz) const {
  return Answer("F " + std::to_string(static_cast<long long>(hz))) == "RPRT 0";
}

}  // namespace rdz::test
