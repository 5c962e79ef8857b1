// "Transponders Internet" end to end: the address from config.txt, libcurl
// against the local test server, and the list replaced only by a usable one.
#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "core/download/element_commands.h"
#include "core/load/settings_in_use.h"
#include "core/local_server.h"
#include "platform/curl/curl_internet.h"

namespace rdz {
namespace {

struct View final : ElementCommandView {
  std::string log;
  void BlankTable() override { log += "blank|"; }
  void RefreshTable() override { log += "refresh|"; }
  void ShowDownloadRunning(const std::string&) override { log += "running|"; }
  void ShowDownloadEnded() override { log += "ended|"; }
  void TransmittersChanged() override { log += "transmitters|"; }
};

struct Boxes final : MessageBox, EventLoop {
  std::string last;
  void Show(const std::string& text, const std::string&, MessageIcon) override { last = text; }
  void LetPendingEventsRun() override {}
};

TEST(TransmitterDownload, ReplacesTheListOnlyWithOneThatHoldsTransponders) {
  test::TempDir served, program;
  served.Write("transmitters.json", test::TransmittersFixture());
  served.Write("empty.json", "[]");
  served.Write("page.html", "<html><body>maintenance</body></html>");
  test::ElementServer server{served.path()};
  TrackerState state;
  View view;
  Boxes boxes;
  int loads = 0;
  const auto internet = [] { return std::make_shared<CurlInternet>(InternetTimeLimits{std::chrono::seconds(1), std::chrono::seconds(5)}); };
  ElementCommands commands(state, view, {boxes, boxes, program.path(), internet},
                           [&](const std::filesystem::path&, TrackerState&) { return ++loads, LoadOutcome::Loaded; });
  const auto fetch = [&](const std::string& path) {
    UseSettings(state, SettingsFromBytes("LA = 46.5\r\nTRANSPONDERURL = " + server.Url(path) + "\r\n"));
    view.log.clear();
    commands.Download(kTransmitterDownload);
    return view.log;
  };

  EXPECT_EQ(fetch("/files/transmitters.json"), "running|ended|transmitters|refresh|");
  EXPECT_EQ(boxes.last, "OK, new transponder list with [.../transmitters.json] downloaded.");
  EXPECT_EQ(ReadTransmitterFile(program.path()).value().entries.size(), 6u);
  const std::string good = program.Read("transmitters.json");
  for (const char* path : {"/status/404/transmitters.json", "/files/page.html", "/files/empty.json"}) {
    EXPECT_EQ(fetch(path), "running|ended|refresh|") << path;
    EXPECT_NE(boxes.last.find("not changed"), std::string::npos) << boxes.last;
    EXPECT_EQ(program.Read("transmitters.json"), good) << path;
  }
  // The element table is neither blanked nor loaded again.
  EXPECT_EQ(loads, 0);
}

}  // namespace
}  // namespace rdz
