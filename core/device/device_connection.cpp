#include "core/device/device_connection.h"

#include <algorithm>

namespace rdz {

std::chrono::milliseconds ReconnectPause(int attempts) {
  // 1, 2, 4, 8 s, then 10 s.
  const int shift = std::clamp(attempts - 1, 0, 4);
  return std::min(std::chrono::milliseconds(1000 << shift), std::chrono::milliseconds(10000));
}

std::string DeviceStatus(std::string_view device, DeviceState state, const std::string& error, int model,
                         const std::string& nameAndPort, bool& fine) {
  const std::string start = std::string(device) + ": ";
  fine = state != DeviceState::Unknown && error.empty();
  if (state == DeviceState::Unknown) return start + "Hamlib knows no " + std::string(device) + " model " + std::to_string(model);
  if (!error.empty()) return start + "reconnecting (" + error + ")";
  return start + nameAndPort + (state == DeviceState::Open ? "" : " connecting");
}

}  // namespace rdz
