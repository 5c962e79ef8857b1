#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "orbit/element_loader.h"

namespace rdz {
namespace {

// One block in the provider's layout, values at their usual columns.
std::string Block(const std::string& name, const std::string& epoch = "26131.02828537",
                  const std::string& motion = "12.53697443 rev/day") {
  return test::CrLf({"Satellite: " + name, "Catalog number: 07530", "Epoch time:      " + epoch,
                     "Element set:     999", "Inclination:      101.9918 deg",
                     "RA of node:       143.8856 deg", "Eccentricity:    0.0012125",
                     "Arg of perigee:   200.3561 deg", "Mean anomaly:     181.7211 deg",
                     "Mean motion:   " + motion, "Decay rate:       -2.26e-06 rev/day^2",
                     "Epoch rev:           35586", "Checksum:              300", ""});
}

std::string Blocks(int count) {
  std::string text = test::CrLf({"TO ALL RADIO AMATEURS BT", ""});
  for (int i = 1; i <= count; ++i) text += Block("SAT-" + std::to_string(i));
  return text;
}

struct Loaded {
  LoadOutcome outcome;
  TrackerState state;
};

Loaded Load(const test::TempDir& dir, TrackerState state = {}) {
  state.ElementFileName = "amateur.txt";
  const LoadOutcome outcome = LoadElements(dir.path(), state);
  return {outcome, std::move(state)};
}

TEST(ElementFile, ReadsEveryFieldFromItsColumn) {
  test::TempDir dir;
  dir.Write("amateur.txt", Block("AO-07"));
  dir.Write("config.txt", "");
  const auto [outcome, state] = Load(dir);
  EXPECT_EQ(outcome, LoadOutcome::Loaded);
  ASSERT_EQ(state.SatCount, 1);
  const ElementSet& s = state.Elements[1];
  EXPECT_EQ(s.Name, "AO-07    ");
  EXPECT_EQ(s.EpochYear, 2026);
  EXPECT_DOUBLE_EQ(s.EpochDay, 131.02828537);
  EXPECT_DOUBLE_EQ(s.Inclination, 101.9918);
  EXPECT_DOUBLE_EQ(s.Raan, 143.8856);
  EXPECT_DOUBLE_EQ(s.Eccentricity, 0.0012125);
  EXPECT_DOUBLE_EQ(s.ArgPerigee, 200.3561);
  EXPECT_DOUBLE_EQ(s.MeanAnomaly, 181.7211);
  EXPECT_DOUBLE_EQ(s.MeanMotion, 12.53697443);
  EXPECT_DOUBLE_EQ(s.DecayRate, -0.00000226);
  EXPECT_DOUBLE_EQ(s.EpochRev, 35586);
  EXPECT_EQ(s.SemiAxis, 0);
  EXPECT_EQ(s.Alat, 0);
  EXPECT_EQ(s.Alon, 180);
}

TEST(ElementFile, NamesAreCutOrPaddedToNineCharacters) {
  const auto nameOf = [](const std::string& firstLine) {
    ElementTable table;
    std::vector<std::string> lines(12, "");
    lines[0] = firstLine;
    EXPECT_EQ(ReadElementBlocks(lines, table), 1);
    return table[1].Name;
  };
  EXPECT_EQ(nameOf("Satellite: VERYLONGNAME12"), "VERYLONGN");
  EXPECT_EQ(nameOf("Satellite:AO-10"), "O-10     ");
  EXPECT_EQ(nameOf("Satellite:"), "         ");
}

TEST(ElementFile, EpochGivesYearAndDay) {
  ElementTable table;
  const auto lines = [](const std::string& epoch) {
    std::vector<std::string> l(12, "");
    l[0] = "Satellite: X";
    l[2] = "Epoch time:      " + epoch;
    return l;
  };
  ReadElementBlocks(lines("09365.50000000"), table);
  EXPECT_EQ(table[1].EpochYear, 2009);
  EXPECT_EQ(table[1].EpochDay, 365.5);
  ReadElementBlocks(lines("10001.00000000"), table);
  EXPECT_EQ(table[1].EpochYear, 2010);
  EXPECT_EQ(table[1].EpochDay, 1.0);
}

TEST(ElementFile, TextWithoutBlocksOrWithLfLineEndsHoldsNoSatellite) {
  test::TempDir dir;
  dir.Write("config.txt", test::CrLf({"LA = 46.5"}));
  dir.Write("amateur.txt", test::CrLf({"no satellites today", "Satellite list follows"}));
  EXPECT_EQ(Load(dir).state.SatCount, 0);

  std::string lfOnly = Block("AO-07") + Block("UO-11");
  std::erase(lfOnly, '\r');
  dir.Write("amateur.txt", lfOnly);
  const auto [outcome, state] = Load(dir);
  EXPECT_EQ(state.SatCount, 0);
  EXPECT_EQ(outcome, LoadOutcome::Loaded);
  EXPECT_EQ(state.Station.LA, 46.5);  // the station is still read
}

TEST(ElementFile, MoreThanEightyBlocksKeepTheFirstEightyAndStillReadTheStation) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(99));
  dir.Write("config.txt", test::CrLf({"LA = 46.5", "LO = 8.95", "TEMPOSCANN = 1000"}));
  const auto [outcome, state] = Load(dir);
  EXPECT_EQ(outcome, LoadOutcome::Loaded);
  EXPECT_EQ(state.SatCount, 80);
  EXPECT_EQ(state.Elements[80].Name, "SAT-80   ");
  EXPECT_TRUE(state.Elements[81].Name.empty());
  EXPECT_EQ(state.Station.LA, 46.5);
  EXPECT_EQ(state.TEMPOSCANN, 1000);
}

