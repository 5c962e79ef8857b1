#include <gtest/gtest.h>

#include <cmath>

#include "core/temp_dir.h"
#include "platform/civil_time.h"
#include "platform/lenient_number.h"
#include "platform/number_text.h"
#include "platform/text_lines.h"

namespace rdz {
namespace {

TEST(LenientNumber, ReadsTheNumberAtTheStartAndIgnoresWhatFollows) {
  EXPECT_DOUBLE_EQ(LenientNumber("2.05871706 rev/day"), 2.05871706);
  EXPECT_DOUBLE_EQ(LenientNumber("-2.26e-06 rev/day^2"), -0.00000226);
  EXPECT_DOUBLE_EQ(LenientNumber("   101.9918 deg"), 101.9918);
  EXPECT_DOUBLE_EQ(LenientNumber("+7"), 7);
  EXPECT_DOUBLE_EQ(LenientNumber("46,5"), 46);  // a comma is no decimal point
  EXPECT_DOUBLE_EQ(LenientNumber("-150)"), -150);
  EXPECT_DOUBLE_EQ(LenientNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(LenientNumber("5."), 5);
  EXPECT_DOUBLE_EQ(LenientNumber("1E3x"), 1000);
}

TEST(LenientNumber, TextWithoutANumberReadsAsZero) {
  for (const char* text : {"", "   ", "abc", "-", "+.", ".", "e5", "- 5", "deg 12"}) {
    EXPECT_EQ(LenientNumber(text), 0.0) << '"' << text << '"';
  }
}

TEST(LenientNumber, AnIncompleteExponentIsNotPartOfTheNumber) {
  EXPECT_DOUBLE_EQ(LenientNumber("5e"), 5);
  EXPECT_DOUBLE_EQ(LenientNumber("5e+"), 5);
  EXPECT_DOUBLE_EQ(LenientNumber("5e-x"), 5);
  EXPECT_DOUBLE_EQ(LenientNumber("12 34"), 12);  // a blank ends the number
}

TEST(LenientNumber, HugeAndTinyNumbersStayDefined) {
  EXPECT_TRUE(std::isinf(LenientNumber("1e999")));
  EXPECT_LT(LenientNumber("-1e999"), 0);
  EXPECT_EQ(LenientNumber("1e-999"), 0.0);
  EXPECT_FALSE(std::isnan(LenientNumber(std::string(5000, '9'))));
}

TEST(TextLines, LinesEndAtCrOrCrLfButNotAtALoneLf) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitTextLines("a\r\nb\rc"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\nb\r\n"), (V{"a\nb"}));
  EXPECT_EQ(SplitTextLines("a\r\r\nb\r\n\r\n"), (V{"a", "", "b", ""}));
  EXPECT_EQ(SplitTextLines("\n"), (V{"\n"}));
  EXPECT_TRUE(SplitTextLines("").empty());
}

TEST(TextLines, AMissingFileIsReportedAsSuch) {
  test::TempDir dir;
  EXPECT_FALSE(ReadTextLines(dir.path() / "absent.txt").has_value());
  dir.Write("empty.txt", "");
  ASSERT_TRUE(ReadTextLines(dir.path() / "empty.txt").has_value());
  EXPECT_TRUE(ReadTextLines(dir.path() / "empty.txt")->empty());
}

TEST(NumberText, ShortestPlainDecimal) {
  EXPECT_EQ(ShortestDecimalText(46.5), "46.5");
  EXPECT_EQ(ShortestDecimalText(8.95), "8.95");
  EXPECT_EQ(ShortestDecimalText(420), "420");
  EXPECT_EQ(ShortestDecimalText(-8.25), "-8.25");
  EXPECT_EQ(ShortestDecimalText(0.00001), "0.00001");
  EXPECT_EQ(ShortestDecimalText(-0.0), "0");
  EXPECT_EQ(ShortestDecimalText(14368), "14368");
  EXPECT_EQ(RightAlign("-120", 4), "-120");
  EXPECT_EQ(RightAlign("12345", 4), "12345");
  EXPECT_EQ(RightAlign("7", 4), "   7");
}

TEST(CivilTime, ShiftsAcrossDayMonthAndYearBoundaries) {
  const CivilTime newYear{2027, 1, 1, 0, 30, 0};
  const CivilTime before = AddSeconds(newYear, -3600);
  EXPECT_EQ(FormatDate(before), "31/12/2026");
  EXPECT_EQ(FormatTime(before), "23:30:00");
  EXPECT_EQ(AddSeconds(CivilTime{2024, 2, 28, 23, 59, 59}, 1), (CivilTime{2024, 2, 29, 0, 0, 0}));
  EXPECT_EQ(AddSeconds(CivilTime{2100, 2, 28, 12, 0, 0}, 86400), (CivilTime{2100, 3, 1, 12, 0, 0}));
  EXPECT_EQ(AddSeconds(CivilTime{2026, 5, 11, 12, 0, 0}, -1800), (CivilTime{2026, 5, 11, 11, 30, 0}));
}

TEST(CivilTime, ParsesOnlyTheProgramsOwnTexts) {
  const auto t = ParseDateTime("11/05/2026", "07:08:09");
  ASSERT_TRUE(t);
  EXPECT_EQ(*t, (CivilTime{2026, 5, 11, 7, 8, 9}));
  EXPECT_FALSE(ParseDateTime("2026-05-11", "07:08:09"));
  EXPECT_FALSE(ParseDateTime("31/02/2026", "07:08:09"));
  EXPECT_FALSE(ParseDateTime("11/05/2026", "24:00:00"));
  EXPECT_FALSE(ParseDateTime("11/05/2026", "7:08:09"));
  EXPECT_FALSE(ParseDateTime("1a/05/2026", "07:08:09"));
}

}  // namespace
}  // namespace rdz
