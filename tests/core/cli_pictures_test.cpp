// The picture commands of the command-line executable: PNG files of the asked size.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/wait.h>

#include "core/temp_dir.h"

namespace rdz {
namespace {

// Width and height from a PNG's header; nothing for any other file.
std::pair<unsigned, unsigned> PngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char h[24] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h) || std::memcmp(h + 1, "PNG", 3) != 0) return {};
  const auto be = [&](int at) { return unsigned{h[at]} << 24 | unsigned{h[at + 1]} << 16 | unsigned{h[at + 2]} << 8 | h[at + 3]; };
  return {be(16), be(20)};
}

class CliPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("amateur.txt", test::SampleElements());
    dir.Write("config.txt", test::CrLf({"LA = 46.5", "LO = 8.95", "HT = 420"}));
  }
  int Run(const std::string& args) const {
    const std::string command = std::string(RDZ_CLI_PATH) + " " + args + " --dir " +
                                dir.path().string() + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  test::TempDir dir;
};

TEST_F(CliPictures, MapAndSkyWritePngsAndRefuseBadRequests) {
  const auto map = dir.path() / "map.png", sky = dir.path() / "sky.png";
  ASSERT_EQ(Run("map --width 640 --out " + map.string() + " 11/05/2026 10:00:00"), 0);
  EXPECT_EQ(PngSize(map), std::pair(640u, 320u));
  // Every set of the file draws the sets past the table's 80 too.
  const auto all = dir.path() / "all.png";
  ASSERT_EQ(Run("map --width 640 --catalog --out " + all.string() + " 11/05/2026 10:00:00"), 0);
  EXPECT_EQ(PngSize(all), std::pair(640u, 320u));
  EXPECT_NE(dir.Read("all.png"), dir.Read("map.png"));
  ASSERT_EQ(Run("sky --out " + sky.string() + " 3 11/05/2026 10:00:00"), 0);
  EXPECT_EQ(PngSize(sky).first, 600u);

  const std::pair<const char*, int> bad[] = {
      {"map --width 10 --out x.png 11/05/2026 10:00:00", 2},
      {"map --out /nonexistent/dir/x.png 11/05/2026 10:00:00", 1},
  };
  for (const auto& [args, status] : bad) EXPECT_EQ(Run(args), status) << args;
}

}  // namespace
}  // namespace rdz
