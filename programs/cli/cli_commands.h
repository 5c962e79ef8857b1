#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// The command table of rodedizevad-cli: usage, help, manual page, completion
// and dispatch all come from it. A new command is one entry here.
const CliCommands& CommandTable();

}  // namespace rdz
