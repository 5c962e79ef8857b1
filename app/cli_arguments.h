#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "orbit/element_loader.h"
#include "orbit/tracker_state.h"
#include "platform/civil_time.h"

namespace rdz {

// One sub-command's words after the command itself: --dir and --file, the
// options that take a value, the flags, and everything else in order.
struct CommandLine {
  std::filesystem::path dir;
  std::string file;
  std::map<std::string, std::string> values;  // option -> its value, the last one given
  std::set<std::string> flags;
  std::vector<std::string> positional;
};

// Nothing, with one line on `err`, when an option lacks its value.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::filesystem::path& defaultDir,
                                            const std::set<std::string>& valueOptions,
                                            const std::set<std::string>& flags, std::ostream& err);

// DATE dd/MM/yyyy and TIME hh:mm:ss as UTC; nothing, with one line on `err`, otherwise.
std::optional<CivilTime> InstantArgument(const std::string& date, const std::string& time, std::ostream& err);

// Loads element file `file` of `dir` into `state`; nothing, with one line on
// `err`, when it cannot be read.
std::optional<LoadReport> LoadForCommand(const std::filesystem::path& dir, const std::string& file,
                                         TrackerState& state, std::ostream& err);
// The warning for commands that go on without config.txt.
void WarnWithoutConfig(const std::filesystem::path& dir, const LoadReport& load, std::ostream& err);

}  // namespace rdz
