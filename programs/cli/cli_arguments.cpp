#include "programs/cli/cli_arguments.h"

#include <cctype>
#include <cmath>

#include "core/load/settings_in_use.h"
#include "core/base/lenient_number.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

std::string Upper(std::string_view text) {
  std::string up(text);
  for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return up;
}

std::string NumberText(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

std::optional<CivilTime> InstantArgument(const CliCall& call, const std::string& date, const std::string& time) {
  const auto instant = ParseDateTime(date, time);
  if (!instant) call.Wrong("'" + date + " " + time + "' is not a UTC date and time as dd/MM/yyyy hh:mm:ss");
  return instant;
}

std::optional<double> NumberOption(const CliCall& call, const std::string& option, const NumberRange& range,
                                   double fallback) {
  const auto it = call.line.values.find(option);
  if (it == call.line.values.end()) return fallback;
  const std::string said = option + " '" + it->second + "'";
  const auto number = WholeNumber(it->second);
  if (!number) {
    call.Wrong(said + " is not a number");
  } else if (range.whole && *number != std::floor(*number)) {
    call.Wrong(said + " is not a whole number");
  } else if (*number < range.low || *number > range.high) {
    call.Wrong(said + " is out of range " + NumberText(range.low) + " to " + NumberText(range.high));
  } else {
    return number;
  }
  return std::nullopt;
}

std::optional<int> FindSatellite(const TrackerState& state, const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
  const long number = digits ? std::stol(text) : 0;
  if (number >= 1 && number <= state.SatCount) return static_cast<int>(number);
  for (int k = 1; k <= state.SatCount; ++k) {
    if (number > 0 && state.Elements[k].CatalogNumber == static_cast<std::uint32_t>(number)) return k;
  }
  const std::string wanted = Upper(TrimBlanks(text));
  for (int k = 1; k <= state.SatCount && !wanted.empty(); ++k) {
    if (Upper(TrimBlanks(state.Elements[k].Name)) == wanted) return k;
  }
  return std::nullopt;
}

std::optional<int> SatelliteArgument(const CliCall& call, const TrackerState& state, const std::string& text) {
  const auto k = FindSatellite(state, text);
  if (!k) call.Wrong("no satellite '" + text + "' among the " + std::to_string(state.SatCount) + " of the element file");
  return k;
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
