#include <gtest/gtest.h>

#include "core/fake_internet.h"
#include "core/temp_dir.h"
#include "platform/crlf_text.h"
#include "orbit/element_loader.h"
#include "orbit/engine.h"
#include "orbit/settings_in_use.h"

namespace rdz {
namespace {

// One block in the provider's layout with CR LF line ends.
std::string Block(const std::string& name) { return CrLfText(test::Block(name)); }

std::string Blocks(int count) {
  std::string text = test::CrLf({"TO ALL RADIO AMATEURS BT", ""});
  for (int i = 1; i <= count; ++i) text += Block("SAT-" + std::to_string(i));
  return text;
}

struct Loaded {
  LoadReport report;
  TrackerState state;
};

Loaded Load(const test::TempDir& dir, TrackerState state = {}) {
  state.ElementFileName = "amateur.txt";
  UseSettings(state, ReadSettings(dir.path()));
  LoadReport report = LoadElements(dir.path(), state);
  return {std::move(report), std::move(state)};
}

TEST(ElementFile, ReadsEveryFieldFromItsColumnAndEachAttitudeByTrimmedName) {
  test::TempDir dir;
  dir.Write("amateur.txt", Block("AO-07") + Block("UO-11") + Block("AO-0"));
  dir.Write("config.txt", test::CrLf({"UO-11 ALAT(5) ALON(6)", "AO-07 ALAT(-45) ALON(210)"}));
  const auto [report, state] = Load(dir);
  EXPECT_EQ(report.outcome, LoadOutcome::Loaded);
  ASSERT_EQ(state.SatCount, 3);
  const ElementSet& s = state.Elements[1];
  EXPECT_EQ(s.Name, "AO-07    ");
  EXPECT_EQ((std::vector{s.EpochYear, s.EpochDay, s.Inclination, s.Raan, s.Eccentricity,
                         s.ArgPerigee, s.MeanAnomaly, s.MeanMotion, s.DecayRate, s.EpochRev,
                         s.SemiAxis, s.Alat, s.Alon}),
            (std::vector{2026.0, 131.02828537, 101.9918, 143.8856, 0.0012125, 200.3561, 181.7211,
                         12.53697443, -3.4e-07, 35586.0, 0.0, -45.0, 210.0}));
  EXPECT_EQ(state.Elements[2].Alat, 5);
  EXPECT_EQ(state.Elements[3].Alat, -45);  // the line begins with "AO-0" too
}

TEST(ElementFile, NamesAreCutOrPaddedToNineCharactersAndEpochsGiveYearAndDay) {
  const auto read = [](const std::string& firstLine, const std::string& epoch) {
    ElementTable table;
    std::vector<std::string> lines(12, "");
    lines[0] = firstLine;
    lines[2] = "Epoch time:      " + epoch;
    EXPECT_EQ(ReadElementBlocks(lines, table), 1);
    return table[1];
  };
  EXPECT_EQ(read("Satellite: VERYLONGNAME12", "").Name, "VERYLONGN");
  EXPECT_EQ(read("Satellite:AO-10", "").Name, "O-10     ");
  const ElementSet s = read("Satellite:", "09365.50000000");
  EXPECT_EQ(s.Name, "         ");
  EXPECT_EQ(s.EpochYear, 2009);
  EXPECT_EQ(s.EpochDay, 365.5);
}

// Elements that describe no orbit keep their row, never computed; the summary says why.
TEST(ElementFile, ImplausibleElementsMakeTheSetFailWithItsReason) {
  const std::pair<std::string, std::string> cases[] = {
      {"26131.02828537|26000.5", "epoch day outside 1..366"}, {"26131.02828537|26367.0", "epoch day outside 1..366"},
      {"101.9918|999.9999", "inclination outside 0..180"},    {"0.0012125|1.0", "eccentricity outside 0..1"},
      {"143.8856|-43.8856", "RAAN outside 0..360"},           {"181.7211|1e999", "a field that is no finite number"},
      {"35586|-301757", "negative revolution number"}};
  test::TempDir dir;
  const EngineContext engine = SetupEngine({});
  for (const auto& [change, why] : cases) {
    std::string bad = Block("BAD");
    const auto bar = change.find('|');
    bad.replace(bad.find(change.substr(0, bar)), bar, change.substr(bar + 1));
    dir.Write("amateur.txt", Block("AO-07") + bad);
    const auto [report, state] = Load(dir);
    EXPECT_EQ(state.LoadSummary, "Elements (amsat): 2 read, 1 unusable (1 " + why + ")");
    EXPECT_TRUE(state.Models.at(0)->At(engine, CivilTime{2026, 5, 11, 12, 0, 0})) << why;
    EXPECT_FALSE(state.Models.at(1)->At(engine, CivilTime{2026, 5, 11, 12, 0, 0})) << why;
  }
}

// Without a usable set the table keeps what it had and the summary says why.
TEST(ElementFile, AFileWithoutAUsableSetChangesNothing) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(3));
  const TrackerState loaded = Load(dir).state;
  const std::pair<std::string, std::string> cases[] = {
      {" \r\n\n", "the file is empty"},
      {"no satellites\r\n", "no usable element set (Elements (unknown format): 0 read)"},
      {test::Block("X", "-1"), "no usable element set (Elements (amsat): 1 read, 1 unusable (1 mean motion not above 0))"},
      {Block("AO-07").substr(0, 80), "no usable element set (Elements (amsat): 0 read, 1 skipped (1 cut short))"}};
  for (const auto& [text, why] : cases) {
    dir.Write("amateur.txt", text);
    const auto [report, state] = Load(dir, loaded);
    EXPECT_EQ(report.outcome, LoadOutcome::MissingElementFile);
    EXPECT_EQ(state.Models.size(), 3u);
    EXPECT_TRUE(state.LoadFailed);
    EXPECT_EQ(state.LoadSummary, "amateur.txt: " + why + " - the 3 sets loaded before are kept");
  }
  EXPECT_EQ(Load(dir).state.LoadSummary, "amateur.txt: no usable element set (Elements (amsat): 0 read, 1 skipped (1 cut short))");
  dir.Write("amateur.txt", Blocks(1));
  const TrackerState one = Load(dir).state;
  dir.Write("amateur.txt", " \r\n");
  EXPECT_EQ(Load(dir, one).state.LoadSummary, "amateur.txt: the file is empty - the 1 set loaded before is kept");
}

