// Where an installed program keeps the user's files, and that it never replaces them.
// (tests/packaging/install_test.sh runs the installed companion the same way.)
#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "platform/program_directory.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDirectory, InstalledTheSamplesArePlacedOnceAndNeverOverTheUsersFiles) {
  test::TempDir root, user;
  const fs::path bin = root.path() / "bin", dir = user.path() / "xdg" / "rodedizevad";
  fs::create_directories(bin);
  EXPECT_EQ(PrepareProgramDirectory(bin, {nullptr, user.path().c_str()}).dir, bin);  // a build folder

  fs::create_directories(root.path() / "share" / "rodedizevad");
  root.Write("share/rodedizevad/amateur.txt", "elements\r\n");
  root.Write("share/rodedizevad/config.txt", "LA = 1\r\n");
  const std::string xdg = (user.path() / "xdg").string();
  EXPECT_EQ(PrepareProgramDirectory(bin, {xdg.c_str(), nullptr}).dir, dir);
  EXPECT_EQ(user.Read("xdg/rodedizevad/config.txt"), "LA = 1\r\n");

  // The user's own config and a link of theirs that points nowhere both stay.
  user.Write("xdg/rodedizevad/config.txt", "LA = 2\r\n");
  fs::remove(dir / "amateur.txt");
  fs::create_symlink(user.path() / "gone.txt", dir / "amateur.txt");
  EXPECT_EQ(PrepareProgramDirectory(bin, {xdg.c_str(), nullptr}).problem, "");
  EXPECT_EQ(user.Read("xdg/rodedizevad/config.txt"), "LA = 2\r\n");
  EXPECT_FALSE(fs::exists(user.path() / "gone.txt"));
  EXPECT_NE(PrepareProgramDirectory(bin, {"relative", nullptr}).problem, "");
}

}  // namespace
}  // namespace rdz
