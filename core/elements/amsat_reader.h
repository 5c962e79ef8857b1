#pragma once
#include <string>
#include <vector>

#include "core/elements/element_set.h"

namespace rdz {

// Sets read straight as table entries for the program's own model: no SGP4
// mean elements behind them.
struct KeplerSets {
  std::vector<ElementSet> sets;        // in file order, names cut or padded to kEntryNameWidth
  std::vector<std::string> fullNames;  // as read, for SATS
  int skippedIncomplete = 0;           // a set cut short by the end of the text
};

// The AMSAT format: one 12-line block per line that starts with "Satellite:",
// each field at a fixed column. Every whole block, in file order.
void ReadAmsatSets(const std::vector<std::string>& lines, KeplerSets& out);

// True when a line starts with "Satellite:".
bool LooksLikeAmsat(const std::vector<std::string>& lines);

}  // namespace rdz
