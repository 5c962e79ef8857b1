#include <gtest/gtest.h>

#include "config/transponder_config.h"
#include "platform/flat_json.h"
#include "platform/text_lines.h"
#include "radio/transmitter_list.h"

namespace rdz {
namespace {

using Lines = std::vector<std::string>;
using std::nullopt;

TransmitterList Fixture() {
  const auto text = ReadTextFile(std::filesystem::path(RDZ_RADIO_FIXTURES) / "transmitters.json");
  EXPECT_TRUE(text);
  return ReadTransmitterList(text.value_or(""));
}

TEST(TransponderConfig, LinesOfTheSatelliteWithAtLeastOneUsableKey) {
  struct Case {
    Lines lines;
    const char* name;
    std::vector<Transponder> want;
  };
  const Transponder ao07{"USB (config.txt)", 145.95e6, 145.95e6, 432.15e6, 432.15e6, "USB", true};
  const Case cases[] = {
      {{"AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT"}, "AO-07", {ao07}},
      // The name must be followed by a blank; the line must start with it as written.
      {{"AO-73 DOWN(145.9)", " AO-7 DOWN(145.9)", "ao-7 DOWN(145.9)", "AO-7 ALAT(0) ALON(180)"}, "AO-7", {}},
      {{"AO-7 DOWN(145.975-145.925) UP(435.1)", "AO-7 UP(435.2) INVERTED"}, "AO-7",
       {{"config.txt", 145.925e6, 145.975e6, 435.1e6, 435.1e6, "", false},
        {"config.txt", nullopt, nullopt, 435.2e6, 435.2e6, "", false}}},
      // Unusable frequencies are left out; nothing usable is no transponder.
      {{"SO-50 DOWN(-1) UP(abc) MODE( FM )", "SO-50 DOWN(1e999) UP(0)", "SO-50 DOWN(436.795-x)"}, "SO-50",
       {{"FM (config.txt)", nullopt, nullopt, nullopt, nullopt, "FM", false},
        {"config.txt", 436.795e6, 436.795e6, nullopt, nullopt, "", false}}},
      {{"AO-7 DOWN(145.9)"}, "", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ConfiguredTransponders(c.lines, c.name), c.want) << c.lines[0];
}

TEST(TransmitterList, ReadsLiveWellFormedEntriesAndCountsTheOthers) {
  const TransmitterList list = Fixture();
  ASSERT_EQ(list.entries.size(), 6u);
  EXPECT_EQ(list.dead, 1);
  EXPECT_EQ(list.malformed, 2);
  const Transponder inverting{"Mode U/V (B) Linear", 145.925e6, 145.975e6, 432.125e6, 432.175e6, "USB", true};
  EXPECT_EQ(list.entries[0].catalogNumber, 7530u);
  EXPECT_EQ(list.entries[0].transponder, inverting);
  const Transponder& beacon = list.entries[2].transponder;
  EXPECT_EQ(beacon.downHigh, 145.97e6);
  EXPECT_FALSE(beacon.upLow || beacon.upHigh);
  EXPECT_EQ(list.entries[5].transponder.description, "FM transponder \xe9");

  // A list that breaks off keeps what came before; other text holds nothing.
  const std::string one = R"([{"norad_cat_id":1,"downlink_low":1e8,"alive":true}, {"norad_cat_id":2,)";
  EXPECT_EQ(ReadTransmitterList(one).entries.size(), 1u);
  EXPECT_EQ(ReadTransmitterList(one).malformed, 1);
  for (const char* text : {"", "[]", "{\"norad_cat_id\":1}", "<html>404</html>", "[1,2]"})
    EXPECT_TRUE(ReadTransmitterList(text).entries.empty()) << text;
}

TEST(TransmitterList, ConfigLinesComeFirstAndReplaceTheSameDownlink) {
  const TransmitterList list = Fixture();
  const auto descriptions = [](const std::vector<Transponder>& ts) {
    std::vector<std::string> d;
    for (const Transponder& t : ts) d.push_back(t.description);
    return d;
  };
  using D = std::vector<std::string>;
  EXPECT_EQ(descriptions(TranspondersFor({}, list, "AO-07", 7530)),
            (D{"Mode U/V (B) Linear", "Mode V/A (A) Linear", "Beacon"}));
  const Lines config{"AO-07 ALAT(0) ALON(180)", "AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT"};
  EXPECT_EQ(descriptions(TranspondersFor(config, list, "AO-07", 7530)),
            (D{"USB (config.txt)", "Mode V/A (A) Linear", "Beacon"}));
  EXPECT_EQ(descriptions(TranspondersFor(config, list, "AO-07", 0)), (D{"USB (config.txt)"}));
  EXPECT_TRUE(TranspondersFor(config, list, "AO-7", 99999).empty());
}

TEST(FlatJson, KeepsTheKindOfEachValue) {
  FlatJsonReader json(R"({"s":"a\"b\u0041","n":-1.5e3,"t":true,"f":false,"z":null,"o":{"x":[1,{}]}})");
  FlatJsonObject o;
  ASSERT_TRUE(json.Object(o));
  using K = JsonValue::Kind;
  EXPECT_EQ(o["s"].kind, K::String);
  EXPECT_EQ(o["s"].text, "a\"bA");
  EXPECT_EQ(o["n"].kind, K::Number);
  EXPECT_EQ(o["n"].text, "-1.5e3");
  EXPECT_EQ(o["t"].kind, K::True);
  EXPECT_EQ(o["f"].kind, K::False);
  EXPECT_EQ(o["z"].kind, K::Null);
  EXPECT_EQ(o["o"].kind, K::Nested);
  EXPECT_TRUE(json.AtEnd());
}

}  // namespace
}  // namespace rdz
