#include "core/table/element_age.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/table/live_table.h"
#include "core/orbit/sgp4_model.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

std::string OneDecimal(double days) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", days);
  return buffer;
}

}  // namespace

std::string FetchCommandFor(const std::string& elementFileName) {
  static constexpr std::pair<const char*, const char*> kCommands[] = {
      {"amateur1.txt", "AMSAT Kepler Internet"},  {"geo.txt", "GEO Kepler Internet"},
      {"gps.txt", "GPS Kepler Internet"},         {"military.txt", "Military Kepler Internet"},
      {"leo.txt", "LEO Kepler Internet"},         {"shuttle.txt", "SHUTTLE Kepler Internet"}};
  for (const auto& [file, command] : kCommands) {
    if (elementFileName == file) return std::string("Menu > ") + command;
  }
  return "Menu > AMSAT Kepler UDPATE";
}

ElementAgeTexts ElementAgeAt(const TrackerState& state, int selectedRow, const CivilTime& utc) {
  ElementAgeTexts texts;
  // Option 60 is "tracker off", even when the table holds more than 60 sets.
  if (selectedRow >= 0 && selectedRow < std::min(state.SatCount, kTableRows)) {
    const ElementSet& sat = state.Elements[selectedRow + 1];
    const auto age = AgeDays(sat, utc);
    texts.selected = std::string(TrimBlanks(sat.Name)) + " age " + (age ? OneDecimal(*age) : "?") + " d";
  }
  double youngest = std::numeric_limits<double>::infinity();
  for (int k = 1; k <= state.SatCount; ++k) {
    if (const auto age = AgeDays(state.Elements[k], utc); age && *age < youngest) youngest = *age;
  }
  if (youngest != std::numeric_limits<double>::infinity() && youngest > state.AGEWARN) {
    texts.warning = "Newest elements are " + OneDecimal(youngest) +
                    " days old: fetch new ones with " + FetchCommandFor(state.ElementFileName);
  }
  return texts;
}

}  // namespace rdz
