#pragma once
#include <filesystem>
#include <string>

namespace rdz {

// Where amateur.txt and config.txt live. Run from its build folder the program
// keeps them beside the executable. Installed (the samples shipped in
// ../share/rodedizevad, or a folder the user cannot write) it keeps them in
// $XDG_DATA_HOME/rodedizevad (else ~/.local/share/rodedizevad), which the first
// start creates and fills with the samples; files already there are never replaced.
struct ProgramDirectory {
  std::filesystem::path dir;
  std::string problem;  // why the folder could not be prepared; empty when it was
};

struct UserFolders {
  const char* xdgDataHome = nullptr;  // the environment's values, null when unset
  const char* home = nullptr;
};

ProgramDirectory PrepareProgramDirectory(const std::filesystem::path& executableDir,
                                         const UserFolders& folders);

// The same for the running program, from its executable and its environment.
ProgramDirectory PrepareProgramDirectory();

// The shipped samples of an installed program, relative to its executable's folder.
std::filesystem::path InstalledSamplesDir(const std::filesystem::path& executableDir);

}  // namespace rdz
