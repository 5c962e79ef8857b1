#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `passes --summary` or `passes --ics`: the pass list of one satellite or of
// the whole table over days, as CSV or as a calendar.
int RunPassSummary(const CliCall& call);

}  // namespace rdz
