#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `map` and `sky`: the window program's pictures drawn offscreen into a PNG
// file. Returns the process exit status.
int RunPictureCommand(const CliCall& call);

}  // namespace rdz
