#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/temp_dir.h"
#include "platform/atomic_file.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

long Entries(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

mode_t Mode(const fs::path& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 0777;
}

TEST(AtomicFile, ReplacesTheWholeFileKeepingItsModeAndClearsStaleTemporaries) {
  test::TempDir dir;
  dir.Write("config.txt", "a much longer old content\r\n");
  ::chmod((dir.path() / "config.txt").c_str(), 0600);
  // Left by a write that was killed; a look-alike of another file stays.
  dir.Write(".config.txt.a1B2c3", "half");
  dir.Write(".config.txt.keep", "user's");
  dir.Write(".amateur.txt.a1B2c3", "other");
  ASSERT_TRUE(WriteFileAtomically(dir.path() / "config.txt", "new\r\n").ok);
  EXPECT_EQ(dir.Read("config.txt"), "new\r\n");
  EXPECT_EQ(Mode(dir.path() / "config.txt"), 0600u);
  EXPECT_FALSE(fs::exists(dir.path() / ".config.txt.a1B2c3"));
  EXPECT_EQ(Entries(dir.path()), 3);
}

TEST(AtomicFile, RefusesWhatIsNotAWritableRegularFileAndSaysWhy) {
  test::TempDir dir;
  fs::create_directory(dir.path() / "folder");
  dir.Write("folder/inside", "y");
  ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0644), 0);
  dir.Write("locked", "old");
  ::chmod((dir.path() / "locked").c_str(), 0444);
  struct Case {
    const char* name;
    const char* reason;
  };
  for (const Case c : {Case{"folder", "not a regular file"}, Case{"fifo", "not a regular file"},
                       Case{"locked", "file is read-only"},
                       Case{"no-such-folder/file", "no such file or directory"}}) {
    const WriteOutcome out = WriteFileAtomically(dir.path() / c.name, "x");
    EXPECT_FALSE(out.ok) << c.name;
    EXPECT_EQ(out.reason, c.reason) << c.name;
  }
  EXPECT_EQ(dir.Read("folder/inside"), "y");
  EXPECT_EQ(dir.Read("locked"), "old");
  EXPECT_EQ(Entries(dir.path()), 3);  // no temporary left
}

TEST(AtomicFile, FollowsLinksAndReplacesTheTargetInItsOwnFolder) {
  test::TempDir dir;
  fs::create_directory(dir.path() / "real");
  dir.Write("real/amateur.txt", "old");
  fs::create_symlink("real/amateur.txt", dir.path() / "hop");
  fs::create_symlink("hop", dir.path() / "amateur.txt");
  ASSERT_TRUE(WriteFileAtomically(dir.path() / "amateur.txt", "new").ok);
  EXPECT_TRUE(fs::is_symlink(dir.path() / "amateur.txt"));
  EXPECT_EQ(dir.Read("real/amateur.txt"), "new");
  EXPECT_EQ(Entries(dir.path()), 3);
  EXPECT_EQ(Entries(dir.path() / "real"), 1);

  // A link to a file not there yet creates it; a loop of links is refused.
  fs::create_symlink("real/fresh.txt", dir.path() / "fresh.txt");
  EXPECT_TRUE(WriteFileAtomically(dir.path() / "fresh.txt", "made").ok);
  EXPECT_EQ(dir.Read("real/fresh.txt"), "made");
  fs::create_symlink("loop", dir.path() / "loop");
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "loop", "x").ok);
}

}  // namespace
}  // namespace rdz
