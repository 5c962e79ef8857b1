#include "app/cli_passes_summary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#include "app/cli_arguments.h"
#include "orbit/element_loader.h"
#include "passes/pass_export.h"
#include "passes/pass_time.h"
#include "platform/civil_time.h"
#include "platform/lenient_number.h"

namespace rdz {

namespace {

constexpr const char* kSummaryUsage =
    "usage: rodedizevad-cli passes --summary|--ics [--days N] [--min-el E] [--dir DIR] "
    "[--file NAME] SAT|all DATE TIME\n"
    "N whole days 1 to 31 (3 if not given), E degrees -90 to 90 (0); DATE dd/MM/yyyy, TIME "
    "hh:mm:ss, UTC.\n";

struct SummaryRequest {
  bool calendar = false;
  int days = 3;
  double minElevation = 0;
  std::filesystem::path dir;
  std::string file = "amateur.txt";
  std::vector<std::string> positional;
};

std::optional<SummaryRequest> Parse(const std::vector<std::string>& args,
                                    const std::filesystem::path& defaultDir, std::ostream& err) {
  const auto line = ParseCommandLine(args, defaultDir, {"--days", "--min-el"}, {"--summary", "--ics"}, err);
  if (!line) return std::nullopt;
  SummaryRequest r;
  r.dir = line->dir;
  r.file = line->file;
  r.positional = line->positional;
  r.calendar = line->flags.count("--ics") != 0;
  for (const auto& [option, value] : line->values) {
    const auto number = WholeNumber(value);
    const bool isDays = option == "--days";
    const bool fits = number && (isDays ? *number >= 1 && *number <= 31 && *number == static_cast<int>(*number)
                                        : *number >= -90 && *number <= 90);
    if (!fits) {
      err << "rodedizevad-cli: " << option << " '" << value << "' is out of range\n" << kSummaryUsage;
      return std::nullopt;
    }
    if (isDays) {
      r.days = static_cast<int>(*number);
    } else {
      r.minElevation = *number;
    }
  }
  if (r.positional.size() != 3) {
    err << kSummaryUsage;
    return std::nullopt;
  }
  return r;
}

void ReportVisibility(const std::vector<SatellitePasses>& found, const PassOptions& options,
                      int days, std::ostream& err) {
  for (const SatellitePasses& s : found) {
    const std::string who = "rodedizevad-cli: " + std::to_string(s.number) + " " + s.name;
    switch (s.search.visibility) {
      case Visibility::NeverRises:
        err << who << ": never above " << Angle1(options.horizon.Highest()) << " degrees in "
            << days << " days\n";
        break;
      case Visibility::NeverSets:
        err << who << ": always above " << Angle1(options.horizon.Lowest()) << " degrees, never sets\n";
        break;
      case Visibility::Failed:
        err << who << ": cannot be computed from its elements\n";
        break;
      case Visibility::Passes:
        if (s.search.failedPropagations > 0) {
          err << who << ": " << s.search.failedPropagations
              << " instants could not be computed and were skipped\n";
        }
        break;
    }
  }
}

}  // namespace

bool IsPassSummary(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "passes" &&
         std::any_of(args.begin() + 1, args.end(),
                     [](const std::string& a) { return a == "--summary" || a == "--ics"; });
}

int RunPassSummary(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                   std::ostream& out, std::ostream& err) {
  const auto request = Parse(args, defaultDir, err);
  if (!request) return 2;
  const auto& pos = request->positional;
  const auto instant = InstantArgument(pos[1], pos[2], err);
  if (!instant) return 1;
  TrackerState state;
  const auto load = LoadForCommand(request->dir, request->file, state, err);
  if (!load) return 1;
  WarnWithoutConfig(request->dir, *load, err);

  int only = 0;
  if (pos[0] != "all") {
    const auto number = WholeNumber(pos[0]);
    if (!number || *number < 1 || *number > state.SatCount || *number != static_cast<int>(*number) ||
        pos[0].find_first_not_of("0123456789") != std::string::npos) {
      err << "rodedizevad-cli: satellite '" << pos[0] << "' is neither all nor between 1 and "
          << state.SatCount << "\n";
      return 1;
    }
    only = static_cast<int>(*number);
  }

  const PassCandidates satellites = CandidatesOf(state.Elements, state.Models, state.SatCount);
  PassOptions options;
  options.start = UnixSeconds(*instant);
  options.seconds = std::int64_t{request->days} * 86400;
  options.minElevation = request->minElevation;
  options.horizon = state.Config->horizon;
  const auto found = FindTablePasses(satellites, state.Station, options, only);
  ReportVisibility(found, options, request->days, err);
  const auto rows = TimeOrdered(found);
  if (request->calendar) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    out << PassesCalendar(rows, std::chrono::duration_cast<std::chrono::seconds>(now).count());
  } else {
    out << PassesCsv(rows, "\n");
  }
  return 0;
}

}  // namespace rdz
