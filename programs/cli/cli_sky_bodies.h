#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `state SUN|MOON DATE TIME`: where the body stands for the station of
// config.txt, geometric (no refraction): az, el, range (km), sublat and
// sublon, one per line as a satellite's state. Any other SAT: the satellite's.
int RunStateOfSatelliteOrBody(const CliCall& call);

}  // namespace rdz
