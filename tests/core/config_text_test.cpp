// config.txt as the editor reads and writes it.
#include "config/config_text.h"

#include <gtest/gtest.h>

#include "core/temp_dir.h"

namespace rdz::test {
namespace {

TEST(ConfigEditorText, DropsEmptyLinesAndKeepsEveryOtherLine) {
  TempDir dir;
  dir.Write("config.txt", "LA = 46.5\r\n\r\n\rLO = 8.95\rHT = 420\nstill HT\r\n");
  const EditorText read = ReadConfigForEditor(dir.path() / "config.txt");
  EXPECT_TRUE(read.readable);
  // A lone LF is no line end when reading; it stays inside its line.
  EXPECT_EQ(read.text, "LA = 46.5\r\nLO = 8.95\r\nHT = 420\nstill HT\r\n");

  std::string forty;
  for (int i = 1; i <= 40; ++i) forty += "line " + std::to_string(i) + "\r\n\r\n";
  dir.Write("config.txt", forty);
  const std::string all = ReadConfigForEditor(dir.path() / "config.txt").text;
  EXPECT_EQ(all.find("line 40\r\n"), all.size() - 9);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 40);
}

TEST(ConfigEditorText, SavingAddsOneLineEndAndASecondRoundTripChangesNothing) {
  TempDir dir;
  const auto file = dir.path() / "config.txt";
  dir.Write("config.txt", "LA = 46.5\r\n\r\nLO = 8.95");
  // The text box separates lines with LF.
  ASSERT_TRUE(SaveConfigFromEditor(file, "LA = 46.5\nLO = 8.95\n"));
  EXPECT_EQ(dir.Read("config.txt"), "LA = 46.5\r\nLO = 8.95\r\n\r\n");
  const std::string once = dir.Read("config.txt");
  ASSERT_TRUE(SaveConfigFromEditor(file, ReadConfigForEditor(file).text));
  EXPECT_EQ(dir.Read("config.txt"), once);
  EXPECT_EQ(ConfigFileBytes(""), "\r\n");
  EXPECT_EQ(ConfigFileBytes("a\r\nb"), "a\r\nb\r\n");
}

TEST(ConfigEditorText, MissingFileIsEmptyButAnUnreadableOneIsNotSavedOver) {
  TempDir dir;
  const EditorText missing = ReadConfigForEditor(dir.path() / "config.txt");
  EXPECT_TRUE(missing.readable);
  EXPECT_EQ(missing.text, "");

  std::filesystem::create_directory(dir.path() / "config.txt");
  EXPECT_FALSE(ReadConfigForEditor(dir.path() / "config.txt").readable);
  EXPECT_FALSE(SaveConfigFromEditor(dir.path() / "gone" / "config.txt", "LA = 1\n"));
}

}  // namespace
}  // namespace rdz::test
