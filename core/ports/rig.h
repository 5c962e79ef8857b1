#pragma once
#include <string>

#include "core/ports/device.h"

namespace rdz {

// Which of the radio's VFOs a frequency goes to.
enum class RigVfo { Current, A, B, Main, Sub };

// One radio. Every call may block for as long as the far side keeps it, so
// it belongs on a worker thread whose caller keeps the deadline.
class Rig {
 public:
  virtual ~Rig() = default;
  virtual DeviceCall Open() = 0;
  virtual DeviceCall SetFrequency(RigVfo vfo, double hz) = 0;
  virtual DeviceCall GetFrequency(RigVfo vfo, double& hz) = 0;
  // Split: `receive` receives and `transmit` sends.
  virtual DeviceCall SetSplit(RigVfo receive, RigVfo transmit) = 0;
  // The transmit frequency that goes with `receive` in split.
  virtual DeviceCall SetSplitFrequency(RigVfo receive, double hz) = 0;
  // Whether the library has a mode of this name ("USB", "PKTFM"); asks nothing of the radio.
  virtual bool KnowsMode(const std::string& mode) const = 0;
  // A mode with the radio's usual filter for it.
  virtual DeviceCall SetMode(RigVfo vfo, const std::string& mode) = 0;
  // The transmit mode that goes with `receive` in split.
  virtual DeviceCall SetSplitMode(RigVfo receive, const std::string& mode) = 0;
  // The CTCSS tone sent on `vfo`, in tenths of a hertz.
  virtual DeviceCall SetTone(RigVfo vfo, int tenthsHz) = 0;
  // The radio's own satellite mode (both VFOs in use at once), on or off.
  virtual DeviceCall SetSatelliteMode(bool on) = 0;
};

using RigLibrary = DeviceLibrary<Rig>;

}  // namespace rdz
