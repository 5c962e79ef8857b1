// The reload and download commands: the address read when the command runs,
// the transfer as background work, refused commands meanwhile, and the end.
#include <gtest/gtest.h>

#include <tuple>

#include <chrono>
#include <fstream>

#include "core/fake_internet.h"
#include "core/temp_dir.h"
#include "core/download/element_commands.h"
#include "core/load/settings_in_use.h"

namespace rdz {
namespace {

// The window: the table's state as a log, the boxes shown, the events let run.
struct RecordingView final : ElementCommandView, MessageBox, EventLoop {
  std::string log;
  std::vector<std::string> shown;
  int runs = 0;
  void BlankTable() override { log += "blank|"; }
  void RefreshTable() override { log += "refresh|"; }
  void ShowDownloadRunning(const std::string& url) override { log += "running " + url + "|"; }
  void ShowDownloadEnded() override { log += "ended|"; }
  void Show(const std::string& text, const std::string&, MessageIcon) override { shown.push_back(text); }
  void LetPendingEventsRun() override { ++runs; }
};

// Keeps the work until the test lets it run, as a worker thread that takes its time.
struct HeldWork final : BackgroundWork {
  std::vector<std::pair<std::function<void()>, std::function<void()>>> held;
  void Start(std::function<void()> work, std::function<void()> done) override { held.emplace_back(work, done); }
  void RunAll() {
    auto all = std::move(held);
    for (auto& [work, done] : all) work(), done();
  }
};

class ElementCommandsTest : public ::testing::Test {
 protected:
  ElementCommandsTest() {
    state.ElementFileName = "amateur.txt";
    state.Time.Utc = CivilTime{2026, 5, 11, 12, 0, 0};
    net->answer.pieces = {test::Block("AO-07")};
  }
  ElementCommands& Commands() {
    if (!commands) {
      commands = std::make_unique<ElementCommands>(
          state, view,
          ElementCommands::Services{view, view, dir.path(), [this] { return net; }, &work,
                                    [this] { return now; }},
          [this](const std::filesystem::path&, TrackerState& s) {
            loads.push_back(s.ElementFileName);
            return LoadOutcome::Loaded;
          });
    }
    return *commands;
  }
  test::TempDir dir;
  TrackerState state;
  RecordingView view;
  HeldWork work;
  std::shared_ptr<test::FakeInternet> net = std::make_shared<test::FakeInternet>();
  std::vector<std::string> loads;
  std::unique_ptr<ElementCommands> commands;
  std::chrono::system_clock::time_point now = std::chrono::system_clock::now();
};

// CelesTrak's rules for a group: 200 alone is an answer, and the same group is
// not asked again within two hours; the file on disk answers instead.
TEST_F(ElementCommandsTest, GroupDownloadTakesOnly200AndIsNotRepeatedWithinTwoHours) {
  const std::string geo = CelestrakGroupUrl("geo");
  const struct {
    std::chrono::seconds after;
    int status;
    bool asked, written;
    const char* says;
  } kSteps[] = {
      {std::chrono::seconds(0), 203, true, false, "(HTTP 203)"},
      {std::chrono::seconds(7199), 200, false, false, "try again later"},
      {std::chrono::seconds(7200), 200, true, true, "downloadet"},
      {std::chrono::seconds(7200 + 7199), 200, false, true, "on disk"},
  };
  const auto start = now;
  for (const auto& step : kSteps) {
    now = start + step.after;
    net->calls.clear(), loads.clear(), state.ElementFileName = "amateur.txt";
    net->answer = {.status = step.status, .pieces = {test::Block("AO-07")}};
    Commands().Download(kGeoDownload);
    work.RunAll();
    EXPECT_EQ(net->calls.find("|7" + geo + "/") != std::string::npos, step.asked) << net->calls;
    EXPECT_EQ(state.ElementFileName, step.written ? "geo.txt" : "amateur.txt") << step.says;
    EXPECT_NE(view.shown.back().find(step.says), std::string::npos) << view.shown.back();
  }
  // A configured address replaces CelesTrak's, for that group only; a file dated
  // in the future (a wrong clock, a copied file) is no recent request.
  UseSettings(state, SettingsFromBytes("GEOURL = http://127.0.0.1:1/g\r\n"));
  now += std::chrono::hours(3);
  std::filesystem::last_write_time(dir.path() / "geo.txt",
                                   std::chrono::file_clock::from_sys(now + std::chrono::hours(24)));
  Commands().Download(kGeoDownload);
  work.RunAll();
  Commands().Download(kGpsDownload);
  work.RunAll();
  EXPECT_NE(net->calls.find("|7http://127.0.0.1:1/g/"), std::string::npos) << net->calls;
  EXPECT_NE(net->calls.find("|7" + CelestrakGroupUrl("gps-ops") + "/"), std::string::npos);
}

// The address is the one the settings in use hold when the command runs (a fresh
// install has neither file). Only the built-in address falls back, address by
// address, naming the one that delivered; only a file that was written is loaded.
TEST_F(ElementCommandsTest, AddressFromConfigNowFallsBackWithoutKepurlOnlyAndOnlyAWrittenFileIsLoaded) {
  const std::string builtIn = kBuiltInElementSetUrl, kepurl = "http://127.0.0.1:1/a";
  net->byUrl[builtIn] = {.status = 404};
  net->byUrl[kAmsatTleUrl] = {.pieces = {test::Block("AO-07")}};
  net->byUrl[kepurl] = {.status = 404, .pieces = {test::Block("AO-07")}};
  // The config.txt, the address asked (empty: no library at all), whether a file was written.
  const std::tuple<const char*, std::string, bool> cases[] = {
      {nullptr, builtIn, true}, {"KEPURL = http://127.0.0.1:1/a\r\n", kepurl, false}, {"", "", false}};
  for (const auto& [config, url, written] : cases) {
    if (config != nullptr) UseSettings(state, SettingsFromBytes(config));
    state.ElementFileName = "amateur.txt";
    loads.clear();
    if (url.empty()) net = nullptr;
    Commands().Download(kNewFileDownload);
    work.RunAll();
    if (net) {
      EXPECT_NE(net->calls.find("|7" + url + "/"), std::string::npos) << net->calls;
      EXPECT_EQ(net->calls.find(kAmsatTleUrl) != std::string::npos, written) << net->calls;
      EXPECT_EQ(net->calls.find(CelestrakGroupUrl("amateur")), std::string::npos) << net->calls;
      net->calls.clear();
    }
    EXPECT_EQ(state.ElementFileName, written ? "amateur1.txt" : "amateur.txt") << url;
    EXPECT_EQ(loads.size(), written ? 1u : 0u) << url;
    EXPECT_EQ(view.log.substr(view.log.size() - 8), "refresh|");
    EXPECT_EQ(view.shown.back().find(std::string("(from ") + kAmsatTleUrl + ")") != std::string::npos, written);
  }
  EXPECT_NE(view.shown.back().find("(no network)"), std::string::npos) << view.shown.back();
}

TEST_F(ElementCommandsTest, OtherElementCommandsAreRefusedUntilTheDownloadHasEnded) {
  Commands().Download(kUpdateDownload);
  const std::string url = kBuiltInElementSetUrl;
  EXPECT_EQ(view.log, "blank|running " + url + "|");
  EXPECT_EQ(view.shown, std::vector<std::string>{kUpdateDownload.waitingText});
  EXPECT_TRUE(commands->Busy() && net->calls.empty());  // nothing on this thread

  commands->Reload();
  commands->Download(kNewFileDownload);
  commands->Cancel();
  EXPECT_TRUE(net->cancelled && view.shown.size() == 1u && work.held.size() == 1u);

  work.RunAll();
  EXPECT_EQ(view.log, "blank|running " + url + "|ended|refresh|");
  EXPECT_EQ(view.shown.back(), "OK, new Internet kepler data with [.../amateur.txt] downloadet....");
  EXPECT_TRUE(loads == std::vector<std::string>{"amateur.txt"} && !commands->Busy());

  view.log.clear();
  state.ElementFileName = "amateur1.txt";
  commands->Reload();
  EXPECT_EQ(view.log, "blank|refresh|");
  EXPECT_EQ(view.shown.back(), kReloadText);
  EXPECT_TRUE(loads.back() == "amateur.txt" && view.runs == 1);
}

TEST_F(ElementCommandsTest, DownloadEndingAfterItsCommandsAreGoneIsDropped) {
  Commands().Download(kNewFileDownload);
  commands.reset();
  EXPECT_TRUE(net->cancelled);
  work.RunAll();
  EXPECT_TRUE(view.shown.size() == 1u && loads.empty());
}

}  // namespace
}  // namespace rdz
