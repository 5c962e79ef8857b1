#include "core/elements/amsat_reader.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/base/lenient_number.h"
#include "core/base/text_lines.h"

namespace rdz {
namespace {

constexpr std::size_t kBlockLines = 12;
constexpr std::string_view kBlockStart = "Satellite:";

// Text from 1-based column `column` to the end of the line (empty past the end).
std::string_view FromColumn(std::string_view line, std::size_t column) {
  return column - 1 < line.size() ? line.substr(column - 1) : std::string_view();
}

double NumberFromColumn(std::string_view line, std::size_t column) {
  return LenientNumber(FromColumn(line, column));
}

std::string BlockName(std::string_view line) {
  std::string name(FromColumn(line, 12).substr(0, kEntryNameWidth));
  name.resize(kEntryNameWidth, ' ');
  return name;
}

// "26131.02828537": two-digit year, then the day of year with fraction.
void ReadEpoch(std::string_view line, ElementSet& sat) {
  std::string_view text = FromColumn(line, 12);
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  sat.EpochYear = 2000 + LenientNumber(text.substr(0, 2));
  sat.EpochDay = LenientNumber(text.size() > 2 ? text.substr(2) : std::string_view());
}

ElementSet ReadBlock(const std::string* block) {
  ElementSet sat;
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
  sat.Format = ElementFormat::Amsat;
  const double catalog = NumberFromColumn(block[1], 16);
  if (catalog >= 0 && catalog < 1e9) sat.CatalogNumber = static_cast<std::uint32_t>(catalog);
  return sat;
}

}  // namespace

void ReadAmsatSets(const std::vector<std::string>& lines, KeplerSets& out) {
  std::size_t i = 0;
  while (i < lines.size()) {
    if (!lines[i].starts_with(kBlockStart)) {
      ++i;
      continue;
    }
    // A block cut short by the end of the file is not a satellite.
    if (lines.size() - i < kBlockLines) {
      ++out.skippedIncomplete;
      break;
    }
    out.sets.push_back(ReadBlock(&lines[i]));
    out.fullNames.emplace_back(TrimBlanks(FromColumn(lines[i], 12)));
    i += kBlockLines;
  }
}

bool LooksLikeAmsat(const std::vector<std::string>& lines) {
  return std::ranges::any_of(lines, [](const std::string& line) { return line.starts_with(kBlockStart); });
}

}  // namespace rdz
