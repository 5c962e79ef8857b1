#include <gtest/gtest.h>

#include <sstream>

#include "programs/cli/cli.h"
#include "programs/cli/cli_arguments.h"
#include "programs/cli/cli_commands.h"
#include "core/temp_dir.h"
#include "core/table/row_text.h"
#include "core/passes/pass_export.h"

namespace rdz {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("amateur.txt", test::SampleElements());
    dir.Write("config.txt", test::SampleFile("config.txt"));
  }
  CliRun Cli(std::vector<std::string> args) const {
    std::ostringstream out, err;
    const int status = RunCli(args, dir.path(), out, err);
    return {status, out.str(), err.str()};
  }
  test::TempDir dir;
};

// A satellite that cannot be computed gets the failure marker; the others go on.
TEST_F(CliTest, TablePrintsTheHeaderAndSixtyRowsAndMarksABadSatellite) {
  std::string text = test::SampleElements();
  const auto at = text.find("Mean motion:   12.53697443");  // AO-07, the first block
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 26, "Mean motion:   0.00000000");
  dir.Write("amateur.txt", text);
  const CliRun r = Cli({"table", "11/05/2026", "12:00:00"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, kTableHeader);
  std::getline(lines, line);
  EXPECT_EQ(line.substr(0, 17), FailedRowText("AO-07    "));
  int rows = 1;
  for (; std::getline(lines, line); ++rows) EXPECT_EQ(line.size(), 56u) << line;
  EXPECT_EQ(rows, 60);
  EXPECT_EQ(test::CountOf(r.out, "ERROR"), 1);
  EXPECT_NE(Cli({"state", "1", "11/05/2026", "12:00:00"}).status, 0);
}

