#include "core/load/element_loader.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <utility>
#include <string_view>

#include "core/elements/element_check.h"
#include "core/elements/amsat_reader.h"
#include "core/elements/element_formats.h"
#include "core/orbit/engine.h"
#include "core/load/settings_in_use.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

ElementSet FromMeanSet(const MeanElementSet& set) {
  ElementSet sat;
  sat.Name = set.Name.substr(0, kEntryNameWidth);
  sat.Name.resize(kEntryNameWidth, ' ');
  sat.EpochYear = set.Epoch.year;
  sat.EpochDay = set.EpochDays1950 - Days1950(CivilTime{set.Epoch.year, 1, 1, 0, 0, 0}, 0) + 1.0;
  sat.Inclination = set.Inclination;
  sat.Raan = set.Raan;
  sat.Eccentricity = set.Eccentricity;
  sat.ArgPerigee = set.ArgPerigee;
  sat.MeanAnomaly = set.MeanAnomaly;
  sat.MeanMotion = set.MeanMotion;
  sat.DecayRate = set.MeanMotionDot;
  sat.EpochRev = set.EpochRev;
  sat.Format = set.Format;
  sat.CatalogNumber = set.CatalogNumber;
  sat.Mean = std::make_shared<const MeanElementSet>(set);
  return sat;
}

bool SameNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

ElementSetsRead ReadElementSets(std::string_view text) {
  ElementSetsRead out;
  text = SingleByteText(text).value_or(std::string_view());
  const ElementFormatRow& format = RecogniseElementFormat(text);
  if (format.readKepler != nullptr) {
    KeplerSets read;
    format.readKepler(text, read);
    out.sets = std::move(read.sets);
    out.fullNames = std::move(read.fullNames);
    out.counts.skippedIncomplete = read.skippedIncomplete;
    // Sets found in a text no format recognised say what they were read as.
    out.counts.format = out.sets.empty() ? format.format : out.sets.front().Format;
  } else {
    const MeanElementFile file = ReadMeanElementText(text);
    for (const MeanElementSet& set : file.Sets) {
      out.sets.push_back(FromMeanSet(set));
      out.fullNames.emplace_back(TrimBlanks(set.Name));
    }
    out.counts.format = file.Format;
    out.counts.skippedBadChecksum = file.SkippedBadChecksum;
    out.counts.skippedMalformed = file.SkippedMalformed;
    out.counts.skippedIncomplete = file.SkippedIncomplete;
  }
  out.counts.read = static_cast<int>(out.sets.size());
  for (ElementSet& sat : out.sets) {
    sat.Fault = ElementFault(sat);
    if (!sat.Fault.empty()) ++out.counts.unusable[sat.Fault];
  }
  return out;
}

std::vector<std::string> SplitSats(std::string_view value) {
  std::vector<std::string> names;
  while (true) {
    const auto comma = value.find(',');
    const std::string_view item = TrimBlanks(value.substr(0, comma), " \t");
    if (!item.empty()) names.emplace_back(item);
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  return names;
}

bool SatsSelects(const std::vector<std::string>& selection, const ElementSet& sat,
                 const std::string& fullName) {
  if (selection.empty()) return true;
  for (const std::string& item : selection) {
    if (item.find_first_not_of("0123456789") == std::string::npos) {
      if (item.size() <= 9 && std::stoul(item) == sat.CatalogNumber) return true;
    } else if (SameNoCase(item, fullName) || SameNoCase(item, TrimBlanks(sat.Name))) {
      return true;
    }
  }
  return false;
}

std::string LoadSummaryText(const ElementLoadCounts& c) {
  std::string text = std::string("Elements (") + ElementFormatWord(c.format) + "): " +
                     std::to_string(c.read) + " read";
  if (c.Skipped() > 0) {
    text += ", " + std::to_string(c.Skipped()) + " skipped (";
    const std::pair<int, const char*> why[] = {{c.skippedBadChecksum, "bad checksum"},
                                               {c.skippedMalformed, "malformed"},
                                               {c.skippedIncomplete, "cut short"}};
    const char* separator = "";
    for (const auto& [n, what] : why) {
      if (n == 0) continue;
      text += separator + std::to_string(n) + " " + what;
      separator = ", ";
    }
    text += ")";
  }
  if (c.Unusable() > 0) {
    text += ", " + std::to_string(c.Unusable()) + " unusable (";
    const char* separator = "";
    for (const auto& [why, n] : c.unusable) {
      text += separator + std::to_string(n) + " " + why;
      separator = ", ";
    }
    text += ")";
  }
  if (c.notSelected > 0) text += ", " + std::to_string(c.notSelected) + " not in SATS";
  if (c.leftOut > 0) {
    text += ", " + std::to_string(c.leftOut) + " left out (table holds " +
            std::to_string(ElementTable::kOrbitalCapacity) + ")";
  }
  return text;
}

int ReadElementBlocks(const std::vector<std::string>& lines, ElementTable& table) {
  KeplerSets read;
  ReadAmsatSets(lines, read);
  const int stored = std::min<int>(static_cast<int>(read.sets.size()), ElementTable::kOrbitalCapacity);
  for (int k = 1; k <= stored; ++k) table[k] = std::move(read.sets[static_cast<std::size_t>(k - 1)]);
  return stored;
}

LoadReport LoadElements(const std::filesystem::path& programDir, TrackerState& state) {
  std::string reason;
  const auto text = ReadTextFile(programDir / state.ElementFileName, &reason);
  ElementSetsRead read;
  if (text) {
    read = ReadElementSets(*text);
    if (TrimBlanks(*text, " \t\r\n").empty()) {
      reason = "the file is empty";
    } else if (read.counts.read == read.counts.Unusable()) {
      reason = "no usable element set (" + LoadSummaryText(read.counts) + ")";
    }
  }
  if (!text || !reason.empty()) {
    // The table keeps what it holds; the status says so.
    state.LoadSummary = state.ElementFileName + ": " + reason;
    if (state.SatCount > 0) {
      state.LoadSummary += state.SatCount == 1
                               ? std::string(" - the 1 set loaded before is kept")
                               : " - the " + std::to_string(state.SatCount) + " sets loaded before are kept";
    }
    state.LoadFailed = true;
    return {LoadOutcome::MissingElementFile, state.ElementFileName, reason, read.counts};
  }
  state.LoadFailed = false;

  const std::shared_ptr<const Settings> settings = state.Config;
  const std::vector<std::string> selection = SplitSats(settings->keys.SATS.value_or(""));

  ElementLoadCounts counts = read.counts;
  int stored = 0;
  for (std::size_t i = 0; i < read.sets.size(); ++i) {
    if (!SatsSelects(selection, read.sets[i], read.fullNames[i])) {
      ++counts.notSelected;
    } else if (stored >= ElementTable::kOrbitalCapacity) {
      // Files often hold more satellites than the table: keep the first ones.
      ++counts.leftOut;
    } else {
      state.Elements[++stored] = std::move(read.sets[i]);
    }
  }
  counts.stored = stored;
  state.SatCount = stored;
  // Attitudes and models, with the station and the other keys as config.txt gave them.
  UseSettings(state, settings);
  state.LoadSummary = LoadSummaryText(counts);
  if (!settings->read) return {LoadOutcome::MissingConfigFile, kConfigFileName, settings->reason, counts};

  LoadReport report;
  report.counts = counts;
  return report;
}

}  // namespace rdz
