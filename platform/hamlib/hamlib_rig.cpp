#include <cmath>

#include "platform/hamlib/hamlib_device.h"
#include "platform/hamlib/hamlib_library.h"

namespace rdz {

namespace {

vfo_t HamlibVfo(RigVfo vfo) {
  switch (vfo) {
    case RigVfo::A: return RIG_VFO_A;
    case RigVfo::B: return RIG_VFO_B;
    case RigVfo::Main: return RIG_VFO_MAIN;
    case RigVfo::Sub: return RIG_VFO_SUB;
    case RigVfo::Current: break;
  }
  return RIG_VFO_CURR;
}

class HamlibRig final : public Rig {
 public:
  HamlibRig(RIG* rig, DeviceAddress address, int timeoutMs) : rig_(hamlib::kRig, rig, std::move(address), timeoutMs) {}

  DeviceCall Open() override {
    DeviceCall call = rig_.Open();
    // The dial is read to see the operator's hand: never from Hamlib's cache.
    if (call.ok) rig_.Do([](RIG* r) { return rig_set_cache_timeout_ms(r, HAMLIB_CACHE_ALL, 0); });
    return call;
  }

  DeviceCall SetFrequency(RigVfo vfo, double hz) override {
    return rig_.Do([&](RIG* r) { return rig_set_freq(r, HamlibVfo(vfo), hz); });
  }

  DeviceCall GetFrequency(RigVfo vfo, double& hz) override {
    freq_t f = 0;
    const DeviceCall call = rig_.Do([&](RIG* r) { return rig_get_freq(r, HamlibVfo(vfo), &f); });
    if (!call.ok) return call;
    if (!std::isfinite(f) || f <= 0) return {false, "rig answered no frequency"};
    hz = f;
    return {};
  }

  DeviceCall SetSplit(RigVfo receive, RigVfo transmit) override {
    return rig_.Do([&](RIG* r) { return rig_set_split_vfo(r, HamlibVfo(receive), RIG_SPLIT_ON, HamlibVfo(transmit)); });
  }

  DeviceCall SetSplitFrequency(RigVfo receive, double hz) override {
    return rig_.Do([&](RIG* r) { return rig_set_split_freq(r, HamlibVfo(receive), hz); });
  }

  bool KnowsMode(const std::string& mode) const override { return rig_parse_mode(mode.c_str()) != RIG_MODE_NONE; }

  DeviceCall SetMode(RigVfo vfo, const std::string& mode) override {
    return rig_.Do(
        [&](RIG* r) { return rig_set_mode(r, HamlibVfo(vfo), rig_parse_mode(mode.c_str()), RIG_PASSBAND_NORMAL); });
  }

  DeviceCall SetSplitMode(RigVfo receive, const std::string& mode) override {
    return rig_.Do([&](RIG* r) {
      return rig_set_split_mode(r, HamlibVfo(receive), rig_parse_mode(mode.c_str()), RIG_PASSBAND_NORMAL);
    });
  }

  DeviceCall SetTone(RigVfo vfo, int tenthsHz) override {
    return rig_.Do([&](RIG* r) { return rig_set_ctcss_tone(r, HamlibVfo(vfo), static_cast<tone_t>(tenthsHz)); });
  }

  DeviceCall SetSatelliteMode(bool on) override {
    return rig_.Do([&](RIG* r) { return rig_set_func(r, RIG_VFO_CURR, RIG_FUNC_SATMODE, on ? 1 : 0); });
  }

 private:
  hamlib::Device<RIG, rig_caps, rig_model_t> rig_;
};

}  // namespace

std::unique_ptr<Rig> HamlibRigLibrary::Make(const DeviceAddress& address, int timeoutMs) {
  RIG* rig = hamlib::Init(hamlib::kRig, address.model);
  return rig ? std::make_unique<HamlibRig>(rig, address, timeoutMs) : nullptr;
}

std::vector<DeviceModel> HamlibRigLibrary::Models() { return hamlib::Models(hamlib::kRig); }

std::string HamlibRigLibrary::ModelName(int model) { return hamlib::ModelName(hamlib::kRig, model); }

}  // namespace rdz
