#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `doppler [--dir DIR] [--file NAME] SAT DATE TIME`: the range rate of SAT at
// that UTC instant, then per transponder its description, nominal and
// corrected downlink, nominal and corrected uplink in whole Hz ("-" for a
// missing link), the corrected ones where offsets.txt places the transponder,
// then "offset N" (Hz) when it does. SAT is the table entry (from 1), else a
// catalog number, else a name.
int RunDoppler(const CliCall& call);

}  // namespace rdz
