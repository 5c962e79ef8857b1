#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <limits>

#include "core/temp_dir.h"
#include "core/base/civil_time.h"
#include "core/ports/clock.h"
#include "core/base/lenient_number.h"
#include "core/base/number_text.h"
#include "core/base/text_lines.h"
#include "core/base/utc_difference.h"

namespace rdz {
namespace {

// A comma is no decimal point; an incomplete exponent is not part of the
// number; a blank ends it; out of range stays defined: infinite or zero.
TEST(LenientNumber, ReadsTheNumberAtTheStartAndIgnoresWhatFollows) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<std::string, double> cases[] = {
      {"-2.26e-06 rev/day^2", -0.00000226}, {"   101.9918 deg", 101.9918}, {"+7", 7}, {"46,5", 46}, {".5", 0.5},
      {"5.", 5}, {"1E3x", 1000}, {"5e", 5}, {"5e+", 5}, {"5e-x", 5}, {"5 34", 5}, {"", 0}, {"   ", 0}, {"abc", 0},
      {"-", 0}, {"+.", 0}, {".", 0}, {"e5", 0}, {"- 5", 0}, {"deg 12", 0}, {"1e999", inf}, {"-1e999", -inf},
      {"1e-999", 0}, {std::string(5000, '9'), inf}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LenientNumber(text), value) << '"' << text << '"';
}

TEST(LenientNumber, AWholeNumberIsTheWholeTextAndFinite) {
  EXPECT_TRUE(WholeNumber(" -12.5\t") == -12.5 && WholeNumber("0") == 0.0);
  for (const char* text : {"12 deg", "5e", "StBy", "", "1e999", "inf"}) EXPECT_FALSE(WholeNumber(text)) << text;
}

TEST(TextLines, CrLfLfAndALoneCrEachEndALine) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\n\rb\r\n"), (V{"a", "", "b"}));  // LF CR is two ends
  EXPECT_EQ(SplitTextLines("a\r\r\nb\r\n\r\n"), (V{"a", "", "b", ""}));
  EXPECT_TRUE(SplitTextLines("").empty());
  EXPECT_EQ(std::string(TrimBlanks("  a b  ")) + "|" + std::string(TrimBlanks("\t a\t", " \t")) + "|" +
                std::string(TrimBlanks("   ")), "a b|a|");
}

// A UTF-8 mark is dropped; UTF-16 in either byte order, marked or not, is refused.
TEST(TextLines, ByteOrderMarksAndUtf16) {
  EXPECT_EQ(SingleByteText("\xEF\xBB\xBFLA = 1\n"), "LA = 1\n");
  using namespace std::string_view_literals;
  EXPECT_EQ(SingleByteText("caf\xE9 \0"sv), "caf\xE9 \0"sv);
  for (const std::string_view utf16 : {"\xFF\xFEL\0A\0"sv, "\xFE\xFF\0L\0A"sv, "L\0A\0 \0"sv, "\0L\0A\0 "sv}) {
    std::string why;
    EXPECT_TRUE(!SingleByteText(utf16, &why) && why == "UTF-16 text is not supported") << utf16.size();
  }
}

// Only a regular file is read; anything else is refused at once, with the reason.
TEST(TextLines, ReadsOnlyRegularFilesAndNeverWaitsOnAFifo) {
  test::TempDir dir;
  dir.Write("empty.txt", "");
  dir.Write("big.txt", std::string(100000, 'x') + "\r\ny");
  std::filesystem::create_directory(dir.path() / "folder");
  ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0644), 0);
  EXPECT_EQ(ReadTextLines(dir.path() / "empty.txt"), std::vector<std::string>{});
  EXPECT_EQ(ReadTextLines(dir.path() / "big.txt")->back(), "y");
  for (const auto& [name, reason] : {std::pair{"absent", "no such file or directory"},
                                     {"folder", "not a regular file"},
                                     {"fifo", "not a regular file"}}) {
    std::string why;
    EXPECT_TRUE(!ReadTextLines(dir.path() / name, &why) && why == reason) << name << ": " << why;
  }
}

TEST(NumberText, ShortestPlainDecimal) {
  EXPECT_EQ(ShortestDecimalText(-8.25) + " " + ShortestDecimalText(0.00001) + " " + ShortestDecimalText(-0.0),
            "-8.25 0.00001 0");
}

TEST(CivilTime, ShiftsAcrossBoundariesAndParsesOnlyTheProgramsOwnTexts) {
  const CivilTime before = AddSeconds(CivilTime{2027, 1, 1, 0, 30, 0}, -3600);
  EXPECT_EQ(FormatDate(before) + " " + FormatTime(before), "31/12/2026 23:30:00");
  EXPECT_EQ(AddSeconds(CivilTime{2024, 2, 28, 23, 59, 59}, 1), (CivilTime{2024, 2, 29, 0, 0, 0}));
  EXPECT_EQ(AddSeconds(CivilTime{2100, 2, 28, 12, 0, 0}, 86400), (CivilTime{2100, 3, 1, 12, 0, 0}));

  EXPECT_EQ(ParseDateTime("11/05/2026", "07:08:09"), (CivilTime{2026, 5, 11, 7, 8, 9}));
  // February by leap year: every fourth, not centuries, but every fourth century.
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"29/02/2024", "07:08:09", true},   {"29/02/2000", "07:08:09", true},  {"29/02/2023", "07:08:09", false},
      {"29/02/2100", "07:08:09", false},  {"30/02/2024", "07:08:09", false}, {"28/02/2023", "07:08:09", true},
      {"31/04/2026", "07:08:09", false},  {"31/12/2026", "07:08:09", true},  {"2026-05-11", "07:08:09", false},
      {"11/05/2026", "24:00:00", false},  {"11/05/2026", "7:08:09", false},  {"1a/05/2026", "07:08:09", false}};
  for (const auto& [date, time, valid] : cases) EXPECT_EQ(ParseDateTime(date, time).has_value(), valid) << date << time;
}

TEST(UtcDifference, HoursBecomeWholeSecondsAndUnusableValuesNothing) {
  for (const auto& [hours, seconds] : {std::pair{-5.0, -18000LL}, {5.75, 20700LL}, {1.0 / 3.0, 1200LL}, {1e6, 3600000000LL}})
    EXPECT_EQ(UtcDifferenceSeconds(hours), seconds) << hours;
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {std::nan(""), inf, -inf, 1e6 + 1, -1e300}) EXPECT_FALSE(UtcDifferenceSeconds(bad)) << bad;
  // And back, as the box shows a difference taken from the system's zone.
  const std::pair<std::int64_t, const char*> shown[] = {
      {0, "0"},       {3600, "1"},      {19800, "5.5"}, {20700, "5.75"}, {-12600, "-3.5"},
      {-1800, "-0.5"}, {-36000, "-10"}, {46800, "13"},  {-1, "0"}, {1290, "0.36"}};
  for (const auto& [seconds, text] : shown) EXPECT_EQ(HoursText(seconds), text) << seconds;
}

}  // namespace
}  // namespace rdz
