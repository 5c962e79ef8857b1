#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "core/temp_dir.h"
#include "core/base/atomic_file.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

long Entries(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// A process number that no running process has.
pid_t GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(AtomicFile, ReplacesTheWholeFileKeepingItsModeAndClearsOnlyDeadWritersTemporaries) {
  test::TempDir dir;
  dir.Write("config.txt", "a much longer old content\r\n");
  ::chmod((dir.path() / "config.txt").c_str(), 0600);
  const std::string dead = ".config.txt." + std::to_string(GonePid()) + ".a1B2c3";
  dir.Write(dead, "half");
  // A live writer's (init), the user's own, another file's.
  for (const char* kept : {".config.txt.1.a1B2c3", ".config.txt.keep", ".amateur.txt.999999.a1B2c3"}) dir.Write(kept, "x");
  ASSERT_TRUE(WriteFileAtomically(dir.path() / "config.txt", "new\r\n").ok);
  EXPECT_EQ(dir.Read("config.txt"), "new\r\n");
  EXPECT_EQ(fs::status(dir.path() / "config.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(fs::exists(dir.path() / dead));
  EXPECT_EQ(Entries(dir.path()), 4);
}

// Two programs on one folder: neither removes the other's temporary mid-write.
TEST(AtomicFile, WritersInTwoProcessesNeverFail) {
  test::TempDir dir;
  const auto writeMany = [&](char c) {
    int failures = 0;
    for (int i = 0; i < 40; ++i) failures += !WriteFileAtomically(dir.path() / "a.txt", std::string(20000, c)).ok;
    return failures;
  };
  const pid_t other = ::fork();
  if (other == 0) ::_exit(writeMany('b'));
  EXPECT_EQ(writeMany('a'), 0);
  int status = -1;
  ::waitpid(other, &status, 0);
  EXPECT_EQ(status, 0);  // exited with no failure
  EXPECT_EQ(Entries(dir.path()), 1);
}

TEST(AtomicFile, RefusesWhatIsNotAWritableRegularFileAndSaysWhy) {
  test::TempDir dir;
  fs::create_directory(dir.path() / "folder");
  dir.Write("folder/inside", "y");
  ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0644), 0);
  dir.Write("locked", "old");
  ::chmod((dir.path() / "locked").c_str(), 0444);
  for (const auto& [name, reason] : {std::pair{"folder", "not a regular file"}, {"fifo", "not a regular file"},
                                     {"locked", "file is read-only"}, {"no-such-folder/file", "no such file or directory"}}) {
    const WriteOutcome out = WriteFileAtomically(dir.path() / name, "x");
    EXPECT_EQ(std::pair(out.ok, out.reason), std::pair(false, std::string(reason))) << name;
  }
  EXPECT_EQ(dir.Read("folder/inside") + dir.Read("locked"), "yold");
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
  EXPECT_EQ(Entries(dir.path()) * 10 + Entries(dir.path() / "real"), 31);

  // A link to a file not there is refused and creates nothing; so is a loop of links.
  fs::create_symlink("../outside.txt", dir.path() / "real" / "fresh.txt");
  EXPECT_EQ(WriteFileAtomically(dir.path() / "real" / "fresh.txt", "made").reason,
            "the link's target does not exist");
  EXPECT_FALSE(fs::exists(dir.path() / "outside.txt"));
  fs::create_symlink("loop", dir.path() / "loop");
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "loop", "x").ok);
}

}  // namespace
}  // namespace rdz
