#include "platform/hamlib/hamlib_rotor.h"

#include <hamlib/rotator.h>

#include <cmath>
#include <mutex>

#include "platform/hamlib/hamlib_common.h"
#include "platform/hamlib/rotctld_rotor.h"

namespace rdz {

namespace {

RotorCall Failed(int code) { return {false, hamlib::ErrorText(code, "rotor")}; }

RotorCall Result(int code) { return code == RIG_OK ? RotorCall{} : Failed(code); }

class HamlibRotor final : public Rotor {
 public:
  HamlibRotor(ROT* rot, RotorConnection connection, int timeoutMs)
      : rot_(rot), connection_(std::move(connection)), timeoutMs_(timeoutMs) {}
  ~HamlibRotor() override {
    if (open_) rot_close(rot_);
    rot_cleanup(rot_);
  }
  HamlibRotor(const HamlibRotor&) = delete;
  HamlibRotor& operator=(const HamlibRotor&) = delete;

  RotorCall Open() override {
    if (open_) return {};
    if (RotorCall c = Set("rot_pathname", connection_.port); !c.ok) return c;
    if (connection_.speed > 0) {
      if (RotorCall c = Set("serial_speed", std::to_string(connection_.speed)); !c.ok) return c;
    }
    // One try per call within the limit: the caller counts failures itself.
    Set("timeout", std::to_string(timeoutMs_));
    Set("retry", "0");
    const int code = rot_open(rot_);
    open_ = code == RIG_OK;
    return Result(code);
  }

  RotorCall SetPosition(double azimuth, double elevation) override {
    if (!open_) return {false, "rotor not open"};
    return Result(rot_set_position(rot_, static_cast<azimuth_t>(azimuth), static_cast<elevation_t>(elevation)));
  }

  RotorCall GetPosition(double& azimuth, double& elevation) override {
    if (!open_) return {false, "rotor not open"};
    azimuth_t az = 0;
    elevation_t el = 0;
    const int code = rot_get_position(rot_, &az, &el);
    if (code != RIG_OK) return Failed(code);
    if (!std::isfinite(az) || !std::isfinite(el)) return {false, "rotor answered no position"};
    azimuth = az;
    elevation = el;
    return {};
  }

 private:
  RotorCall Set(const char* name, const std::string& value) {
    const token_t token = rot_token_lookup(rot_, name);
    if (token == RIG_CONF_END) return {false, std::string("rotor has no setting ") + name};
    return Result(rot_set_conf(rot_, token, value.c_str()));
  }

  ROT* rot_;
  RotorConnection connection_;
  int timeoutMs_;
  bool open_ = false;
};

int AddModel(const rot_caps* caps, rig_ptr_t data) {
  auto* models = static_cast<std::vector<RotorModel>*>(data);
  models->push_back({static_cast<int>(caps->rot_model), caps->mfg_name ? caps->mfg_name : "",
                     caps->model_name ? caps->model_name : ""});
  return 1;  // go on
}

}  // namespace

std::unique_ptr<Rotor> HamlibRotorLibrary::Make(const RotorConnection& connection, int timeoutMs) {
  // Hamlib's own network rotor takes any answer to `p` as a position.
  if (connection.model == ROT_MODEL_NETROTCTL) return MakeRotctldRotor(connection.port, timeoutMs);
  hamlib::PrepareOnce();
  std::lock_guard lock(hamlib::SharedState());
  ROT* rot = rot_init(static_cast<rot_model_t>(connection.model));
  if (rot == nullptr) return nullptr;
  return std::make_unique<HamlibRotor>(rot, connection, timeoutMs);
}

std::string HamlibRotorLibrary::ModelName(int model) {
  hamlib::PrepareOnce();
  std::lock_guard lock(hamlib::SharedState());
  rot_check_backend(static_cast<rot_model_t>(model));
  const rot_caps* caps = rot_get_caps(static_cast<rot_model_t>(model));
  return caps != nullptr && caps->model_name != nullptr ? caps->model_name : "";
}

std::vector<RotorModel> HamlibRotorLibrary::Models() {
  hamlib::PrepareOnce();
  std::vector<RotorModel> models;
  {
    std::lock_guard lock(hamlib::SharedState());
    rot_load_all_backends();
    rot_list_foreach(&AddModel, &models);
  }
  hamlib::SortModels(models);
  return models;
}

}  // namespace rdz
