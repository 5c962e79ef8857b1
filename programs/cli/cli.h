#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "programs/cli/cli_command.h"

namespace rdz {

// The command-line companion over the same load and engine as the window
// program. `args` excludes the program name. Returns the process exit status;
// output appears only when the command succeeds.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
           std::ostream& out, std::ostream& err, const CliServices& services = {});

}  // namespace rdz
