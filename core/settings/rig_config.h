#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_file.h"
#include "core/ports/rig.h"
#include "core/settings/device_keys.h"
#include "core/settings/rig_settings.h"

namespace rdz {

// The radio in config.txt: "RIG = MODEL PORT [SPEED]" names it (no RIG key,
// no radio), RIGRXVFO and RIGTXVFO its VFOs (CURRENT, A, B, MAIN or SUB),
// RIGSSBHZ and RIGFMHZ the thresholds. The uplink: "RIGTX = MODEL PORT
// [SPEED]" a second radio for it (RIGTXVFO is then that radio's VFO), else
// "RIGSATMODE = 1" the radio's satellite mode, else "RIGTXVFO = NONE" none,
// else split. "RIGLOSOFFSET = 1" remembers the offset at LOS.
struct RigConfig {
  std::optional<DeviceAddress> connection;
  RigSettings settings;
  std::optional<DeviceAddress> transmitter;  // RIGTX; written only while it sends the uplink
  bool offsetAtLos = false;
  friend bool operator==(const RigConfig&, const RigConfig&) = default;
};

// The rig keys of config lines; the last line of a key wins, a value that
// makes no sense keeps the default.
RigConfig ReadRigLines(const std::vector<std::string>& lines);

// The name config.txt uses for a VFO, and back (any case); empty when unknown.
std::string_view RigVfoName(RigVfo vfo);
std::optional<RigVfo> RigVfoNamed(std::string_view name);

// The file's bytes with the rig keys set to `config`, every other line kept
// byte for byte; without a radio only the RIG line goes.
std::string WithRigConfig(std::string_view bytes, const RigConfig& config);
// Rewrites config.txt that way, atomically; the old file is untouched on failure.
WriteOutcome SaveRigConfig(const std::filesystem::path& programDir, const RigConfig& config);

}  // namespace rdz
