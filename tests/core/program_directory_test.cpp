// Where an installed program keeps the user's files, and that it never replaces them.
#include <gtest/gtest.h>

#include <fstream>

#include "core/temp_dir.h"
#include "platform/program_directory.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

class ProgramDirectoryTest : public ::testing::Test {
 protected:
  ProgramDirectoryTest() { fs::create_directories(bin); }
  void InstallSamples() {
    fs::create_directories(root.path() / "share" / "rodedizevad");
    root.Write("share/rodedizevad/amateur.txt", "elements\r\n");
    root.Write("share/rodedizevad/config.txt", "LA = 1\r\n");
  }
  test::TempDir root, user;
  fs::path bin = root.path() / "bin";
};

TEST_F(ProgramDirectoryTest, TheBuildFolderStaysTheProgramDirectory) {
  const std::string xdg = user.path() / "xdg";
  const ProgramDirectory got = PrepareProgramDirectory(bin, {xdg.c_str(), user.path().c_str()});
  EXPECT_EQ(got.dir, bin);
  EXPECT_EQ(got.problem, "");
  EXPECT_FALSE(fs::exists(xdg));
}

TEST_F(ProgramDirectoryTest, InstalledTheSamplesArePlacedOnceAndNeverOverTheUsersFiles) {
  InstallSamples();
  const std::string xdg = (user.path() / "xdg").string();
  const fs::path dir = user.path() / "xdg" / "rodedizevad";
  ProgramDirectory got = PrepareProgramDirectory(bin, {xdg.c_str(), nullptr});
  EXPECT_EQ(got.dir, dir);
  EXPECT_EQ(got.problem, "");
  EXPECT_EQ(user.Read("xdg/rodedizevad/config.txt"), "LA = 1\r\n");

  // The user's own config and a link of theirs that points nowhere both stay.
  user.Write("xdg/rodedizevad/config.txt", "LA = 2\r\n");
  fs::remove(dir / "amateur.txt");
  fs::create_symlink(user.path() / "gone.txt", dir / "amateur.txt");
  got = PrepareProgramDirectory(bin, {xdg.c_str(), nullptr});
  EXPECT_EQ(user.Read("xdg/rodedizevad/config.txt"), "LA = 2\r\n");
  EXPECT_TRUE(fs::is_symlink(dir / "amateur.txt"));
  EXPECT_FALSE(fs::exists(user.path() / "gone.txt"));

  // A relative XDG_DATA_HOME does not count; without HOME either there is nowhere to go.
  got = PrepareProgramDirectory(bin, {"relative", user.path().c_str()});
  EXPECT_EQ(got.dir, user.path() / ".local" / "share" / "rodedizevad");
  got = PrepareProgramDirectory(bin, {nullptr, nullptr});
  EXPECT_NE(got.problem, "");
}

}  // namespace
}  // namespace rdz
