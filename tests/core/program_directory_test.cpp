// Where an installed program keeps the user's files, and that it never replaces them.
// (tests/packaging/install_test.sh runs the installed companion for the rest.)
#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "core/base/program_directory.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

// An installed program's samples go to the user's folder once, never over a file
// of theirs, not even through a link of theirs that points nowhere.
TEST(ProgramDirectory, InstalledTheSamplesNeverGoOverTheUsersFiles) {
  test::TempDir root, user;
  const fs::path bin = root.path() / "bin", dir = user.path() / "rodedizevad";
  for (const fs::path& folder : {bin, root.path() / "share" / "rodedizevad", dir}) fs::create_directories(folder);
  root.Write("share/rodedizevad/amateur.txt", "elements\r\n");
  root.Write("share/rodedizevad/config.txt", "LA = 1\r\n");
  user.Write("rodedizevad/config.txt", "LA = 2\r\n");
  fs::create_symlink(user.path() / "gone.txt", dir / "amateur.txt");
  const std::string xdg = user.path().string();
  const ProgramDirectory placed = PrepareProgramDirectory(bin, {xdg.c_str(), nullptr});
  EXPECT_TRUE(placed.dir == dir && placed.problem.empty()) << placed.problem;
  EXPECT_EQ(user.Read("rodedizevad/config.txt"), "LA = 2\r\n");
  EXPECT_FALSE(fs::exists(user.path() / "gone.txt"));
  EXPECT_NE(PrepareProgramDirectory(bin, {"relative", nullptr}).problem, "");
}

}  // namespace
}  // namespace rdz
