#include "core/base/program_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <system_error>

#include "core/base/executable_directory.h"

namespace rdz {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSampleNames[] = {"amateur.txt", "config.txt"};

fs::path UserDataDir(const UserFolders& folders) {
  // The base directory rules ignore a relative XDG_DATA_HOME.
  if (folders.xdgDataHome != nullptr && folders.xdgDataHome[0] == '/') {
    return fs::path(folders.xdgDataHome) / "rodedizevad";
  }
  if (folders.home != nullptr && folders.home[0] != '\0') {
    return fs::path(folders.home) / ".local" / "share" / "rodedizevad";
  }
  return {};
}

}  // namespace

fs::path InstalledSamplesDir(const fs::path& executableDir) {
  return executableDir.parent_path() / "share" / "rodedizevad";
}

ProgramDirectory PrepareProgramDirectory(const fs::path& executableDir, const UserFolders& folders) {
  const fs::path samples = InstalledSamplesDir(executableDir);
  std::error_code ec;
  // Root may write anywhere, so an installed program is known by its layout first.
  const bool installed = fs::is_regular_file(samples / kSampleNames[0], ec) ||
                         ::access(executableDir.c_str(), W_OK) != 0;
  if (!installed) return {executableDir, {}};

  const fs::path dir = UserDataDir(folders);
  if (dir.empty()) return {executableDir, "neither XDG_DATA_HOME nor HOME is set"};
  fs::create_directories(dir, ec);
  if (ec) return {dir, "cannot create " + dir.string() + " (" + ec.message() + ")"};
  std::string problem;
  for (const char* name : kSampleNames) {
    const fs::path source = samples / name;
    if (!fs::exists(source, ec)) continue;
    // Never over the user's own file, not even over a broken link to one.
    if (fs::symlink_status(dir / name, ec).type() != fs::file_type::not_found) continue;
    fs::copy_file(source, dir / name, fs::copy_options::none, ec);
    if (ec && problem.empty()) problem = "cannot place " + (dir / name).string() + " (" + ec.message() + ")";
  }
  return {dir, problem};
}

ProgramDirectory PrepareProgramDirectory() {
  return PrepareProgramDirectory(ExecutableDirectory(),
                                 {std::getenv("XDG_DATA_HOME"), std::getenv("HOME")});
}

}  // namespace rdz
