#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "orbit/tracker_state.h"

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

// The start-up load: the element file named by state.ElementFileName in the
// program directory, each satellite's attitude from config.txt, then the
// station keys and TEMPOSCANN.
LoadOutcome LoadElements(const std::filesystem::path& programDir, TrackerState& state);

}  // namespace rdz
