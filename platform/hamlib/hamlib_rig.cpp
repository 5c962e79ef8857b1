#include "platform/hamlib/hamlib_rig.h"

#include <hamlib/rig.h>

#include <cmath>
#include <mutex>

#include "platform/hamlib/hamlib_common.h"

namespace rdz {

namespace {

RigCall Failed(int code) { return {false, hamlib::ErrorText(code, "rig")}; }

RigCall Result(int code) { return code == RIG_OK ? RigCall{} : Failed(code); }

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
  HamlibRig(RIG* rig, RigConnection connection, int timeoutMs)
      : rig_(rig), connection_(std::move(connection)), timeoutMs_(timeoutMs) {}
  ~HamlibRig() override {
    if (open_) rig_close(rig_);
    rig_cleanup(rig_);
  }
  HamlibRig(const HamlibRig&) = delete;
  HamlibRig& operator=(const HamlibRig&) = delete;

  RigCall Open() override {
    if (open_) return {};
    if (RigCall c = Set("rig_pathname", connection_.port); !c.ok) return c;
    if (connection_.speed > 0) {
      if (RigCall c = Set("serial_speed", std::to_string(connection_.speed)); !c.ok) return c;
    }
    // One try per call within the limit: the caller counts failures itself.
    Set("timeout", std::to_string(timeoutMs_));
    Set("retry", "0");
    const int code = rig_open(rig_);
    open_ = code == RIG_OK;
    // The dial is read to see the operator's hand: never from Hamlib's cache.
    if (open_) rig_set_cache_timeout_ms(rig_, HAMLIB_CACHE_ALL, 0);
    return Result(code);
  }

  RigCall SetFrequency(RigVfo vfo, double hz) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_freq(rig_, HamlibVfo(vfo), hz));
  }

  RigCall GetFrequency(RigVfo vfo, double& hz) override {
    if (!open_) return {false, "rig not open"};
    freq_t f = 0;
    const int code = rig_get_freq(rig_, HamlibVfo(vfo), &f);
    if (code != RIG_OK) return Failed(code);
    if (!std::isfinite(f) || f <= 0) return {false, "rig answered no frequency"};
    hz = f;
    return {};
  }

  RigCall SetSplit(RigVfo receive, RigVfo transmit) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_split_vfo(rig_, HamlibVfo(receive), RIG_SPLIT_ON, HamlibVfo(transmit)));
  }

  RigCall SetSplitFrequency(RigVfo receive, double hz) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_split_freq(rig_, HamlibVfo(receive), hz));
  }

  bool KnowsMode(const std::string& mode) const override { return rig_parse_mode(mode.c_str()) != RIG_MODE_NONE; }

  RigCall SetMode(RigVfo vfo, const std::string& mode) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_mode(rig_, HamlibVfo(vfo), rig_parse_mode(mode.c_str()), RIG_PASSBAND_NORMAL));
  }

  RigCall SetSplitMode(RigVfo receive, const std::string& mode) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_split_mode(rig_, HamlibVfo(receive), rig_parse_mode(mode.c_str()), RIG_PASSBAND_NORMAL));
  }

  RigCall SetTone(RigVfo vfo, int tenthsHz) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_ctcss_tone(rig_, HamlibVfo(vfo), static_cast<tone_t>(tenthsHz)));
  }

  RigCall SetSatelliteMode(bool on) override {
    if (!open_) return {false, "rig not open"};
    return Result(rig_set_func(rig_, RIG_VFO_CURR, RIG_FUNC_SATMODE, on ? 1 : 0));
  }

 private:
  RigCall Set(const char* name, const std::string& value) {
    const token_t token = rig_token_lookup(rig_, name);
    if (token == RIG_CONF_END) return {false, std::string("rig has no setting ") + name};
    return Result(rig_set_conf(rig_, token, value.c_str()));
  }

  RIG* rig_;
  RigConnection connection_;
  int timeoutMs_;
  bool open_ = false;
};

int AddModel(const rig_caps* caps, rig_ptr_t data) {
  auto* models = static_cast<std::vector<RigModel>*>(data);
  models->push_back({static_cast<int>(caps->rig_model), caps->mfg_name ? caps->mfg_name : "",
                     caps->model_name ? caps->model_name : ""});
  return 1;  // go on
}

}  // namespace

std::unique_ptr<Rig> HamlibRigLibrary::Make(const RigConnection& connection, int timeoutMs) {
  hamlib::PrepareOnce();
  std::lock_guard lock(hamlib::SharedState());
  RIG* rig = rig_init(static_cast<rig_model_t>(connection.model));
  if (rig == nullptr) return nullptr;
  return std::make_unique<HamlibRig>(rig, connection, timeoutMs);
}

std::string HamlibRigLibrary::ModelName(int model) {
  hamlib::PrepareOnce();
  std::lock_guard lock(hamlib::SharedState());
  rig_check_backend(static_cast<rig_model_t>(model));
  const rig_caps* caps = rig_get_caps(static_cast<rig_model_t>(model));
  return caps != nullptr && caps->model_name != nullptr ? caps->model_name : "";
}

std::vector<RigModel> HamlibRigLibrary::Models() {
  hamlib::PrepareOnce();
  std::vector<RigModel> models;
  {
    std::lock_guard lock(hamlib::SharedState());
    rig_load_all_backends();
    rig_list_foreach(&AddModel, &models);
  }
  hamlib::SortModels(models);
  return models;
}

}  // namespace rdz
