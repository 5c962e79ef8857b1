#include "programs/cli/cli_passes_summary.h"

#include <chrono>
#include <cstdio>
#include <optional>

#include "programs/cli/cli_arguments.h"
#include "programs/cli/cli_catalog_passes.h"
#include "core/load/element_loader.h"
#include "core/passes/pass_export.h"
#include "core/passes/pass_time.h"
#include "core/passes/visible_passes.h"
#include "core/base/civil_time.h"

namespace rdz {

namespace {

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

int RunPassSummary(const CliCall& call) {
  if (call.line.flags.count("--catalog") != 0) return RunCatalogPasses(call);
  const auto days = NumberOption(call, "--days", {1, 31, true}, 3);
  const auto minElevation = NumberOption(call, "--min-el", {-90, 90, false}, 0);
  if (!days || !minElevation) return 2;
  const auto& pos = call.line.positional;
  const auto instant = InstantArgument(call, pos[1], pos[2]);
  if (!instant) return 1;
  TrackerState state;
  const auto load = LoadForCommand(call.line.dir, call.line.file, state, call.err);
  if (!load) return 1;
  WarnWithoutConfig(call.line.dir, *load, call.err);

  int only = 0;
  if (pos[0] != "all") {
    const auto sat = SatelliteArgument(call, state, pos[0]);
    if (!sat) return 1;
    only = *sat;
  }

  const PassCandidates satellites = CandidatesOf(state.Elements, state.Models, state.SatCount);
  PassOptions options;
  options.start = UnixSeconds(*instant);
  options.seconds = std::int64_t{static_cast<int>(*days)} * 86400;
  options.minElevation = *minElevation;
  options.horizon = state.Config->horizon;
  const auto found = FindTablePasses(satellites, state.Station, options, only);
  ReportVisibility(found, options, static_cast<int>(*days), call.err);
  auto rows = TimeOrdered(found);
  if (call.line.flags.count("--visible") != 0) rows = VisibleOnly(rows, satellites, state.Station);
  if (call.line.flags.count("--ics") != 0) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    call.out << PassesCalendar(rows, std::chrono::duration_cast<std::chrono::seconds>(now).count());
  } else {
    call.out << PassesCsv(rows, "\n");
  }
  return 0;
}

}  // namespace rdz
