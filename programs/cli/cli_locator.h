#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `locator LOCATOR`: the centre of the square, "lat" and "lon" in degrees on
// two lines. `locator LAT LON`: the 6-character locator of that point.
int RunLocator(const CliCall& call);

}  // namespace rdz
