#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// The commands of one instant over the element file: the live table, every
// value of one satellite, the entries with their ages, and the forecast list
// (or, with --summary or --ics, the pass list over days).
int RunTable(const CliCall& call);
int RunState(const CliCall& call);
int RunElements(const CliCall& call);
int RunPasses(const CliCall& call);

}  // namespace rdz
