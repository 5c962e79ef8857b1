#pragma once
#include <string>

#include "core/rotctld.h"

namespace rdz::test {

// Hamlib's rigctld with the dummy rig (model 1) on a free port of 127.0.0.1,
// started and ended like the rotctld.
class Rigctld : public Rotctld {
 public:
  Rigctld() : Rotctld("", "rigctld") {}
  // The current VFO's frequency ("f") and the split transmit frequency ("i")
  // in Hz, 0 without an answer.
  double Frequency() const;
  double SplitFrequency() const;
  // Turns the dial as a second client would ("F"); true when the rig took it.
  bool Tune(double hz) const;
};

}  // namespace rdz::test
