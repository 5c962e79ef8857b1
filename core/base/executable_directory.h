#pragma once
#include <filesystem>

namespace rdz {

// The directory that holds the running executable: the program directory,
// where the user's element and configuration files live.
std::filesystem::path ExecutableDirectory();

}  // namespace rdz
