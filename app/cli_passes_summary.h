#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `passes --summary` or `passes --ics`: the pass list of one satellite or of
// the whole table over days, as CSV or as a calendar.
bool IsPassSummary(const std::vector<std::string>& args);
int RunPassSummary(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                   std::ostream& out, std::ostream& err);

}  // namespace rdz
