// "Transponders Internet" end to end: the address from config.txt, libcurl
// against the local test server, and the list replaced only by a usable one.
#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "download/element_commands.h"
#include "http/element_server.h"
#include "platform/curl/curl_internet.h"
#include "platform/text_lines.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;

struct View final : ElementCommandView {
  std::string log;
  void BlankTable() override { log += "blank|"; }
  void RefreshTable() override { log += "refresh|"; }
  void ShowDownloadRunning(const std::string&) override { log += "running|"; }
  void ShowDownloadEnded() override { log += "ended|"; }
  void TransmittersChanged() override { log += "transmitters|"; }
};

struct Boxes final : MessageBox {
  std::vector<std::string> shown;
  void Show(const std::string& text, const std::string&, MessageIcon) override { shown.push_back(text); }
};

struct NoEvents final : EventLoop {
  void LetPendingEventsRun() override {}
};

TEST(TransmitterDownload, ReplacesTheListOnlyWithOneThatHoldsTransponders) {
  test::TempDir served, program;
  const auto fixture = ReadTextFile(std::filesystem::path(RDZ_RADIO_FIXTURES) / "transmitters.json");
  ASSERT_TRUE(fixture);
  served.Write("transmitters.json", *fixture);
  served.Write("empty.json", "[]");
  served.Write("page.html", "<html><body>maintenance</body></html>");
  test::ElementServer server{served.path()};

  TrackerState state;
  state.ElementFileName = "amateur.txt";
  View view;
  Boxes boxes;
  NoEvents events;
  int loads = 0;
  ElementCommands commands(
      state, view,
      {boxes, events, program.path(), [] { return std::make_shared<CurlInternet>(InternetTimeLimits{1s, 5s}); }},
      [&](const std::filesystem::path&, TrackerState&) { return ++loads, LoadOutcome::Loaded; });

  const auto fetch = [&](const std::string& path) {
    program.Write("config.txt", "LA = 46.5\r\nTRANSPONDERURL = " + server.Url(path) + "\r\n");
    view.log.clear();
    commands.Download(kTransmitterDownload);
    return view.log;
  };
  EXPECT_EQ(fetch("/files/transmitters.json"), "running|ended|transmitters|refresh|");
  EXPECT_EQ(boxes.shown.back(), "OK, new transponder list with [.../transmitters.json] downloaded.");
  const auto stored = ReadTransmitterFile(program.path());
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->entries.size(), 6u);
  const std::string good = program.Read("transmitters.json");

  for (const char* path : {"/status/404/transmitters.json", "/files/page.html", "/files/empty.json",
                           "/cut/transmitters.json"}) {
    EXPECT_EQ(fetch(path), "running|ended|refresh|") << path;
    EXPECT_NE(boxes.shown.back().find("not changed"), std::string::npos) << boxes.shown.back();
    EXPECT_EQ(program.Read("transmitters.json"), good) << path;
  }
  EXPECT_NE(boxes.shown[3].find("HTTP 404"), std::string::npos) << boxes.shown[3];
  // The element table is neither blanked nor loaded again.
  EXPECT_EQ(loads, 0);
  EXPECT_EQ(state.ElementFileName, "amateur.txt");
}

}  // namespace
}  // namespace rdz
