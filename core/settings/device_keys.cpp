#include "core/settings/device_keys.h"

namespace rdz {

std::optional<DeviceAddress> ReadDeviceAddress(std::string_view value) {
  const std::vector<std::string> words = Words(value);
  if (words.size() < 2) return std::nullopt;
  const auto model = WholeDigits(words[0], 999999);
  if (!model) return std::nullopt;
  DeviceAddress a{*model, words[1], 0};
  if (words.size() > 2) a.speed = WholeDigits(words[2], 10000000).value_or(0);
  return a;
}

std::string DeviceAddressText(const DeviceAddress& a) {
  std::string text = std::to_string(a.model) + " " + a.port;
  if (a.speed > 0) text += " " + std::to_string(a.speed);
  return text;
}

}  // namespace rdz