// A file that cannot be read is missing, whatever stands in its place (the
// kinds are the reader's), and the report names it. Without config.txt every
// satellite has the default attitude; without the element file nothing changes.
TEST(ElementFile, UnreadableFilesCountAsMissing) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(5));
  std::filesystem::create_directories(dir.path() / "config.txt" / "x");
  TrackerState earlier;
  earlier.Elements[1].Alat = 7;
  auto [report, state] = Load(dir, earlier);
  EXPECT_EQ(report.outcome, LoadOutcome::MissingConfigFile);
  EXPECT_EQ(report.file + ": " + report.reason, "config.txt: not a regular file");
  EXPECT_EQ(state.SatCount, 5);
  EXPECT_EQ(state.Elements[5].Alat, 0);
  EXPECT_EQ(state.Elements[5].Alon, 180);

  state.ElementFileName = "amateur1.txt";
  report = LoadElements(dir.path(), state);
  EXPECT_EQ(report.outcome, LoadOutcome::MissingElementFile);
  EXPECT_EQ(report.file + ": " + report.reason, "amateur1.txt: no such file or directory");
  EXPECT_EQ(state.SatCount, 5);
  EXPECT_EQ(state.Elements[5].Name, "SAT-5    ");
}

}  // namespace
}  // namespace rdz
