#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `doppler [--dir DIR] [--file NAME] SAT DATE TIME`: the range rate of SAT at
// that UTC instant, then per transponder its description, nominal and
// corrected downlink, nominal and corrected uplink in whole Hz ("-" for a
// missing link), the corrected ones where offsets.txt places the transponder,
// then "offset N" (Hz) when it does. SAT is the table entry (from 1), else a catalog number,
// else a name. `args` starts with "doppler".
int RunDoppler(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
               std::ostream& out, std::ostream& err);

}  // namespace rdz
