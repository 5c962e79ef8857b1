#pragma once
#include <string>
#include <sys/types.h>

namespace rdz::test {

// Hamlib's rigctld with the dummy rig (model 1) on a free port of 127.0.0.1.
// It is killed with this object, and by the kernel if the test process dies first.
class Rigctld {
 public:
  Rigctld();
  ~Rigctld();
  Rigctld(const Rigctld&) = delete;
  Rigctld& operator=(const Rigctld&) = delete;

  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  bool ready() const { return ready_; }
  void Stop();
  // The current VFO's frequency ("f") and the split transmit frequency
  // ("i") in Hz, 0 when there is no answer.
  double Frequency() const;
  double SplitFrequency() const;
  // Turns the dial as a second client would ("F"); true when the rig took it.
  bool Tune(double hz) const;

 private:
  std::string Answer(const std::string& command) const;
  double Number(const std::string& command) const;

  pid_t pid_ = -1;
  int port_ = 0;
  bool ready_ = false;
};

}  // namespace rdz::test
