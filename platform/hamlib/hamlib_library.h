#pragma once
#include "core/ports/rig.h"
#include "core/ports/rotor.h"

namespace rdz {

// Radios through the Hamlib library: every model it knows, opened on a serial
// device or (model 2) a rigctld at host:port.
class HamlibRigLibrary final : public RigLibrary {
 public:
  std::unique_ptr<Rig> Make(const DeviceAddress& address, int timeoutMs) override;
  std::vector<DeviceModel> Models() override;
  std::string ModelName(int model) override;
};

// Rotors through the Hamlib library: every model it knows, opened on a serial
// device, a parallel port or (model 2) a rotctld at host:port.
class HamlibRotorLibrary final : public RotorLibrary {
 public:
  std::unique_ptr<Rotor> Make(const DeviceAddress& address, int timeoutMs) override;
  std::vector<DeviceModel> Models() override;
  std::string ModelName(int model) override;
};

}  // namespace rdz
