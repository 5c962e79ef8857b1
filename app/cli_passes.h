#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `passes [--dir DIR] [--file NAME] SAT DATE TIME`: the forecast text of
// satellite SAT with sample k at DATE TIME UTC plus 2k minutes, CR LF written
// as a line feed. `args` starts with the command name.
int RunPassesCli(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                 std::ostream& out, std::ostream& err);

}  // namespace rdz
