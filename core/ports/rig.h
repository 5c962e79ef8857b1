#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/ports/device_model.h"

namespace rdz {

// How a radio is reached: a Hamlib rig model number and its port, a serial
// device (with speed) or host:port for a rigctld.
struct RigConnection {
  int model = 0;
  std::string port;
  int speed = 0;  // serial baud rate; 0 leaves the model's default
  friend bool operator==(const RigConnection&, const RigConnection&) = default;
};

using RigCall = DeviceCall;

// Which of the radio's VFOs a frequency goes to.
enum class RigVfo { Current, A, B, Main, Sub };

// One radio. Every call may block for as long as the far side keeps it, so
// it belongs on a worker thread whose caller keeps the deadline.
class Rig {
 public:
  virtual ~Rig() = default;
  virtual RigCall Open() = 0;
  virtual RigCall SetFrequency(RigVfo vfo, double hz) = 0;
  virtual RigCall GetFrequency(RigVfo vfo, double& hz) = 0;
  // Split: `receive` receives and `transmit` sends.
  virtual RigCall SetSplit(RigVfo receive, RigVfo transmit) = 0;
  // The transmit frequency that goes with `receive` in split.
  virtual RigCall SetSplitFrequency(RigVfo receive, double hz) = 0;
  // Whether the library has a mode of this name ("USB", "PKTFM"); asks nothing of the radio.
  virtual bool KnowsMode(const std::string& mode) const = 0;
  // A mode with the radio's usual filter for it.
  virtual RigCall SetMode(RigVfo vfo, const std::string& mode) = 0;
  // The transmit mode that goes with `receive` in split.
  virtual RigCall SetSplitMode(RigVfo receive, const std::string& mode) = 0;
  // The CTCSS tone sent on `vfo`, in tenths of a hertz.
  virtual RigCall SetTone(RigVfo vfo, int tenthsHz) = 0;
  // The radio's own satellite mode (both VFOs in use at once), on or off.
  virtual RigCall SetSatelliteMode(bool on) = 0;
};

using RigModel = DeviceModel;

// Makes radios and lists the models that can be made.
class RigLibrary {
 public:
  virtual ~RigLibrary() = default;
  // Not opened yet; nothing when the model is unknown.
  virtual std::unique_ptr<Rig> Make(const RigConnection& connection, int timeoutMs) = 0;
  virtual std::vector<RigModel> Models() = 0;
  // The model's name as the library gives it; empty when unknown.
  virtual std::string ModelName(int model) = 0;
};

}  // namespace rdz
