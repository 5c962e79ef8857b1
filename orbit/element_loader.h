#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "orbit/tracker_state.h"
#include "platform/program_files.h"

namespace rdz {

// Reads element-file lines into the table: one 12-line block per "Satellite:"
// line, entries from 1 up to the table's capacity (later blocks are skipped).
// Returns the number of blocks stored. A block cut short by the end of the
// text is not counted.
int ReadElementBlocks(const std::vector<std::string>& lines, ElementTable& table);

enum class LoadOutcome {
  Loaded,             // elements, attitudes and station read
  MissingElementFile, // nothing changed
  MissingConfigFile,  // elements stored with default attitudes; station unchanged
};

// A file that is missing or cannot be read counts as missing; the report says
// which one and why.
struct LoadReport {
  LoadOutcome outcome = LoadOutcome::Loaded;
  std::string file;    // bare name of the file not read
  std::string reason;  // the system's few words, e.g. "no such file or directory"
  // For callers that only tell the outcomes apart.
  operator LoadOutcome() const { return outcome; }  // NOLINT(google-explicit-constructor)
};

// The start-up load: the element file named by state.ElementFileName in the
// program directory, each satellite's attitude from config.txt, then the
// station keys and TEMPOSCANN. config.txt is read once.
LoadReport LoadElements(const std::filesystem::path& programDir, TrackerState& state);

}  // namespace rdz