TEST_F(CliTest, StatePrintsEveryFieldUnrounded) {
  const CliRun r = Cli({"state", "--file", "amateur.txt", "1", "11/05/2026", "12:00:00"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::string names, name, value;
  for (int i = 0; lines >> name >> value; ++i) {
    names += name + " ";
    EXPECT_TRUE(i >= 11 || value.size() - value.find('.') - 1 == 9) << name << " " << value;
  }
  EXPECT_EQ(names, "az el range height sublat sublon phase illum squint rn rangerate catalog epoch age ");
}

TEST_F(CliTest, PassSummaryListsEveryPassInTimeOrderAndSaysWhichNeverSetOrRise) {
  const CliRun all = Cli({"passes", "--summary", "--days", "1", "all", "11/05/2026", "12:00:00"});
  ASSERT_EQ(all.status, 0) << all.err;
  std::istringstream in(all.out);
  std::string line, previous;
  std::getline(in, line);
  EXPECT_EQ(line, kPassCsvHeader);
  int lines = 0, iss = 0;
  for (; std::getline(in, line); ++lines) {
    const std::string aos = line.substr(line.find(',') + 1, 20);
    EXPECT_LE(previous, aos);
    previous = aos;
    if (line.rfind("ISS,", 0) == 0) ++iss;
  }
  EXPECT_GT(lines, 300);
  EXPECT_TRUE(all.err.find("33 QO-100: always above 0.0 degrees") != all.err.npos && all.err.find("never above") != all.err.npos)
      << all.err;

  // One satellite, a higher minimum and a horizon from config.txt.
  dir.Write("config.txt", test::SampleFile("config.txt") + "HORIZON = 10\r\n");
  const CliRun one =
      Cli({"passes", "--summary", "--min-el", "30", "--days", "1", "6", "11/05/2026", "12:00:00"});
  ASSERT_EQ(one.status, 0) << one.err;
  const auto count = std::count(one.out.begin(), one.out.end(), '\n') - 1;
  EXPECT_TRUE(count > 0 && count < iss) << count;
}

// A wrong argument: one line saying what, then the pointer to the help; a
// file that cannot be read: one line.
TEST_F(CliTest, UserErrorsGiveOneMessageAndNoOutputAndABadStationKeyAWarning) {
  const std::string d = "11/05/2026", t = "12:00:00";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string said;  // the first line after "rodedizevad-cli: "
    bool pointer;
  } cases[] = {
      {{"table", "31/02/2026", t}, 1, "'31/02/2026 12:00:00' is not a UTC date and time as dd/MM/yyyy hh:mm:ss", true},
      {{"state", "81", d, t}, 1, "no satellite '81' among the 80 of the element file", true},
      {{"state", "1", d}, 2, "state takes SAT|SUN|MOON DATE TIME, not 2 words", true},
      {{"table", "--file", "missing.txt", d, t}, 1, "cannot use the element file", false},
      {{"table", "--dir"}, 2, "--dir needs a value", true},
      {{"orbit", d, t}, 2, "unknown command 'orbit'", true},
      {{"help", "orbit"}, 2, "unknown command 'orbit'", true},
      {{}, 2, "no command given", true},
      {{"kv250", "--dir", ".", "0", "0"}, 2, "kv250 has no option --dir", true},
      {{"kv250", "north", "0"}, 1, "'north' is not a number of degrees", true},
      {{"passes", "--summary", "--days", "abc", "all", d, t}, 2, "--days 'abc' is not a number", true},
      {{"passes", "--summary", "--days", "1.5", "all", d, t}, 2, "--days '1.5' is not a whole number", true},
      {{"passes", "--summary", "--min-el", "91", "all", d, t}, 2, "--min-el '91' is out of range -90 to 90", true},
      {{"passes", "--ics", "NO-SUCH", d, t}, 1, "no satellite 'NO-SUCH' among the 80", true},
      {{"passes", "--days", "2", "6", d, t}, 2, "passes needs --summary or --ics", true},
      {{"map", d, t}, 2, "map needs --out FILE.png", true},
      {{"sky", "--width", "300", "--out", "x.png", "1", d, t}, 2, "sky has no option --width", true},
      {{"track", "--seconds", "-1", "1"}, 2, "--seconds '-1' is out of range 0 to 1000000000", true},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    const std::string first = r.err.substr(0, r.err.find('\n'));
    EXPECT_EQ(r.status, c.status) << first;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(first.rfind("rodedizevad-cli: " + c.said, 0), 0u) << first;
    const std::string pointer = r.err.substr(first.size() + 1);
    EXPECT_EQ(pointer.rfind("Try 'rodedizevad-cli ", 0) == 0 && test::CountOf(pointer, "\n") == 1, c.pointer) << r.err;
  }
  // A station key out of range is named, as the window names it.
  dir.Write("config.txt", "LA = 91\r\nLO = 8.95\r\nHT = 420\r\n");
  EXPECT_EQ(Cli({"table", "11/05/2026", "12:00:00"}).err,
            "rodedizevad-cli: warning: config.txt: LA = 91 is not a latitude from -90 to 90: 0 is used\n");
}

// SAT is the entry, else a catalog number, else a name, for every command.
TEST_F(CliTest, EverySatCommandTakesTheEntryACatalogNumberOrAName) {
  for (const std::vector<std::string>& command : {std::vector<std::string>{"state"}, {"passes"}, {"doppler"},
                                                  {"passes", "--summary", "--days", "1"}}) {
    std::string first;
    for (const char* sat : {"6", "25544", " iss "}) {
      std::vector<std::string> args = command;
      args.insert(args.end(), {sat, "11/05/2026", "12:00:00"});
      const CliRun r = Cli(args);
      if (first.empty()) first = r.out;
      EXPECT_EQ(r.status == 0 ? r.out : r.err, first) << command[0] << sat;
    }
  }
  TrackerState state;
  state.SatCount = 3;
  const std::pair<std::uint32_t, const char*> entries[] = {{3, "AO-07    "}, {7530, "2        "}, {99, "AO-07"}};
  for (int k = 1; k <= 3; ++k) std::tie(state.Elements[k].CatalogNumber, state.Elements[k].Name) = entries[k - 1];
  const std::pair<const char*, int> found[] = {{"2", 2}, {"3", 3}, {"7530", 2}, {"0099", 3}, {"ao-07 ", 1},
                                               {"4", 0}, {"", 0}, {"AO", 0}, {"-1", 0}};
  for (const auto& [text, k] : found) EXPECT_EQ(FindSatellite(state, text).value_or(0), k) << text;
}

// --help, help and COMMAND --help come from the one table.
TEST_F(CliTest, HelpAndVersionShowEveryCommandOfTheTable) {
  const CliRun help = Cli({"--help"});
  ASSERT_EQ(help.status, 0);
  EXPECT_EQ(Cli({"help"}).out + "\nProgram directory (amateur.txt, config.txt): " + dir.path().string() + "\n",
            help.out);
  for (const CliCommand& c : CommandTable()) {
    EXPECT_NE(help.out.find(" rodedizevad-cli " + c.name + " "), std::string::npos) << c.name;
    const CliRun one = Cli({"help", c.name});
    EXPECT_EQ(one.out.rfind("Usage: rodedizevad-cli " + c.name + " " + c.arguments.substr(0, 5), 0), 0u) << one.out;
    EXPECT_EQ(Cli({c.name, "--help"}).out, one.out);
  }
  EXPECT_EQ(Cli({"--version"}).out, "rodedizevad-cli 0.05beta\n");
}

}  // namespace
}  // namespace rdz
