#pragma once
#include "core/ports/device.h"

namespace rdz {

// One rotor. Every call may block for as long as the far side keeps it
// (a time limit of the connection does not always hold), so it belongs on a
// worker thread whose caller keeps the deadline.
class Rotor {
 public:
  virtual ~Rotor() = default;
  virtual DeviceCall Open() = 0;
  // Azimuth in compass degrees on the rotor's own scale, elevation in degrees.
  virtual DeviceCall SetPosition(double azimuth, double elevation) = 0;
  // A position that cannot be read or understood is a failure.
  virtual DeviceCall GetPosition(double& azimuth, double& elevation) = 0;
  // False for a rotor that cannot tell where it points.
  virtual bool ReportsPosition() const { return true; }
};

using RotorLibrary = DeviceLibrary<Rotor>;

}  // namespace rdz
