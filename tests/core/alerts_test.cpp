// Alerts: their times against the pass list `passes --summary` prints, the
// user's program run with its arguments or failing, and `watch` in real time.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <set>
#include <sstream>

#include "programs/cli/cli.h"
#include "programs/cli/cli_arguments.h"
#include "core/settings/alert_config.h"
#include "core/temp_dir.h"
#include "core/passes/alert_schedule.h"
#include "core/ports/background_work.h"
#include "core/passes/pass_time.h"
#include "core/base/program_runner.h"

namespace rdz {
namespace {

std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, by);) parts.push_back(part);
  return parts;
}

void WriteScript(const test::TempDir& dir, const std::string& name, const std::string& body) {
  dir.Write(name, "#!/bin/sh\n" + body + "\n");
  chmod((dir.path() / name).c_str(), 0755);
}

// Every second of two days, as the window's clock gives them: a "soon" 5
// minutes before each AOS of the CSV, an "aos" and a "los" at its times.
TEST(Alerts, FallDueAtTheTimesOfThePassList) {
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", test::SampleFile("config.txt"));
  const std::int64_t start = UnixSeconds(CivilTime{2026, 5, 11, 0, 0, 0});
  std::set<std::string> expected;
  for (const char* sat : {"1", "4"}) {
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"passes", "--summary", "--days", "3", sat, "11/05/2026", "00:00:00"}, dir.path(), out, err), 0);
    for (const std::string& row : Split(out.str(), '\n')) {
      const std::vector<std::string> f = Split(row, ',');
      if (f.size() < 9 || f[0] == "name" || f[1] < IsoUtc(start + 300) || f[6] >= IsoUtc(start + 2 * 86400)) continue;
      expected.insert("soon " + f[0] + " " + f[1] + " " + f[2]);
      expected.insert("aos " + f[0] + " " + f[1] + " " + f[2]);
      expected.insert("los " + f[0] + " " + f[6] + " " + f[7]);
    }
  }
  TrackerState state;
  std::ostringstream err;
  ASSERT_TRUE(LoadForCommand(dir.path(), "amateur.txt", state, err));
  std::vector<SatelliteId> ids;
  for (int k = 1; k <= state.SatCount; ++k) ids.push_back(IdentityOf(state.Elements[k]));
  AlertWatch watch(CandidatesOf(state.Elements, state.Models, state.SatCount), ids, state.Station, 0, {1, 4}, 300);
  std::set<std::string> given;
  for (std::int64_t t = start; t < start + 2 * 86400; ++t) {
    for (const Alert& a : watch.Due(t)) {
      EXPECT_TRUE(a.due == t && t == a.at.time - (a.event == AlertEvent::Soon ? 300 : 0)) << AlertLine(a);
      const std::vector<std::string> w = AlertArguments(a);
      EXPECT_TRUE(given.insert(w[0] + " " + w[1] + " " + w[3] + " " + w[4]).second) << "twice: " << AlertLine(a);
    }
  }
  EXPECT_GT(expected.size(), 30u);
  EXPECT_EQ(given, expected);
  // Simulated time back a day: nothing at once, then the alerts of that day again.
  EXPECT_TRUE(watch.Due(start).empty());
  int again = 0;
  for (std::int64_t t = start + 1; t < start + 86400; ++t) again += static_cast<int>(watch.Due(t).size());
  EXPECT_GT(again, 10);
}

// Work held back until the test lets it end, as a slow thread would.
struct HeldWork final : BackgroundWork {
  std::vector<std::pair<std::function<void()>, std::function<void()>>> held;
  void Start(std::function<void()> work, std::function<void()> done) override {
    held.emplace_back(std::move(work), std::move(done));
  }
  void End(std::size_t i) {
    held[i].first();
    held[i].second();
  }
};

// Searches away from the caller: what falls due meanwhile comes when they
// end, a search from before time went back is dropped, and one that ends
// after its watch is gone touches nothing.
TEST(Alerts, SearchesInTheBackgroundGiveWhatFellDueMeanwhile) {
  TrackerState state;
  std::ostringstream err;
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", test::SampleFile("config.txt"));
  ASSERT_TRUE(LoadForCommand(dir.path(), "amateur.txt", state, err));
  std::vector<SatelliteId> ids;
  for (int k = 1; k <= state.SatCount; ++k) ids.push_back(IdentityOf(state.Elements[k]));
  const auto candidates = CandidatesOf(state.Elements, state.Models, state.SatCount);
  const std::int64_t start = UnixSeconds(CivilTime{2026, 5, 11, 0, 0, 0});
  AlertWatch now(candidates, ids, state.Station, 0, {1}, 300);
  now.Due(start);
  ASSERT_GE(now.Upcoming().size(), 3u);
  const Alert first = *std::find_if(now.Upcoming().begin(), now.Upcoming().end(),
                                    [&](const Alert& a) { return a.due > start; });

  // Already past at the first look, if only just: never given.
  AlertWatch fresh(candidates, ids, state.Station, 0, {1}, 300);
  EXPECT_TRUE(fresh.Due(first.due + 5).empty() && fresh.Due(first.due + 6).empty());

  HeldWork background;
  auto watch = std::make_unique<AlertWatch>(candidates, ids, state.Station, 0, std::vector<int>{1}, 300, &background);
  // Looked at first a day later, then back at the start; the first search ends last.
  EXPECT_TRUE(watch->Due(start + 86400).empty());
  EXPECT_TRUE(watch->Due(start).empty());
  ASSERT_EQ(background.held.size(), 2u);
  for (std::int64_t t = start + 1; t <= first.due + 30; ++t) EXPECT_TRUE(watch->Due(t).empty());
  EXPECT_EQ(background.held.size(), 2u);  // one search at a time
  background.End(1);
  background.End(0);
  EXPECT_FALSE(watch->Searching());
  const std::vector<Alert> late = watch->Due(first.due + 31);
  ASSERT_EQ(late.size(), 1u);
  EXPECT_EQ(AlertLine(late[0]), AlertLine(first));
  // A watch gone before its search ends.
  EXPECT_TRUE(watch->Due(start).empty());
  watch.reset();
  background.End(2);
}

