#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sntp.h"

namespace rdz {

// `clock [--dir DIR] [--server HOST[:PORT]]`: one SNTP query, then "offset S"
// (PC clock minus server) and "delay S" lines. The server comes from --server,
// else from NTPSERVER in DIR's config.txt, else the public pool.
int RunClock(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
             SntpClient& sntp, std::ostream& out, std::ostream& err);

}  // namespace rdz
