#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `watch [--dir DIR] [--file NAME] [--seconds N] [SAT...]`: the alerts of
// the named satellites (else those of ALERTSATS) in real time, one line per
// event as ALERTCOMMAND gets its arguments (event, name, catalog number, UTC
// time, azimuth, elevation), running that program at each. Until N seconds
// have passed or SIGINT/SIGTERM; status 1 when a program run failed.
// `args` starts with "watch".
int RunWatch(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
             std::ostream& out, std::ostream& err);

}  // namespace rdz
