#pragma once
#include "core/ports/rig.h"

namespace rdz {

// Radios through the Hamlib library: every model it knows, opened on a serial
// device or (model 2) a rigctld at host:port.
class HamlibRigLibrary final : public RigLibrary {
 public:
  std::unique_ptr<Rig> Make(const RigConnection& connection, int timeoutMs) override;
  // Sorted by maker, then name.
  std::vector<RigModel> Models() override;
  std::string ModelName(int model) override;
};

}  // namespace rdz
