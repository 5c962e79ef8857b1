#pragma once
#include <hamlib/rotator.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/ports/device.h"
#include "platform/hamlib/hamlib_common.h"

namespace rdz::hamlib {

// What the rig and the rotator halves of Hamlib name differently.
template <class Handle, class Caps, class Model>
struct Api {
  const char* device;    // "rig" or "rotor", in messages
  const char* pathname;  // the setting that names the port
  Handle* (*init)(Model);
  int (*open)(Handle*);
  int (*close)(Handle*);
  int (*cleanup)(Handle*);
  token_t (*token)(Handle*, const char*);
  int (*setConf)(Handle*, token_t, const char*);
  int (*loadAll)();
  int (*forEach)(int (*)(const Caps*, rig_ptr_t), rig_ptr_t);
  int (*checkBackend)(Model);
  const Caps* (*caps)(Model);
  Model Caps::*model;
};

inline constexpr Api<RIG, rig_caps, rig_model_t> kRig{
    "rig",        "rig_pathname",    rig_init, rig_open,          rig_close,         rig_cleanup,  rig_token_lookup,
    rig_set_conf, rig_load_all_backends, rig_list_foreach, rig_check_backend, rig_get_caps, &rig_caps::rig_model};
inline constexpr Api<ROT, rot_caps, rot_model_t> kRotor{
    "rotor",      "rot_pathname",    rot_init, rot_open,          rot_close,         rot_cleanup,  rot_token_lookup,
    rot_set_conf, rot_load_all_backends, rot_list_foreach, rot_check_backend, rot_get_caps, &rot_caps::rot_model};

// One rig or rotator handle on its port, closed and freed when it goes.
template <class Handle, class Caps, class Model>
class Device {
 public:
  using A = Api<Handle, Caps, Model>;
  Device(const A& api, Handle* handle, DeviceAddress address, int timeoutMs)
      : api_(api), handle_(handle), address_(std::move(address)), timeoutMs_(timeoutMs) {}
  ~Device() {
    if (open_) api_.close(handle_);
    api_.cleanup(handle_);
  }
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  DeviceCall Open() {
    if (open_) return {};
    if (DeviceCall c = Set(api_.pathname, address_.port); !c.ok) return c;
    if (address_.speed > 0) {
      if (DeviceCall c = Set("serial_speed", std::to_string(address_.speed)); !c.ok) return c;
    }
    // One try per call within the limit: the caller counts failures itself.
    Set("timeout", std::to_string(timeoutMs_));
    Set("retry", "0");
    const int code = api_.open(handle_);
    open_ = code == RIG_OK;
    return Result(code);
  }

  // `call` on the open handle, as Hamlib's code says it went.
  template <class Call>
  DeviceCall Do(Call call) {
    if (!open_) return {false, std::string(api_.device) + " not open"};
    return Result(call(handle_));
  }
  DeviceCall Result(int code) const {
    return code == RIG_OK ? DeviceCall{} : DeviceCall{false, ErrorText(code, api_.device)};
  }

 private:
  DeviceCall Set(const char* name, const std::string& value) {
    const token_t token = api_.token(handle_, name);
    if (token == RIG_CONF_END) return {false, std::string(api_.device) + " has no setting " + name};
    return Result(api_.setConf(handle_, token, value.c_str()));
  }

  const A& api_;
  Handle* handle_;
  DeviceAddress address_;
  int timeoutMs_;
  bool open_ = false;
};

// A new handle for the model; nothing when Hamlib knows none.
template <class Handle, class Caps, class Model>
Handle* Init(const Api<Handle, Caps, Model>& api, int model) {
  PrepareOnce();
  std::lock_guard lock(SharedState());
  return api.init(static_cast<Model>(model));
}

template <class Handle, class Caps, class Model>
std::string ModelName(const Api<Handle, Caps, Model>& api, int model) {
  PrepareOnce();
  std::lock_guard lock(SharedState());
  api.checkBackend(static_cast<Model>(model));
  const Caps* caps = api.caps(static_cast<Model>(model));
  return caps != nullptr && caps->model_name != nullptr ? caps->model_name : "";
}

// Every model, by maker, then name, then number, as the dialogs list them.
template <class Handle, class Caps, class Model>
std::vector<DeviceModel> Models(const Api<Handle, Caps, Model>& api) {
  PrepareOnce();
  struct Found {
    const Api<Handle, Caps, Model>& api;
    std::vector<DeviceModel> models;
  } found{api, {}};
  {
    std::lock_guard lock(SharedState());
    api.loadAll();
    api.forEach(
        [](const Caps* caps, rig_ptr_t data) {
          auto& f = *static_cast<Found*>(data);
          f.models.push_back({static_cast<int>(caps->*f.api.model), caps->mfg_name ? caps->mfg_name : "",
                              caps->model_name ? caps->model_name : ""});
          return 1;  // go on
        },
        &found);
  }
  std::sort(found.models.begin(), found.models.end(), [](const DeviceModel& a, const DeviceModel& b) {
    return std::tie(a.maker, a.name, a.model) < std::tie(b.maker, b.name, b.model);
  });
  return found.models;
}

}  // namespace rdz::hamlib
