#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_file.h"
#include "core/ports/rotor.h"
#include "core/settings/rotor_settings.h"

namespace rdz {

// The rotor in use: the KV250 on the first or second parallel port, or a
// Hamlib rotor. In config.txt: no ROTOR key is the KV250 on LPT1,
// "ROTOR = KV250 LPT2" the one on LPT2, "ROTOR = MODEL PORT [SPEED]" Hamlib.
struct RotorChoice {
  bool hamlib = false;
  int lpt = 1;  // the KV250's port, 1 or 2
  DeviceAddress connection;
  friend bool operator==(const RotorChoice&, const RotorChoice&) = default;
};

struct RotorConfig {
  RotorChoice choice;
  RotorSettings settings;
  friend bool operator==(const RotorConfig&, const RotorConfig&) = default;
};

// The rotor keys of config lines; the last line of a key wins, a value that
// makes no sense keeps the default.
RotorConfig ReadRotorLines(const std::vector<std::string>& lines);

// The file's bytes with the rotor keys set to `config` (for the KV250 only
// the ROTOR key): the first line of each key is replaced, later ones dropped,
// missing ones added at the end, every other line kept byte for byte.
std::string WithRotorConfig(std::string_view bytes, const RotorConfig& config);

// Rewrites config.txt that way, atomically. When it could not be read or
// written the old file is untouched and the outcome says why.
WriteOutcome SaveRotorConfig(const std::filesystem::path& programDir, const RotorConfig& config);

}  // namespace rdz
