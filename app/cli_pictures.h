#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `map` and `sky`: the window program's pictures drawn offscreen into a PNG
// file. `args` starts with the command. Returns the process exit status.
int RunPictureCommand(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                      std::ostream& out, std::ostream& err);

}  // namespace rdz
