#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/ports/device_model.h"

namespace rdz {

// How a rotor is reached: a Hamlib model number and its port, which is a
// serial device (with speed), a parallel port, or host:port for a rotctld.
struct RotorConnection {
  int model = 0;
  std::string port;
  int speed = 0;  // serial baud rate; 0 leaves the model's default
  friend bool operator==(const RotorConnection&, const RotorConnection&) = default;
};

using RotorCall = DeviceCall;

// One rotor. Every call may block for as long as the far side keeps it
// (a time limit of the connection does not always hold), so it belongs on a
// worker thread whose caller keeps the deadline.
class Rotor {
 public:
  virtual ~Rotor() = default;
  virtual RotorCall Open() = 0;
  // Azimuth in compass degrees on the rotor's own scale, elevation in degrees.
  virtual RotorCall SetPosition(double azimuth, double elevation) = 0;
  // A position that cannot be read or understood is a failure.
  virtual RotorCall GetPosition(double& azimuth, double& elevation) = 0;
  // False for a rotor that cannot tell where it points.
  virtual bool ReportsPosition() const { return true; }
};

using RotorModel = DeviceModel;

// Makes rotors and lists the models that can be made.
class RotorLibrary {
 public:
  virtual ~RotorLibrary() = default;
  // Not opened yet; nothing when the model is unknown.
  virtual std::unique_ptr<Rotor> Make(const RotorConnection& connection, int timeoutMs) = 0;
  virtual std::vector<RotorModel> Models() = 0;
  // The model's name as the library gives it; empty when unknown.
  virtual std::string ModelName(int model) = 0;
};

}  // namespace rdz
