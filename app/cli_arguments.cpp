#include "app/cli_arguments.h"

#include "orbit/settings_in_use.h"
#include "platform/program_files.h"

namespace rdz {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::filesystem::path& defaultDir,
                                            const std::set<std::string>& valueOptions,
                                            const std::set<std::string>& flags, std::ostream& err) {
  CommandLine line{defaultDir, kElementFileName, {}, {}, {}};
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (flags.count(arg) != 0) {
      line.flags.insert(arg);
      continue;
    }
    if (arg != "--dir" && arg != "--file" && valueOptions.count(arg) == 0) {
      line.positional.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "rodedizevad-cli: " << arg << " needs a value\n";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (arg == "--dir") {
      line.dir = value;
    } else if (arg == "--file") {
      line.file = value;
    } else {
      line.values[arg] = value;
    }
  }
  return line;
}

std::optional<CivilTime> InstantArgument(const std::string& date, const std::string& time, std::ostream& err) {
  const auto instant = ParseDateTime(date, time);
  if (!instant) err << "rodedizevad-cli: '" << date << " " << time << "' is not a UTC date and time as dd/MM/yyyy hh:mm:ss\n";
  return instant;
}

std::optional<LoadReport> LoadForCommand(const std::filesystem::path& dir, const std::string& file,
                                         TrackerState& state, std::ostream& err) {
  state.ElementFileName = file;
  UseSettings(state, ReadSettings(dir));
  const LoadReport load = LoadElements(dir, state);
  if (load.outcome == LoadOutcome::MissingElementFile) {
    err << "rodedizevad-cli: cannot use the element file " << (dir / file) << " (" << load.reason << ")\n";
    return std::nullopt;
  }
  // A missing config.txt is each command's own business; keys to correct are everyone's.
  if (state.Config->read) {
    for (const std::string& warning : state.Config->warnings) err << "rodedizevad-cli: warning: " << warning << "\n";
  }
  return load;
}

void WarnWithoutConfig(const std::filesystem::path& dir, const LoadReport& load, std::ostream& err) {
  if (load.outcome != LoadOutcome::MissingConfigFile) return;
  err << "rodedizevad-cli: warning: cannot read config.txt in " << dir << " (" << load.reason
      << "); the station stays at latitude 0, longitude 0\n";
}

}  // namespace rdz
