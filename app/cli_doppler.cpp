#include "app/cli_doppler.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>

#include "app/cli_arguments.h"
#include "orbit/element_loader.h"
#include "orbit/engine.h"
#include "platform/civil_time.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"
#include "radio/doppler_line.h"
#include "radio/offset_file.h"
#include "radio/transmitter_list.h"

namespace rdz {

namespace {

constexpr const char* kUsage = "usage: rodedizevad-cli doppler [--dir DIR] [--file NAME] SAT DATE TIME\n";

std::optional<CommandLine> ParseDoppler(const std::vector<std::string>& args,
                                        const std::filesystem::path& defaultDir, std::ostream& err) {
  auto line = ParseCommandLine(args, defaultDir, {}, {}, err);
  if (line && line->positional.size() != 3) {
    err << kUsage;
    return std::nullopt;
  }
  return line;
}

std::string Upper(std::string_view text) {
  std::string up(text);
  for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return up;
}

// The entry SAT names: its number in the table, a catalog number, or a name
// (blanks around it and letter case do not count); 0 for none.
int FindSatellite(const TrackerState& state, const std::string& text) {
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
  return 0;
}

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

int RunDoppler(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
               std::ostream& out, std::ostream& err) {
  const auto request = ParseDoppler(args, defaultDir, err);
  if (!request) return 2;
  const auto& pos = request->positional;
  const auto instant = InstantArgument(pos[1], pos[2], err);
  if (!instant) return 1;
  TrackerState state;
  if (!LoadForCommand(request->dir, request->file, state, err)) return 1;
  const int k = FindSatellite(state, pos[0]);
  if (k == 0) {
    err << "rodedizevad-cli: no satellite '" << pos[0] << "' among the " << state.SatCount
        << " of the element file\n";
    return 1;
  }
  const ElementSet& sat = state.Elements[k];
  const auto p = state.Models[static_cast<std::size_t>(k - 1)]->At(SetupEngine(state.Station), *instant);
  if (!p || !p->raw.rangeRate) {
    err << "rodedizevad-cli: satellite " << k << " (" << TrimBlanks(sat.Name)
        << ") cannot be computed from its elements\n";
    return 1;
  }
  const double rate = *p->raw.rangeRate;
  const TransmitterList list = ReadTransmitterFile(request->dir).value_or(TransmitterList{});
  std::ostringstream text;
  char rateText[64];
  std::snprintf(rateText, sizeof rateText, "rangerate %.6f\n", rate);
  text << rateText;
  const TransponderOffsets offsets = ReadOffsetFile(request->dir);
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
  out << text.str();
  return 0;
}

}  // namespace rdz
