#include "core/rigctld.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "core/rotctld.h"

namespace rdz::test {

Rigctld::Rigctld() {
  port_ = FreePort();
  const Child child = Spawn({"rigctld", "-m", "1", "-o", "-T", "127.0.0.1", "-t", std::to_string(port_)});
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

double Rigctld::Frequency(const std::string& vfo) const {
  try {
    return std::stod(Ask(port_, "f " + vfo));
  } catch (...) {
    return 0;
  }
}

bool Rigctld::Tune(const std::string& vfo, double hz) const {
  return Ask(port_, "F " + vfo + " " + std::to_string(static_cast<long long>(hz))) == "RPRT 0";
}

}  // namespace rdz::test
