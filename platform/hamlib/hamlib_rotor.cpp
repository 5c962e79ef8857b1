#include <cmath>

#include "platform/hamlib/hamlib_device.h"
#include "platform/hamlib/hamlib_library.h"
#include "platform/hamlib/rotctld_rotor.h"

namespace rdz {

namespace {

class HamlibRotor final : public Rotor {
 public:
  HamlibRotor(ROT* rot, DeviceAddress address, int timeoutMs)
      : rot_(hamlib::kRotor, rot, std::move(address), timeoutMs) {}

  DeviceCall Open() override { return rot_.Open(); }

  DeviceCall SetPosition(double azimuth, double elevation) override {
    return rot_.Do([&](ROT* r) {
      return rot_set_position(r, static_cast<azimuth_t>(azimuth), static_cast<elevation_t>(elevation));
    });
  }

  DeviceCall GetPosition(double& azimuth, double& elevation) override {
    azimuth_t az = 0;
    elevation_t el = 0;
    const DeviceCall call = rot_.Do([&](ROT* r) { return rot_get_position(r, &az, &el); });
    if (!call.ok) return call;
    if (!std::isfinite(az) || !std::isfinite(el)) return {false, "rotor answered no position"};
    azimuth = az;
    elevation = el;
    return {};
  }

 private:
  hamlib::Device<ROT, rot_caps, rot_model_t> rot_;
};

}  // namespace

std::unique_ptr<Rotor> HamlibRotorLibrary::Make(const DeviceAddress& address, int timeoutMs) {
  // Hamlib's own network rotor takes any answer to `p` as a position.
  if (address.model == ROT_MODEL_NETROTCTL) return MakeRotctldRotor(address.port, timeoutMs);
  ROT* rot = hamlib::Init(hamlib::kRotor, address.model);
  return rot ? std::make_unique<HamlibRotor>(rot, address, timeoutMs) : nullptr;
}

std::vector<DeviceModel> HamlibRotorLibrary::Models() { return hamlib::Models(hamlib::kRotor); }

std::string HamlibRotorLibrary::ModelName(int model) { return hamlib::ModelName(hamlib::kRotor, model); }

}  // namespace rdz
