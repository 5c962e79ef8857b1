#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "core/temp_dir.h"
#include "orbit/row_text.h"
#include "passes/pass_export.h"

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
  EXPECT_NE(all.err.find("33 QO-100: always above 0.0 degrees"), std::string::npos) << all.err;
  EXPECT_NE(all.err.find("never above"), std::string::npos);

  // One satellite, a higher minimum and a horizon from config.txt.
  dir.Write("config.txt", test::SampleFile("config.txt") + "HORIZON = 10\r\n");
  const CliRun one =
      Cli({"passes", "--summary", "--min-el", "30", "--days", "1", "6", "11/05/2026", "12:00:00"});
  ASSERT_EQ(one.status, 0) << one.err;
  const auto count = std::count(one.out.begin(), one.out.end(), '\n') - 1;
  EXPECT_GT(count, 0);
  EXPECT_LT(count, iss);
}

TEST_F(CliTest, UserErrorsGiveOneMessageAndNoOutputAndABadStationKeyAWarning) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"table", "31/02/2026", "12:00:00"},
           {"state", "81", "11/05/2026", "12:00:00"},
           {"table", "--file", "missing.txt", "11/05/2026", "12:00:00"},
           {"table", "--dir"},
           {"orbit", "11/05/2026", "12:00:00"},
           {"passes", "--summary", "--days", "1.5", "all", "11/05/2026", "12:00:00"},
           {"passes", "--summary", "--min-el", "91", "all", "11/05/2026", "12:00:00"},
           {"passes", "--summary", "--days"},
           {"passes", "--summary", "0", "11/05/2026", "12:00:00"},
           {"passes", "--ics", "ISS", "11/05/2026", "12:00:00"},
           {"passes", "--summary", "all", "11/05/2026"},
           {}}) {
    const CliRun r = Cli(args);
    EXPECT_NE(r.status, 0) << (args.empty() ? "" : args.back());
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());
  }
  // A station key out of range is named, as the window names it.
  dir.Write("config.txt", "LA = 91\r\nLO = 8.95\r\nHT = 420\r\n");
  EXPECT_EQ(Cli({"table", "11/05/2026", "12:00:00"}).err,
            "rodedizevad-cli: warning: config.txt: LA = 91 is not a latitude from -90 to 90: 0 is used\n");
}

}  // namespace
}  // namespace rdz
