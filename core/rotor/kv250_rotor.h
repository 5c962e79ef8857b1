#pragma once
#include <memory>

#include "core/ports/parallel_port.h"
#include "core/ports/rotor.h"

namespace rdz {

// The KV250 on a parallel port as a rotor: it opens when the port can be
// written, takes positions as command words and cannot tell where it points.
class Kv250Rotor final : public Rotor {
 public:
  explicit Kv250Rotor(std::unique_ptr<ParallelPort> port) : port_(std::move(port)) {}
  DeviceCall Open() override;
  DeviceCall SetPosition(double azimuth, double elevation) override;
  DeviceCall GetPosition(double& azimuth, double& elevation) override;
  bool ReportsPosition() const override { return false; }

 private:
  std::unique_ptr<ParallelPort> port_;
  bool open_ = false;
};

}  // namespace rdz
