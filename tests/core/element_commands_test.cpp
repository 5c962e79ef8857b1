// The reload and download commands: the address read when the command runs,
// the transfer as background work, refused commands meanwhile, and the end.
#include <gtest/gtest.h>

#include <fstream>

#include "core/fake_internet.h"
#include "core/temp_dir.h"
#include "download/element_commands.h"

namespace rdz {
namespace {

struct RecordingView final : ElementCommandView {
  std::string log;
  void BlankTable() override { log += "blank|"; }
  void RefreshTable() override { log += "refresh|"; }
  void ShowDownloadRunning(const std::string& url) override { log += "running " + url + "|"; }
  void ShowDownloadEnded() override { log += "ended|"; }
};

struct Boxes final : MessageBox {
  std::vector<std::string> shown;
  void Show(const std::string& text, const std::string&, MessageIcon) override { shown.push_back(text); }
};

struct CountedEvents final : EventLoop {
  int runs = 0;
  void LetPendingEventsRun() override { ++runs; }
};

// Keeps the work until the test lets it run, as a worker thread that takes its time.
struct HeldWork final : BackgroundWork {
  std::vector<std::pair<std::function<void()>, std::function<void()>>> held;
  void Start(std::function<void()> work, std::function<void()> done) override {
    held.emplace_back(std::move(work), std::move(done));
  }
  void RunAll() {
    auto all = std::move(held);
    for (auto& [work, done] : all) work(), done();
  }
};

class ElementCommandsTest : public ::testing::Test {
 protected:
  ElementCommandsTest() {
    state.ElementFileName = "amateur.txt";
    state.UtcDateText = "11/05/2026";
    state.UtcTimeText = "12:00:00";
    net->answer.pieces = {test::Block("AO-07")};
  }
  ElementCommands& Commands() {
    if (!commands) {
      commands = std::make_unique<ElementCommands>(
          state, view,
          ElementCommands::Services{boxes, events, dir.path(), [this] { return net; }, &work},
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
  Boxes boxes;
  CountedEvents events;
  HeldWork work;
  std::shared_ptr<test::FakeInternet> net = std::make_shared<test::FakeInternet>();
  std::vector<std::string> loads;
  std::unique_ptr<ElementCommands> commands;
};

// The address is the one config.txt holds when the command runs (a fresh
// install has neither file); only a file that was written is named and loaded.
TEST_F(ElementCommandsTest, AddressFromConfigNowAndOnlyAWrittenFileIsLoaded) {
  const std::string builtIn = kBuiltInElementSetUrl, good = test::Block("AO-07");
  struct Case {
    const char* config;
    test::Answer answer;
    std::string url;
    bool written;
  } cases[] = {{nullptr, {.pieces = {good}}, builtIn, true},
               {"KEPURL = http://127.0.0.1:1/a\r\n", {.status = 404, .pieces = {good}}, "http://127.0.0.1:1/a", false},
               {"LA = 1\r\n", {.pieces = {test::Block("X", "0")}}, builtIn, false},
               {"KEPURL = \r\n", {.pieces = {good}}, builtIn, true},
               {"", {.opens = false}, "", false}};  // no library at all
  for (const Case& c : cases) {
    if (c.config != nullptr) dir.Write("config.txt", c.config);
    state.ElementFileName = "amateur.txt";
    loads.clear();
    net->calls.clear();
    net->answer = c.answer;
    if (c.url.empty()) net = nullptr;
    Commands().Download(kNewFileDownload);
    work.RunAll();
    if (net) EXPECT_NE(net->calls.find("|7" + c.url + "/"), std::string::npos) << net->calls;
    EXPECT_EQ(state.ElementFileName, c.written ? "amateur1.txt" : "amateur.txt") << c.url;
    EXPECT_EQ(loads.size(), c.written ? 1u : 0u) << c.url;
    EXPECT_EQ(view.log.substr(view.log.size() - 8), "refresh|");
  }
  EXPECT_NE(boxes.shown.back().find("(no network)"), std::string::npos) << boxes.shown.back();
}

TEST_F(ElementCommandsTest, OtherElementCommandsAreRefusedUntilTheDownloadHasEnded) {
  Commands().Download(kUpdateDownload);
  const std::string url = kBuiltInElementSetUrl;
  EXPECT_EQ(view.log, "blank|running " + url + "|");
  EXPECT_EQ(boxes.shown, std::vector<std::string>{kUpdateDownload.waitingText});
  EXPECT_TRUE(commands->Busy());
  EXPECT_TRUE(net->calls.empty());  // nothing on this thread

  commands->Reload();
  commands->Download(kNewFileDownload);
  commands->Cancel();
  EXPECT_TRUE(net->cancelled);
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(work.held.size(), 1u);

  work.RunAll();
  EXPECT_EQ(view.log, "blank|running " + url + "|ended|refresh|");
  EXPECT_EQ(boxes.shown.back(), "OK, new Internet kepler data with [.../amateur.txt] downloadet....");
  EXPECT_EQ(loads, std::vector<std::string>{"amateur.txt"});
  EXPECT_FALSE(commands->Busy());

  view.log.clear();
  state.ElementFileName = "amateur1.txt";
  commands->Reload();
  EXPECT_EQ(view.log, "blank|refresh|");
  EXPECT_EQ(boxes.shown.back(), kReloadText);
  EXPECT_EQ(loads.back(), "amateur.txt");
  EXPECT_EQ(events.runs, 1);
}

TEST_F(ElementCommandsTest, DownloadEndingAfterItsCommandsAreGoneIsDropped) {
  Commands().Download(kNewFileDownload);
  commands.reset();
  EXPECT_TRUE(net->cancelled);
  work.RunAll();
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(loads.empty());
}

}  // namespace
}  // namespace rdz
