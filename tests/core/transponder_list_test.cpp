#include <gtest/gtest.h>

#include "core/radio/transponder_config.h"
#include "core/temp_dir.h"
#include "core/base/text_lines.h"
#include "core/radio/transmitter_list.h"

namespace rdz {
namespace {

using Lines = std::vector<std::string>;
using std::nullopt;

TEST(TransponderConfig, LinesOfTheSatelliteWithAtLeastOneUsableKey) {
  const struct {
    Lines lines;
    const char* name;
    std::vector<Transponder> want;
  } cases[] = {
      {{"AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT"}, "AO-07",
       {{"USB (config.txt)", 145.95e6, 145.95e6, 432.15e6, 432.15e6, "USB", true}}},
      // The trimmed name as written, then a blank; attitude lines are no transponders.
      {{"AO-73 DOWN(145.9)", " AO-7 DOWN(145.9)", "ao-7 DOWN(145.9)", "AO-7 ALAT(0) ALON(180)"}, "AO-7", {}},
      {{"AO-7 DOWN(145.975-145.925) UP(435.1)", "AO-7 UP(435.2) INVERTED"}, "AO-7",
       {{"config.txt", 145.925e6, 145.975e6, 435.1e6, 435.1e6, "", false},
        {"config.txt", nullopt, nullopt, 435.2e6, 435.2e6, "", false}}},
      {{"SO-50 DOWN(-1) UP(abc) MODE( FM )", "SO-50 DOWN(1e999) UP(0)", "SO-50 DOWN(436.795-x)"}, "SO-50",
       {{"FM (config.txt)", nullopt, nullopt, nullopt, nullopt, "FM", false},
        {"config.txt", 436.795e6, 436.795e6, nullopt, nullopt, "", false}}},
      {{"AO-7 DOWN(145.9)"}, "", {}},
      // Its own name, the uplink's mode and a CTCSS tone (between 60 and 260 Hz).
      {{"SO-50 NAME(FM voice) DOWN(436.795) UP(145.850) MODE(FM) UPMODE(fm) TONE(67.0)", "SO-50 UP(145.8) TONE(6.7)"},
       "SO-50",
       {{"FM voice (config.txt)", 436.795e6, 436.795e6, 145.85e6, 145.85e6, "FM", false, "fm", 67.0},
        {"config.txt", nullopt, nullopt, 145.8e6, 145.8e6, "", false}}},
  };
  for (const auto& c : cases) EXPECT_EQ(ConfiguredTransponders(c.lines, c.name), c.want) << c.lines[0];
}

TEST(TransponderConfig, SatellitesLinesReplacedWhereTheFirstStoodEveryOtherLineKept) {
  const std::string before = "LA = 46.5\rAO-07 ALAT(0) ALON(180)\nAO-07 DOWN(145.95) MODE(USB)\r\nAO-73 DOWN(145.9)\r\n"
                             "AO-07 UP(432.1)\nLO = 8.95";
  const std::vector<Transponder> edited = {
      {"Mode B (config.txt)", 145.925e6, 145.975e6, 432.125e6, 432.175e6, "USB", true, "LSB", 67.0},
      {"CW (config.txt)", 145.97e6, 145.97e6, nullopt, nullopt, "CW", false}};
  const std::string after = WithTransponderLines(before, "AO-07", edited);
  EXPECT_EQ(after, "LA = 46.5\rAO-07 ALAT(0) ALON(180)\n"
                   "AO-07 NAME(Mode B) DOWN(145.925-145.975) UP(432.125-432.175) MODE(USB) UPMODE(LSB) TONE(67) INVERT\r\n"
                   "AO-07 DOWN(145.97) MODE(CW)\r\nAO-73 DOWN(145.9)\r\nLO = 8.95");
  EXPECT_EQ(ConfiguredTransponders(SplitTextLines(after), "AO-07"), edited);
  // None left: the lines go; a satellite without any gets them at the end.
  EXPECT_EQ(WithTransponderLines(after, "AO-07", {}), "LA = 46.5\rAO-07 ALAT(0) ALON(180)\nAO-73 DOWN(145.9)\r\nLO = 8.95");
  EXPECT_EQ(WithTransponderLines("LA = 1", "FO-29", {edited[1]}), "LA = 1\r\nFO-29 DOWN(145.97) MODE(CW)\r\n");
}

TEST(TransmitterList, LiveWellFormedEntriesAndWhatComesBeforeABreak) {
  const TransmitterList list = ReadTransmitterList(test::TransmittersFixture());
  ASSERT_EQ(list.entries.size(), 6u);
  EXPECT_EQ(std::pair(list.dead, list.malformed), std::pair(1, 2));
  EXPECT_EQ(list.entries[0].catalogNumber, 7530u);
  EXPECT_EQ(list.entries[0].transponder,
            (Transponder{"Mode U/V (B) Linear", 145.925e6, 145.975e6, 432.125e6, 432.175e6, "USB", true}));
  EXPECT_EQ(list.entries[2].transponder,
            (Transponder{"Beacon", 145.97e6, 145.97e6, nullopt, nullopt, "CW", false}));
  EXPECT_EQ(list.entries[5].transponder.description, "FM transponder \xe9");

  const TransmitterList cut = ReadTransmitterList(R"([{"norad_cat_id":1,"downlink_low":1e8}, {"norad_cat_id":2,)");
  EXPECT_TRUE(cut.entries.size() == 1u && cut.malformed == 1);
  for (const char* text : {"", "[]", "{\"norad_cat_id\":1}", "<html>404</html>", "[1,2]"})
    EXPECT_TRUE(ReadTransmitterList(text).entries.empty()) << text;
}

}  // namespace
}  // namespace rdz
