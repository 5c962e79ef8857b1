#pragma once
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_file.h"
#include "core/ports/device.h"
#include "core/settings/keyed_lines.h"

namespace rdz {

// One config.txt key of a device ("ROTORMAXEL = "): how its value is read
// into `Config` (a value that makes no sense keeps what is there), and the
// value `Config` writes (empty: no line).
template <class Config>
struct DeviceKey {
  std::string_view key;
  void (*read)(std::string_view value, Config& into);
  std::string (*value)(const Config& config);
};

// The keys of config lines in their order; the last line of a key wins.
template <class Config>
void ReadDeviceKeys(const std::vector<std::string>& lines, std::span<const DeviceKey<Config>> keys, Config& into) {
  for (const std::string& line : lines) {
    for (const DeviceKey<Config>& k : keys) {
      if (line.starts_with(k.key)) k.read(std::string_view(line).substr(k.key.size()), into);
    }
  }
}

// The file's bytes with the keys set to `config`, every other line kept byte
// for byte; without the device (`inUse` false) only the first key, which
// names it, is rewritten and the settings stay for next time.
template <class Config>
std::string WithDeviceKeys(std::string_view bytes, std::span<const DeviceKey<Config>> keys, const Config& config,
                           bool inUse) {
  std::vector<std::string_view> names;
  for (const DeviceKey<Config>& k : keys) names.push_back(k.key);
  return WithKeyedLines(
      bytes, names,
      [&](std::string_view key) {
        for (const DeviceKey<Config>& k : keys) {
          if (k.key != key) continue;
          const std::string value = k.value(config);
          return value.empty() ? value : std::string(key) + value;
        }
        return std::string();
      },
      [&](std::string_view key) { return inUse || key == keys.front().key; });
}

// "MODEL PORT [SPEED]" and back; nothing when it reads otherwise.
std::optional<DeviceAddress> ReadDeviceAddress(std::string_view value);
std::string DeviceAddressText(const DeviceAddress& address);

}  // namespace rdz
