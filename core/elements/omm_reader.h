#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/mean_elements.h"

namespace rdz {

// OMM keywords (upper case) and their values as text.
using OmmFields = std::map<std::string, std::string, std::less<>>;

// "YYYY-MM-DDThh:mm:ss[.fff][Z]" or "YYYY-DDDThh:mm:ss[.fff][Z]" into the set's epoch.
bool ReadIsoEpoch(std::string_view text, MeanElementSet& set);

// One OMM record from its keywords; the reason when it cannot be used.
std::optional<MeanElementSet> OmmFromFields(const OmmFields& fields, ElementFormat format,
                                            SkipReason& why);

// CelesTrak CSV: a header line of keywords, then one line per set.
void ReadOmmCsv(const std::vector<std::string>& lines, MeanElementFile& file);

// True when the first line is a CSV header naming EPOCH and MEAN_MOTION.
bool LooksLikeOmmCsv(const std::vector<std::string>& lines);

// CCSDS OMM XML: one <omm> element per set.
void ReadOmmXml(std::string_view text, MeanElementFile& file);

// CelesTrak JSON: an array of flat objects keyed as the CSV header (or one object).
void ReadOmmJson(std::string_view text, MeanElementFile& file);

}  // namespace rdz
