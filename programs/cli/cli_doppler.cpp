#include "programs/cli/cli_doppler.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>

#include "programs/cli/cli_arguments.h"
#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "core/base/civil_time.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"
#include "core/radio/doppler_line.h"
#include "core/radio/offset_file.h"
#include "core/radio/transmitter_list.h"

namespace rdz {

namespace {

std::string HzText(const std::optional<double>& hz) {
  if (!hz || !std::isfinite(*hz) || std::fabs(*hz) >= 1e15) return "-";
  return std::to_string(static_cast<long long>(std::nearbyint(*hz)));
}

// One word-safe line: control characters would break the line apart.
std::string DescriptionText(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return TrimBlanks(text).empty() ? "-" : text;
}

}  // namespace

int RunDoppler(const CliCall& call) {
  const auto& pos = call.line.positional;
  const auto instant = InstantArgument(call, pos[1], pos[2]);
  if (!instant) return 1;
  TrackerState state;
  if (!LoadForCommand(call.line.dir, call.line.file, state, call.err)) return 1;
  const auto found = SatelliteArgument(call, state, pos[0]);
  if (!found) return 1;
  const int k = *found;
  const ElementSet& sat = state.Elements[k];
  const auto p = state.Models[static_cast<std::size_t>(k - 1)]->At(SetupEngine(state.Station), *instant);
  if (!p || !p->raw.rangeRate) {
    call.err << "rodedizevad-cli: satellite " << k << " (" << TrimBlanks(sat.Name)
        << ") cannot be computed from its elements\n";
    return 1;
  }
  const double rate = *p->raw.rangeRate;
  const TransmitterList list = ReadTransmitterFile(call.line.dir).value_or(TransmitterList{});
  std::ostringstream text;
  char rateText[64];
  std::snprintf(rateText, sizeof rateText, "rangerate %.6f\n", rate);
  text << rateText;
  const TransponderOffsets offsets = ReadOffsetFile(call.line.dir);
  const std::string key = TransponderOffsets::Satellite(sat.CatalogNumber, TrimBlanks(sat.Name));
  for (const Transponder& t :
       TranspondersFor(state.Config->lines, list, TrimBlanks(sat.Name), sat.CatalogNumber)) {
    const std::optional<double> offset = offsets.Find(key, t);
    const CorrectedLinks links = CorrectLinks(t, rate, offset.value_or(0));
    text << DescriptionText(t.description) << " " << HzText(links.downNominal) << " " << HzText(links.downTune)
         << " " << HzText(links.upNominal) << " " << HzText(links.upTune);
    if (offset) text << " offset " << HzText(offset);
    text << "\n";
  }
  call.out << text.str();
  return 0;
}

}  // namespace rdz