TEST(Alerts, ProgramRunsWithItsArgumentsAndItsFailuresAreTold) {
  test::TempDir dir;
  const std::string args = (dir.path() / "args.txt").string();
  WriteScript(dir, "record", "for a in \"$@\"; do echo \"$a\" >> '" + args + "'; done");
  WriteScript(dir, "fails", "exit 3");
  WriteScript(dir, "dies", "kill -9 $$");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"record", ""}, {"fails", "exit status 3"}, {"dies", "killed by signal 9"},
      {"missing", "cannot start: no such file or directory"}};
  for (const auto& [program, failure] : cases) {
    std::string told;
    {
      ProgramRunner runner([&](const std::string&, const std::string& why) { told = why; });
      runner.Run((dir.path() / program).string(), {"aos", "AO 07", "7530", "2026-05-11T12:00:00Z", "123.4", "0.0"});
      ASSERT_TRUE(runner.WaitAll(std::chrono::seconds(20)));
    }
    EXPECT_EQ(told, failure) << program;
  }
  // One argument each, a blank and no shell in between.
  EXPECT_EQ(dir.Read("args.txt"), "aos\nAO 07\n7530\n2026-05-11T12:00:00Z\n123.4\n0.0\n");
}

TEST(Alerts, ConfigKeysReadAndWriteBack) {
  const AlertConfig read = ReadAlertLines({"ALERTSATS = 7530, AO-91 ,,ISS (ZARY", "ALERTLEAD = 2.5",
                                           "ALERTSOUND = 0", "ALERTCOMMAND =  /usr/local/bin/rec  "});
  EXPECT_EQ(read.satellites, (std::vector<std::string>{"7530", "AO-91", "ISS (ZARY"}));
  EXPECT_TRUE(read.leadMinutes == 2.5 && !read.sound && read.command == "/usr/local/bin/rec");
  EXPECT_EQ(ReadAlertLines({"ALERTLEAD = -1"}).leadMinutes + ReadAlertLines({"ALERTLEAD = 1441"}).leadMinutes, 10);
  const std::string bytes = "LA = 45\r\nALERTLEAD = 9\r\nALERTCOMMAND = /x\r\n";
  EXPECT_EQ(WithAlertConfig(bytes, read), "LA = 45\r\nALERTLEAD = 2.5\r\nALERTCOMMAND = /x\r\nALERTSATS = 7530, AO-91, ISS (ZARY\r\nALERTSOUND = 0\r\n");
}

// The next rise among the sample satellites, announced 3 s after `watch`
// starts by a lead that makes it so: one line, the program run with the
// line's words, and its failure told.
TEST(Alerts, WatchPrintsTheEventAndRunsTheCommand) {
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", test::SampleFile("config.txt"));
  WriteScript(dir, "record", "echo \"$@\" >> '" + (dir.path() / "args.txt").string() + "'; exit 4");
  const std::int64_t now = std::time(nullptr);
  TrackerState state;
  std::ostringstream ignored;
  ASSERT_TRUE(LoadForCommand(dir.path(), "amateur.txt", state, ignored));
  const PassOptions options{.start = now + 60, .seconds = 86400};
  const std::vector<PassRow> rows =
      TimeOrdered(FindTablePasses(CandidatesOf(state.Elements, state.Models, state.SatCount), state.Station, options));
  const auto next = std::find_if(rows.begin(), rows.end(), [&](const PassRow& r) { return r.pass.aos.time >= options.start; });
  ASSERT_NE(next, rows.end());
  const std::string catalog = std::to_string(state.Elements[next->number].CatalogNumber);
  dir.Write("config.txt", test::SampleFile("config.txt") + "ALERTSATS = " + catalog + "\r\nALERTLEAD = " +
                              std::to_string(static_cast<double>(next->pass.aos.time - now - 3) / 60) +
                              "\r\nALERTCOMMAND = " + (dir.path() / "record").string() + "\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"watch", "--seconds", "6"}, dir.path(), out, err), 1);
  const std::string line = "soon " + next->name + " " + catalog + " " + IsoUtc(next->pass.aos.time);
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, line.size()), line) << text << err.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
  EXPECT_EQ(dir.Read("args.txt"), text);
  EXPECT_NE(err.str().find("failed: exit status 4"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace rdz
