#pragma once
#include <string>
#include <sys/types.h>

#include <vector>

namespace rdz::test {

// Hamlib's rotctld with the dummy rotor (model 1) on a free port of
// 127.0.0.1. It is killed with this object, and by the kernel if the test
// process dies first.
class Rotctld {
 public:
  // `config`: rotctld's -C settings, e.g. "min_az=0,max_az=360,max_el=180".
  // `program`: "rigctld" starts the dummy rig the same way.
  explicit Rotctld(const std::string& config = "", const std::string& program = "rotctld");
  ~Rotctld();
  Rotctld(const Rotctld&) = delete;
  Rotctld& operator=(const Rotctld&) = delete;

  int port() const { return port_; }
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  bool ready() const { return ready_; }
  void Stop();
  // Starts it again on the same port, as after a restart; false when it is not up.
  bool Restart();
  // SIGSTOP/SIGCONT: a daemon that hangs and comes back.
  void Pause(bool paused) const;
  // One command on a connection of its own ("p", "P 10 20"); the answer's
  // lines joined by blanks, empty when it did not answer.
  std::string Ask(const std::string& command) const;

 private:
  bool Start();

  std::string config_, program_;
  pid_t pid_ = -1;
  int port_ = 0;
  bool ready_ = false;
};

// A connection to a port of 127.0.0.1; -1 when refused.
int Connect(int port);

// Runs a program with its output into a pipe; the child gets SIGKILL if the
// test process dies.
struct Child {
  pid_t pid = -1;
  int out = -1;  // read end of its stdout and stderr
};
Child Spawn(const std::vector<std::string>& argv);
// Everything the child writes until it closes its output or `seconds` pass.
std::string ReadAll(const Child& child, double seconds);
// The child's exit status, or -1 when it did not exit normally.
int WaitExit(const Child& child);

}  // namespace rdz::test
