#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/mean_elements.h"

namespace rdz {

// True when column 69 holds the sum of the digits of columns 1 to 68 (a minus
// sign counts 1) modulo 10.
bool TleChecksumOk(std::string_view line);

// The 5-character catalog field: digits, or Alpha-5 (a letter other than I and O
// for the leading two digits, so that "A0001" is 100001).
std::optional<std::uint32_t> ReadTleCatalogNumber(std::string_view field);

// Reads one set from its two element lines; the checksums are not looked at.
// Nothing when a field cannot be read or the lines do not belong together.
std::optional<MeanElementSet> ParseTleSet(std::string_view name, std::string_view line1,
                                          std::string_view line2);

// Reads every set of a TLE text given as lines (two or three lines per set).
void ReadTleLines(const std::vector<std::string>& lines, MeanElementFile& file);

// True when the lines hold a TLE element line 1 followed by a line 2.
bool LooksLikeTle(const std::vector<std::string>& lines);

}  // namespace rdz
