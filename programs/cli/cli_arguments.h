#pragma once
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "programs/cli/cli_command.h"
#include "core/load/element_loader.h"
#include "core/load/tracker_state.h"
#include "core/base/civil_time.h"

namespace rdz {

// DATE dd/MM/yyyy and TIME hh:mm:ss as UTC; nothing, with the line saying why, otherwise.
std::optional<CivilTime> InstantArgument(const CliCall& call, const std::string& date, const std::string& time);

// The value of `option` as a number from `low` to `high` (a whole one when
// `whole`), `fallback` when it is not given; nothing, with the line saying why,
// when it is no such number.
struct NumberRange {
  double low, high;
  bool whole;
};
std::optional<double> NumberOption(const CliCall& call, const std::string& option, const NumberRange& range,
                                   double fallback);

// The entry SAT names: its number in the table (from 1), else a catalog
// number, else a name (blanks around it and letter case do not count).
std::optional<int> FindSatellite(const TrackerState& state, const std::string& text);
// The same for a command's SAT argument; nothing, with the line saying why, for none.
std::optional<int> SatelliteArgument(const CliCall& call, const TrackerState& state, const std::string& text);

// Loads element file `file` of `dir` into `state`; nothing, with one line on
// `err`, when it cannot be read.
std::optional<LoadReport> LoadForCommand(const std::filesystem::path& dir, const std::string& file,
                                         TrackerState& state, std::ostream& err);
// The warning for commands that go on without config.txt.
void WarnWithoutConfig(const std::filesystem::path& dir, const LoadReport& load, std::ostream& err);

}  // namespace rdz
