#include "core/rotor/kv250_rotor.h"

#include "core/rotor/kv250.h"

namespace rdz {

DeviceCall Kv250Rotor::Open() {
  std::string reason = port_ ? port_->Unusable() : "no parallel port";
  open_ = reason.empty();
  return {open_, std::move(reason)};
}

DeviceCall Kv250Rotor::SetPosition(double azimuth, double elevation) {
  if (!open_) return {false, "port not open"};
  SendTracker(azimuth, elevation, *port_);
  return {};
}

DeviceCall Kv250Rotor::GetPosition(double&, double&) { return {false, "the KV250 cannot tell its position"}; }

}  // namespace rdz
