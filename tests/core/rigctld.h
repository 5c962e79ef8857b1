#pragma once
#include <string>
#include <sys/types.h>

namespace rdz::test {

// Hamlib's rigctld with the dummy rig (model 1) on a free port of 127.0.0.1,
// in VFO mode so that each VFO can be named ("f VFOB"). It is killed with
// this object, and by the kernel if the test process dies first.
class Rigctld {
 public:
  Rigctld();
  ~Rigctld();
  Rigctld(const Rigctld&) = delete;
  Rigctld& operator=(const Rigctld&) = delete;

  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  bool ready() const { return ready_; }
  void Stop();
  // The frequency of a VFO ("VFOA") in Hz, 0 when there is no answer.
  double Frequency(const std::string& vfo) const;
  // Turns a VFO's dial as a second client would; true when the rig took it.
  bool Tune(const std::string& vfo, double hz) const;

 private:
  pid_t pid_ = -1;
  int port_ = 0;
  bool ready_ = false;
};

}  // namespace rdz::test