TEST(ElementFile, ABlockCutShortByTheEndOfTheFileIsDropped) {
  test::TempDir dir;
  std::string text = Blocks(2) + test::CrLf({"Satellite: CUT", "Catalog number: 1"});
  dir.Write("amateur.txt", text);
  dir.Write("config.txt", test::CrLf({"HT = 420"}));
  const auto [outcome, state] = Load(dir);
  EXPECT_EQ(state.SatCount, 2);
  EXPECT_EQ(state.Station.HT, 420.0);
}

TEST(ElementFile, AMissingElementFileChangesNothing) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(3));
  dir.Write("config.txt", test::CrLf({"LA = 46.5"}));
  TrackerState before = Load(dir).state;
  before.ElementFileName = "amateur1.txt";
  const LoadOutcome outcome = LoadElements(dir.path(), before);
  EXPECT_EQ(outcome, LoadOutcome::MissingElementFile);
  EXPECT_EQ(before.SatCount, 3);
  EXPECT_EQ(before.Elements[3].Name, "SAT-3    ");
  EXPECT_EQ(before.Station.LA, 46.5);
}

TEST(ElementFile, AMissingConfigFileStoresEverySatelliteWithTheDefaultAttitude) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(5));
  TrackerState earlier;
  earlier.Station.LA = 10.0;
  earlier.TEMPOSCANN = 250;
  const auto [outcome, state] = Load(dir, earlier);
  EXPECT_EQ(outcome, LoadOutcome::MissingConfigFile);
  EXPECT_EQ(state.SatCount, 5);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(state.Elements[k].Alat, 0);
    EXPECT_EQ(state.Elements[k].Alon, 180);
  }
  EXPECT_EQ(state.Station.LA, 10.0);
  EXPECT_EQ(state.TEMPOSCANN, 250);
}

TEST(ElementFile, AttitudesComeFromTheConfigPerSatellite) {
  test::TempDir dir;
  dir.Write("amateur.txt", Block("AO-40") + Block("AO-4"));
  dir.Write("config.txt", test::CrLf({"AO-40 ALAT(-45) ALON(210)", "LA = 1"}));
  const auto state = Load(dir).state;
  EXPECT_EQ(state.Elements[1].Alat, -45);
  EXPECT_EQ(state.Elements[2].Alat, -45);  // "AO-4" is the start of that line too
  EXPECT_EQ(state.Elements[2].Alon, 210);
}

TEST(ElementFile, TheShippedSampleLoads) {
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", test::CrLf({"LA = 46.5", "LO = 8.95", "HT = 420"}));
  const auto [outcome, state] = Load(dir);
  EXPECT_EQ(outcome, LoadOutcome::Loaded);
  EXPECT_EQ(state.SatCount, 80);
  EXPECT_EQ(state.Elements[1].Name, "AO-07    ");
  for (int k = 1; k <= state.SatCount; ++k) {
    EXPECT_GT(state.Elements[k].MeanMotion, 0) << k;
    EXPECT_LT(state.Elements[k].Eccentricity, 1) << k;
    EXPECT_EQ(state.Elements[k].EpochYear, 2026) << k;
  }
}

}  // namespace
}  // namespace rdz
