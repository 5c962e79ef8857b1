#pragma once
#include <string>
#include <sys/types.h>

#include <vector>

namespace rdz::test {

// One of Hamlib's daemons ("rotctld", "rigctld") with its dummy device
// (model 1) on a free port of 127.0.0.1. It is killed with this object, and
// by the kernel if the test process dies first.
class Rotctld {
 public:
  explicit Rotctld(const std::string& program = "rotctld", std::vector<std::string> options = {});
  ~Rotctld();
  Rotctld(const Rotctld&) = delete;
  Rotctld& operator=(const Rotctld&) = delete;

  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  bool ready() const { return ready_; }
  void Stop();
  // Starts it again on the same port, as after a restart; false when it is not up.
  bool Restart();
  // One command on a connection of its own ("p", "F 145000000"); the answer's
  // lines joined by blanks, empty when it did not answer.
  std::string Ask(const std::string& command) const;
  // The numbers in the answer to `command`.
  std::vector<double> Numbers(const std::string& command) const;

 private:
  bool Start();

  std::string program_;
  std::vector<std::string> options_;
  pid_t pid_ = -1;
  int hold_ = -1;
  int port_ = 0;
  bool ready_ = false;
};

// The dummy rig: its current VFO ("f") and split transmit frequency ("i").
// In VFO mode every command names its VFO ("f Sub").
struct Rigctld : Rotctld {
  explicit Rigctld(bool vfoMode = false) : Rotctld("rigctld", vfoMode ? std::vector<std::string>{"-o"} : std::vector<std::string>{}) {}
  double Frequency() const { return First("f"); }
  double SplitFrequency() const { return First("i"); }
  // Turns the dial as a second client would; true when the rig took it.
  bool Tune(double hz) const { return Ask("F " + std::to_string(static_cast<long long>(hz))) == "RPRT 0"; }
  double First(const std::string& command) const {
    const std::vector<double> n = Numbers(command);
    return n.empty() ? 0 : n[0];
  }
};

// Runs a program with its output into a pipe; the child gets SIGKILL if the
// test process dies.
struct Child {
  pid_t pid = -1;
  int out = -1;  // read end of its stdout and stderr
};
Child Spawn(const std::vector<std::string>& argv);
// What the child writes until it closes its output, `seconds` pass or `enough` holds for the text so far.
std::string ReadAll(const Child& child, double seconds, bool (*enough)(const std::string&) = nullptr);
// The child's exit status, or -1 when it did not exit normally.
int WaitExit(const Child& child);
// The numbers among the blank-separated words of `text`.
std::vector<double> NumbersIn(const std::string& text);

}  // namespace rdz::test
