#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `state SUN DATE TIME` and `state MOON DATE TIME`: where the body stands for
// the station of config.txt, geometric (no refraction): az, el, range (km),
// sublat and sublon, one per line as a satellite's state.
bool IsBodyState(const std::vector<std::string>& args);
int RunBodyState(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                 std::ostream& out, std::ostream& err);

}  // namespace rdz
