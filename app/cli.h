#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sntp.h"

namespace rdz {

// The command-line companion: `table` and `state` over the same load and
// engine as the window program. `args` excludes the program name.
// Returns the process exit status; output appears only when the command succeeds.
// `clock` needs an SNTP client; without one it is an unknown command.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
           std::ostream& out, std::ostream& err, SntpClient* sntp = nullptr);

}  // namespace rdz
