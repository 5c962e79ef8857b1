#pragma once
#include <optional>
#include <string>

#include "core/load/tracker_state.h"

namespace rdz {

// The menu command that fetches new elements into the file the table was loaded from.
std::string FetchCommandFor(const std::string& elementFileName);

// What the window shows about the age of the loaded elements at utc.
struct ElementAgeTexts {
  std::string selected;  // "AO-07 age 3.2 d" for the selected row, empty for none
  std::string warning;   // empty unless the newest epoch is more than AGEWARN days old
};

// selectedRow counts from 0 (Option1's index); others select nothing.
ElementAgeTexts ElementAgeAt(const TrackerState& state, int selectedRow, const CivilTime& utc);

}  // namespace rdz
