#include "core/base/windows_drive_path.h"

#include <cctype>
#include <system_error>

namespace rdz {

std::optional<std::filesystem::path> WindowsDrivePath(std::string_view windowsPath) {
  const bool hasDrive = windowsPath.size() >= 3 &&
                        std::isalpha(static_cast<unsigned char>(windowsPath[0])) != 0 &&
                        windowsPath[1] == ':' && windowsPath[2] == '\\';
  if (!hasDrive) return std::nullopt;
#ifdef _WIN32
  std::error_code ec;
  const std::filesystem::path root(std::string(windowsPath.substr(0, 3)));
  if (std::filesystem::is_directory(root, ec)) return std::filesystem::path(std::string(windowsPath));
#endif
  return std::nullopt;
}

}  // namespace rdz
