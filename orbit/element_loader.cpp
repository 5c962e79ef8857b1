#include "orbit/element_loader.h"

#include <algorithm>
#include <string_view>

#include "config/attitude_config.h"
#include "config/station_config.h"
#include "platform/lenient_number.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

constexpr int kBlockLines = 12;
constexpr std::size_t kNameWidth = 9;

// Text from 1-based column `column` to the end of the line (empty past the end).
std::string_view FromColumn(std::string_view line, std::size_t column) {
  return column - 1 < line.size() ? line.substr(column - 1) : std::string_view();
}

double NumberFromColumn(std::string_view line, std::size_t column) {
  return LenientNumber(FromColumn(line, column));
}

std::string BlockName(std::string_view line) {
  std::string name(FromColumn(line, 12).substr(0, kNameWidth));
  name.resize(kNameWidth, ' ');
  return name;
}

// "26131.02828537": two-digit year, then the day of year with fraction.
void ReadEpoch(std::string_view line, ElementSet& sat) {
  std::string_view text = FromColumn(line, 12);
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  sat.EpochYear = 2000 + LenientNumber(text.substr(0, 2));
  sat.EpochDay = LenientNumber(text.size() > 2 ? text.substr(2) : std::string_view());
}

void ReadBlock(const std::string* block, ElementSet& sat) {
  sat.Name = BlockName(block[0]);
  ReadEpoch(block[2], sat);
  sat.Inclination = NumberFromColumn(block[4], 13);
  sat.Raan = NumberFromColumn(block[5], 13);
  sat.Eccentricity = NumberFromColumn(block[6], 14);
  sat.ArgPerigee = NumberFromColumn(block[7], 16);
  sat.MeanAnomaly = NumberFromColumn(block[8], 14);
  sat.MeanMotion = NumberFromColumn(block[9], 13);
  sat.DecayRate = NumberFromColumn(block[10], 13);
  sat.EpochRev = NumberFromColumn(block[11], 13);
  sat.SemiAxis = 0;
}

}  // namespace

int ReadElementBlocks(const std::vector<std::string>& lines, ElementTable& table) {
  int stored = 0;
  std::size_t i = 0;
  while (i < lines.size()) {
    if (lines[i].compare(0, 10, "Satellite:") != 0) {
      ++i;
      continue;
    }
    // A block cut short by the end of the file is not a satellite.
    if (lines.size() - i < kBlockLines) break;
    // Files often hold more satellites than the table: keep the first ones, skip the rest.
    if (stored < ElementTable::kOrbitalCapacity) {
      ++stored;
      ReadBlock(&lines[i], table[stored]);
    }
    i += kBlockLines;
  }
  return stored;
}

LoadReport LoadElements(const std::filesystem::path& programDir, TrackerState& state) {
  std::string reason;
  const auto lines = ReadTextLines(programDir / state.ElementFileName, &reason);
  if (!lines) return {LoadOutcome::MissingElementFile, state.ElementFileName, reason};

  state.SatCount = ReadElementBlocks(*lines, state.Elements);
  const auto config = ReadTextLines(programDir / kConfigFileName, &reason);
  const std::vector<std::string> none;
  for (int k = 1; k <= state.SatCount; ++k) {
    ElementSet& sat = state.Elements[k];
    const Attitude attitude = AttitudeFor(config ? *config : none, TrimBlanks(sat.Name));
    sat.Alat = attitude.Alat;
    sat.Alon = attitude.Alon;
  }
  if (!config) return {LoadOutcome::MissingConfigFile, kConfigFileName, reason};

  const StationKeys keys = ReadStationKeys(*config);
  state.Station = WithStationKeys(state.Station, keys);
  if (keys.TEMPOSCANN) state.TEMPOSCANN = *keys.TEMPOSCANN;
  return {};
}

}  // namespace rdz
