#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_file.h"

namespace rdz {

// Alerts before and at a pass. In config.txt:
//   ALERTSATS = 7530, 43017, AO-91   satellites by catalog number or name
//   ALERTLEAD = 5                    minutes before AOS (0: no early alert)
//   ALERTSOUND = 1                   a short sound with each alert
//   ALERTCOMMAND = /path/to/program  run at each event, without a shell
struct AlertConfig {
  std::vector<std::string> satellites;
  double leadMinutes = 5;
  bool sound = true;
  std::string command;
  friend bool operator==(const AlertConfig&, const AlertConfig&) = default;
};

inline constexpr double kLongestAlertLead = 24 * 60;

// The alert keys of config lines; the last line of a key wins, a lead that
// is not a number from 0 to a day keeps the default.
AlertConfig ReadAlertLines(const std::vector<std::string>& lines);

// The file's bytes with ALERTSATS, ALERTLEAD and ALERTSOUND set (ALERTCOMMAND
// is the user's to write), every other line kept byte for byte.
std::string WithAlertConfig(std::string_view bytes, const AlertConfig& config);
WriteOutcome SaveAlertConfig(const std::filesystem::path& programDir, const AlertConfig& config);

}  // namespace rdz
