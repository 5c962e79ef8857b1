#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `watch [--dir DIR] [--file NAME] [--seconds N] [SAT...]`: the alerts of
// the named satellites (else those of ALERTSATS) in real time, one line per
// event as ALERTCOMMAND gets its arguments (event, name, catalog number, UTC
// time, azimuth, elevation), running that program at each. Until N seconds
// have passed or SIGINT/SIGTERM; status 1 when a program run failed.
int RunWatch(const CliCall& call);

}  // namespace rdz
