#pragma once
#include "programs/cli/cli_command.h"
#include "core/ports/rig.h"
#include "core/ports/rotor.h"

namespace rdz {

// `track [--dir DIR] [--file NAME] [--seconds N] SAT`: drives the rotor that
// config.txt names after satellite SAT in real time, one line per command the
// rotor accepted (UTC time, az el, read-back az el), until N seconds have
// passed or SIGINT/SIGTERM arrives; then it parks when config.txt asks for it.
// The radio config.txt names (RIG) is kept on the satellite's first
// transponder beside it. A device that stops answering is tried again, with
// a line on `err`; the status is 1 when one had not answered, or had
// stopped answering, at the end.
int RunTrack(const CliCall& call, RotorLibrary& library, RigLibrary& rigs);

}  // namespace rdz
