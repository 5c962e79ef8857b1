#include "programs/cli/cli_catalog_passes.h"

#include "programs/cli/cli_arguments.h"
#include "core/passes/catalog_passes.h"
#include "core/passes/pass_export.h"
#include "core/passes/pass_time.h"
#include "core/base/text_lines.h"

namespace rdz {

int RunCatalogPasses(const CliCall& call) {
  const auto days = NumberOption(call, "--days", {1, 31, true}, 3);
  const auto minElevation = NumberOption(call, "--min-el", {-90, 90, false}, 0);
  if (!days || !minElevation) return 2;
  const auto& pos = call.line.positional;
  const auto instant = InstantArgument(call, pos[0], pos[1]);
  if (!instant) return 1;
  // The station and the horizon as the table's load takes them from config.txt.
  TrackerState state;
  const auto load = LoadForCommand(call.line.dir, call.line.file, state, call.err);
  if (!load) return 1;
  WarnWithoutConfig(call.line.dir, *load, call.err);
  std::string reason;
  const auto text = ReadTextFile(call.line.dir / call.line.file, &reason);
  if (!text) {
    call.err << kCliName << ": " << call.line.file << ": " << reason << "\n";
    return 1;
  }
  const ElementSetsRead read = ReadElementSets(*text);
  const PassCandidates satellites = CandidatesOfFile(read);

  PassOptions options;
  options.start = UnixSeconds(*instant);
  options.seconds = std::int64_t{static_cast<int>(*days)} * 86400;
  options.minElevation = *minElevation;
  options.horizon = state.Config->horizon;
  const auto found = FindAllPasses(satellites, state.Station, options);
  const auto failed = std::count_if(found.begin(), found.end(), [](const SatellitePasses& s) {
    return s.search.visibility == Visibility::Failed;
  });
  if (failed > 0 || read.counts.Skipped() > 0) {
    call.err << kCliName << ": " << failed << " of " << found.size()
             << " sets cannot be computed (" << LoadSummaryText(read.counts) << ")\n";
  }
  call.out << PassesCsv(TimeOrdered(found), "\n", true);
  return 0;
}

}  // namespace rdz
