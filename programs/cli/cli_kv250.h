#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `kv250 AZ EL`: the bytes one rotor transfer writes for that direction,
// space-separated on one line. Touches no port.
int RunKv250(const CliCall& call);

}  // namespace rdz
