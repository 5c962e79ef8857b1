#pragma once
#include "core/ports/rotor.h"

namespace rdz {

// Rotors through the Hamlib library: every model it knows, opened on a serial
// device, a parallel port or (model 2) a rotctld at host:port.
class HamlibRotorLibrary final : public RotorLibrary {
 public:
  std::unique_ptr<Rotor> Make(const RotorConnection& connection, int timeoutMs) override;
  // Sorted by maker, then name.
  std::vector<RotorModel> Models() override;
  std::string ModelName(int model) override;
};

}  // namespace rdz
