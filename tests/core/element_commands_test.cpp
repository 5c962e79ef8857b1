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

TEST_F(ElementCommandsTest, AddressIsTheOneConfigHoldsWhenTheCommandRuns) {
  const std::pair<const char*, std::string> cases[] = {
      {nullptr, kBuiltInElementSetUrl},  // fresh install: neither file yet
      {"KEPURL = http://127.0.0.1:1/a\r\n", "http://127.0.0.1:1/a"},
      {"LA = 1\r\n", kBuiltInElementSetUrl},
      {"KEPURL = \r\n", kBuiltInElementSetUrl},
  };
  for (const auto& [config, url] : cases) {
    if (config != nullptr) dir.Write("config.txt", config);
    Commands().Download(kNewFileDownload);
    work.RunAll();
    EXPECT_NE(net->calls.find("|7" + url + "/"), std::string::npos) << net->calls;
    net->calls.clear();
  }
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

TEST_F(ElementCommandsTest, OnlyAWrittenFileIsLoadedAndNamed) {
  struct Case {
    test::Answer answer;
    bool written;
  } cases[] = {{{.pieces = {test::Block("AO-07")}}, true},
               {{.status = 404, .pieces = {test::Block("AO-07")}}, false},
               {{.pieces = {test::Block("AO-07", "0")}}, false}};
  for (const Case& c : cases) {
    state.ElementFileName = "amateur.txt";
    loads.clear();
    net->answer = c.answer;
    Commands().Download(kNewFileDownload);
    work.RunAll();
    EXPECT_EQ(state.ElementFileName, c.written ? "amateur1.txt" : "amateur.txt");
    EXPECT_EQ(loads.size(), c.written ? 1u : 0u);
    EXPECT_EQ(view.log.substr(view.log.size() - 8), "refresh|");
  }
  // Without an Internet library nothing arrives.
  commands.reset();
  ElementCommands none(state, view, {boxes, events, dir.path(), {}, nullptr}, nullptr);
  none.Download(kNewFileDownload);
  EXPECT_NE(boxes.shown.back().find("(no network)"), std::string::npos) << boxes.shown.back();
  EXPECT_FALSE(none.Busy());
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
