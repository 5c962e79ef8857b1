#include "platform/hamlib/hamlib_rotor.h"

#include <hamlib/rotator.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <tuple>

namespace rdz {

namespace {

// Hamlib's backend registry is shared by every handle; loading backends and
// walking the list must not overlap.
std::mutex& Registry() {
  static std::mutex m;
  return m;
}

void QuietOnce() {
  static std::once_flag once;
  std::call_once(once, [] { rig_set_debug(RIG_DEBUG_NONE); });
}

// Hamlib's text for an error code. rigerror in 4.5 appends its debug buffer
// and every earlier message; rigerror2 gives the one message, in a shared buffer.
RotorCall Failed(int code) {
  static std::mutex buffer;
  std::string text;
  {
    std::lock_guard lock(buffer);
    const char* message = rigerror2(code);
    text = message != nullptr ? message : "";
  }
  text = text.substr(0, text.find('\n'));
  return {false, text.empty() ? "rotor error " + std::to_string(code) : text};
}

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
  QuietOnce();
  std::lock_guard lock(Registry());
  ROT* rot = rot_init(static_cast<rot_model_t>(connection.model));
  if (rot == nullptr) return nullptr;
  return std::make_unique<HamlibRotor>(rot, connection, timeoutMs);
}

std::vector<RotorModel> HamlibRotorLibrary::Models() {
  QuietOnce();
  std::vector<RotorModel> models;
  {
    std::lock_guard lock(Registry());
    rot_load_all_backends();
    rot_list_foreach(&AddModel, &models);
  }
  std::sort(models.begin(), models.end(), [](const RotorModel& a, const RotorModel& b) {
    return std::tie(a.maker, a.name, a.model) < std::tie(b.maker, b.name, b.model);
  });
  return models;
}

}  // namespace rdz
