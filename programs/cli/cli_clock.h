#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `clock [--dir DIR] [--server HOST[:PORT]]`: one SNTP query, then "offset S"
// (PC clock minus server) and "delay S" lines. The server comes from --server,
// else from NTPSERVER in DIR's config.txt, else the public pool.
int RunClock(const CliCall& call, SntpClient& sntp);

}  // namespace rdz
