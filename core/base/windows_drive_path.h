#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace rdz {

// A path written for a Windows drive ("d:\folder\file") as a path of this
// system: only where that drive exists. Elsewhere there is none, so that no
// file with backslashes in its name is ever created.
std::optional<std::filesystem::path> WindowsDrivePath(std::string_view windowsPath);

}  // namespace rdz
