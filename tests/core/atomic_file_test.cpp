#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/temp_dir.h"
#include "platform/atomic_file.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheWholeFileOrNothingAndLeavesNoTemporaryBehind) {
  test::TempDir dir;
  const auto entries = [&] {
    return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
  };
  dir.Write("config.txt", "a much longer old content\r\n");
  ::chmod((dir.path() / "config.txt").c_str(), 0600);
  ASSERT_TRUE(WriteFileAtomically(dir.path() / "config.txt", "new\r\n").ok);
  EXPECT_EQ(dir.Read("config.txt"), "new\r\n");
  struct stat st {};
  ASSERT_EQ(::stat((dir.path() / "config.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(entries(), 1);

  // A directory in the way of the rename: the rename fails and the temporary goes.
  fs::create_directory(dir.path() / "taken");
  dir.Write("taken/inside", "y");
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "taken", "x").ok);
  EXPECT_EQ(dir.Read("taken/inside"), "y");
  EXPECT_EQ(entries(), 2);
}

}  // namespace
}  // namespace rdz
