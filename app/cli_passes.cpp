#include "app/cli_passes.h"

#include "forecast/compute_aoslos.h"
#include "forecast/forecast_text.h"
#include "orbit/element_loader.h"
#include "platform/civil_time.h"

namespace rdz {

namespace {

constexpr const char* kPassesUsage =
    "usage: rodedizevad-cli passes [--dir DIR] [--file NAME] SAT DATE TIME\n";

// The forecast's clock stands still at the start instant: every sample is
// exactly two minutes after the one before.
struct FixedClock final : Clock {
  CivilTime at;
  explicit FixedClock(const CivilTime& t) : at(t) {}
  CivilTime Now() override { return at; }
};

struct TextOutput final : ForecastOutput {
  std::string text;
  void Append(const std::string& piece) override { text += piece; }
  bool LetPendingEventsRun() override { return true; }
};

std::string WithLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

int RunPassesCli(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                 std::ostream& out, std::ostream& err) {
  std::filesystem::path dir = defaultDir;
  std::string file = "amateur.txt";
  std::vector<std::string> pos;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--dir" || args[i] == "--file") {
      if (i + 1 >= args.size()) {
        err << "rodedizevad-cli: " << args[i] << " needs a value\n";
        return 2;
      }
      if (args[i] == "--dir") {
        dir = args[++i];
      } else {
        file = args[++i];
      }
    } else {
      pos.push_back(args[i]);
    }
  }
  if (pos.size() != 3) {
    err << kPassesUsage;
    return 2;
  }
  const auto start = ParseDateTime(pos[1], pos[2]);
  if (!start) {
    err << "rodedizevad-cli: '" << pos[1] << " " << pos[2]
        << "' is not a UTC date and time as dd/MM/yyyy hh:mm:ss\n";
    return 1;
  }

  TrackerState state;
  state.ElementFileName = file;
  const LoadOutcome outcome = LoadElements(dir, state);
  if (outcome == LoadOutcome::MissingElementFile) {
    err << "rodedizevad-cli: cannot read the element file " << (dir / file) << "\n";
    return 1;
  }
  if (outcome == LoadOutcome::MissingConfigFile) {
    err << "rodedizevad-cli: warning: no config.txt in " << dir
        << "; the station stays at latitude 0, longitude 0\n";
  }
  const std::string& satText = pos[0];
  const bool digits = !satText.empty() && satText.size() <= 4 &&
                      satText.find_first_not_of("0123456789") == std::string::npos;
  const int sat = digits ? std::stoi(satText) : 0;
  if (sat < 1 || sat > state.SatCount) {
    err << "rodedizevad-cli: satellite number '" << satText << "' is not between 1 and "
        << state.SatCount << "\n";
    return 1;
  }

  // As the window runs it, with the clock at the start instant and no UTC difference.
  ForecastState forecast;
  forecast.ForecastSat = sat - 1;
  state.TimeStep = kForecastStep;
  FixedClock clock(*start);
  TextOutput text;
  text.Append(ForecastTitle(state.Elements[sat].Name));
  ComputeAOSLOS(state, forecast, dir, clock, text);
  out << WithLineFeeds(text.text);
  return 0;
}

}  // namespace rdz
