// config.txt as the editor reads and writes it.
#include "config/config_text.h"

#include <gtest/gtest.h>

#include "core/temp_dir.h"

namespace rdz::test {
namespace {

TEST(ConfigEditorText, EveryNonEmptyLineIsKeptAndWrittenWithCrLf) {
  TempDir dir;
  const auto file = dir.path() / "config.txt";
  EXPECT_EQ(ReadConfigForEditor(file).text, "");  // missing: empty, and saving creates it
  std::string forty = "\r\r\n";
  for (int i = 1; i <= 40; ++i) forty += "X" + std::to_string(i) + "\r\n\r\n";
  dir.Write("config.txt", forty + "a lone LF\nstays inside\r");
  const std::string text = ReadConfigForEditor(file).text;
  EXPECT_EQ(text.substr(text.size() - 29), "X40\r\na lone LF\nstays inside\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 41);

  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  const EditorText folder = ReadConfigForEditor(file);
  EXPECT_FALSE(folder.readable);
  EXPECT_EQ(folder.reason, "not a regular file");

  EXPECT_EQ(ConfigFileBytes("a\r\nb\nc\n"), "a\r\nb\r\nc\r\n\r\n");
}

}  // namespace
}  // namespace rdz::test
