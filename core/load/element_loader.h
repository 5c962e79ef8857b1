#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/load/tracker_state.h"
#include "core/base/program_files.h"

namespace rdz {

// Reads element-file lines into the table: one 12-line block per "Satellite:"
// line, entries from 1 up to the table's capacity (later blocks are skipped).
// Returns the number of blocks stored. A block cut short by the end of the
// text is not counted.
int ReadElementBlocks(const std::vector<std::string>& lines, ElementTable& table);

// How one load accounted for every set of the element file.
struct ElementLoadCounts {
  ElementFormat format = ElementFormat::Unknown;
  int read = 0;                // sets read from the file
  int skippedBadChecksum = 0;  // TLE lines whose checksum does not match
  int skippedMalformed = 0;    // a field missing or unreadable
  int skippedIncomplete = 0;   // a set cut short by the end of the file
  int notSelected = 0;         // read, but not named by SATS
  int leftOut = 0;             // selected, but past the table's capacity
  int stored = 0;
  std::map<std::string, int> unusable;  // read, but describing no orbit: by reason
  int Unusable() const {
    int n = 0;
    for (const auto& [why, count] : unusable) n += count;
    return n;
  }
  int Skipped() const { return skippedBadChecksum + skippedMalformed + skippedIncomplete; }
};

// One line for the window's status: e.g. "Elements (tle): 85 read, 1 skipped
// (1 bad checksum), 5 left out (table holds 80)".
std::string LoadSummaryText(const ElementLoadCounts& counts);

// The sets of an element text in file order, each as a table entry (names cut
// or padded to 9 characters, attitudes not yet applied), whatever its format.
struct ElementSetsRead {
  std::vector<ElementSet> sets;
  std::vector<std::string> fullNames;  // as read, for SATS
  ElementLoadCounts counts;            // format, read and skipped filled in
};
ElementSetsRead ReadElementSets(std::string_view text);

// Whether "SATS = " (names or catalog numbers, comma-separated, names without
// regard to case) names this set. An empty selection names every set.
bool SatsSelects(const std::vector<std::string>& selection, const ElementSet& sat,
                 const std::string& fullName);
std::vector<std::string> SplitSats(std::string_view value);

enum class LoadOutcome {
  Loaded,             // elements, attitudes and station read
  MissingElementFile, // unreadable, empty or without a usable set: nothing changed
  MissingConfigFile,  // elements stored; state.Config holds no config.txt
};

// A file that is missing or cannot be read counts as missing, and so does an
// element file without a usable set; the report says which one and why.
struct LoadReport {
  LoadOutcome outcome = LoadOutcome::Loaded;
  std::string file;    // bare name of the file not read
  std::string reason;  // the system's few words, e.g. "no such file or directory"
  ElementLoadCounts counts;
  // For callers that only tell the outcomes apart.
  operator LoadOutcome() const { return outcome; }  // NOLINT(google-explicit-constructor)
};

// The start-up load: the element file named by state.ElementFileName in the
// program directory, the sets that SATS of state.Config picks, then the
// settings taken into use over them (UseSettings). config.txt is not read here.
LoadReport LoadElements(const std::filesystem::path& programDir, TrackerState& state);

}  // namespace rdz
