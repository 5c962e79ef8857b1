#include "programs/cli/cli_table.h"

#include <cstdio>
#include <sstream>

#include "programs/cli/cli_arguments.h"
#include "programs/cli/cli_passes.h"
#include "programs/cli/cli_passes_summary.h"
#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "core/table/row_text.h"
#include "core/orbit/sgp4_model.h"
#include "core/base/civil_time.h"

namespace rdz {

namespace {

std::string Fixed9(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.9f", value);
  return buffer;
}

std::string StateText(const RawSatState& raw) {
  const std::pair<const char*, double> fields[] = {
      {"az", raw.azimuth},        {"el", raw.elevation},     {"range", raw.range},
      {"height", raw.height},     {"sublat", raw.subLatitude}, {"sublon", raw.subLongitude},
      {"phase", raw.phase},       {"illum", raw.illumination}, {"squint", raw.squint},
      {"rn", raw.revolution}};
  std::string text;
  for (const auto& [name, value] : fields) text += std::string(name) + " " + Fixed9(value) + "\n";
  return text;
}

std::string EpochText(const ElementSet& sat) {
  const auto epoch = EpochOf(sat);
  if (!epoch) return "-";
  char buffer[64];
  const CivilTime& t = epoch->utc;
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buffer;
}

std::string AgeText(const ElementSet& sat, const CivilTime& utc) {
  const auto age = AgeDays(sat, utc);
  if (!age) return "-";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", *age);
  return buffer;
}

std::string ElementLine(int k, const ElementSet& sat, const CivilTime& utc) {
  return std::to_string(k) + " " + sat.Name + " " + std::to_string(sat.CatalogNumber) + " " +
         FormatName(sat.Format) + " " + ModelName(sat) + " " + EpochText(sat) + " " +
         AgeText(sat, utc);
}

// The instant (the last two words) and the files every one of these commands starts from.
std::optional<CivilTime> Prepare(const CliCall& call, TrackerState& state) {
  const auto& pos = call.line.positional;
  const auto instant = InstantArgument(call, pos[pos.size() - 2], pos[pos.size() - 1]);
  if (!instant) return std::nullopt;
  const auto load = LoadForCommand(call.line.dir, call.line.file, state, call.err);
  if (!load) return std::nullopt;
  WarnWithoutConfig(call.line.dir, *load, call.err);
  return instant;
}

}  // namespace

int RunTable(const CliCall& call) {
  TrackerState state;
  const auto instant = Prepare(call, state);
  if (!instant) return 1;
  const EngineContext engine = SetupEngine(state.Station);
  std::ostringstream text;
  text << kTableHeader << "\n";
  const int rows = state.SatCount > 60 ? 60 : state.SatCount;
  for (int k = 1; k <= rows; ++k) {
    const ElementSet& sat = state.Elements[k];
    const auto p = state.Models[static_cast<std::size_t>(k - 1)]->At(engine, *instant);
    text << (p ? FormatRowText(sat.Name, p->state) : FailedRowText(sat.Name)) << "\n";
  }
  call.out << text.str();
  return 0;
}

int RunElements(const CliCall& call) {
  TrackerState state;
  const auto instant = Prepare(call, state);
  if (!instant) return 1;
  std::ostringstream text;
  for (int k = 1; k <= state.SatCount; ++k) text << ElementLine(k, state.Elements[k], *instant) << "\n";
  call.out << text.str();
  return 0;
}

int RunState(const CliCall& call) {
  TrackerState state;
  const auto instant = Prepare(call, state);
  if (!instant) return 1;
  const auto sat = SatelliteArgument(call, state, call.line.positional[0]);
  if (!sat) return 1;
  const auto p = state.Models[static_cast<std::size_t>(*sat - 1)]->At(SetupEngine(state.Station), *instant);
  const ElementSet& entry = state.Elements[*sat];
  if (!p) {
    call.err << "rodedizevad-cli: satellite " << *sat << " (" << entry.Name << ") cannot be computed from its elements\n";
    return 1;
  }
  call.out << StateText(p->raw) << "rangerate " << (p->raw.rangeRate ? Fixed9(*p->raw.rangeRate) : "-") << "\n"
           << "catalog " << entry.CatalogNumber << "\n"
           << "epoch " << EpochText(entry) << "\n"
           << "age " << AgeText(entry, *instant) << "\n";
  return 0;
}

int RunPasses(const CliCall& call) {
  if (call.line.flags.count("--summary") + call.line.flags.count("--ics") > 0) return RunPassSummary(call);
  TrackerState state;
  const auto instant = Prepare(call, state);
  if (!instant) return 1;
  const auto sat = SatelliteArgument(call, state, call.line.positional[0]);
  if (!sat) return 1;
  call.out << PassesText(state, *sat, *instant);
  return 0;
}

}  // namespace rdz
