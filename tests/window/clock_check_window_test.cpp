// "VelkAtomicClock" against a local time server: the server as config.txt says
// when the item is chosen, the window keeps running while the query waits, and the box reports.
#include <QAction>
#include <QCoreApplication>
#include <chrono>
#include <fstream>
#include <regex>

#include "core/local_server.h"
#include "platform/sntp/udp_sntp_client.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

TEST_F(WindowTest, ClockCheckRunsOffTheWindowThreadAndReportsTheOffset) {
  UdpSntpClient sntp;
  WriteSampleFiles();
  const Services services{.clock = clock, .messages = messages, .sound = sound,
                          .events = events, .programDir = dir.path(), .ports = port.Ports(),
                          .internet = {}, .background = &background, .sntp = &sntp};
  form = std::make_unique<FrmTrack>(state, services, LoaderOf(SampleSatellites()));
  form->Timer1.SetEnabled(false);
  form->Load();
  const auto setServer = [&](const std::string& server) {
    std::ofstream(dir.path() / "config.txt", std::ios::app) << "NTPSERVER = " << server << "\r\n";
    // The window sees the file change on disk by itself.
    ASSERT_TRUE(PumpUntil([&] { return state.Config->ntp.text == server; }, 10));
  };
  QAction* item = form->Menus.MnuVelkClock;
  setServer("127.0.0.1:99999");
  item->trigger();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_NE(messages.boxes[0].find("127.0.0.1:99999"), std::string::npos);

  SntpResponder responder({"answer", "-3", "0.4"});  // the PC 3 s ahead; the server dawdles
  setServer(responder.server());
  item->trigger();
  EXPECT_EQ(messages.boxes.size(), 1u);  // still asking
  EXPECT_FALSE(item->isEnabled());
  form->MnuVelkClockClick();  // ignored while one check runs
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (messages.boxes.size() < 2 && std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  ASSERT_EQ(messages.boxes.size(), 2u);
  const std::string& box = messages.boxes[1];
  EXPECT_NE(box.find(responder.server()), std::string::npos) << box;
  std::smatch offset;
  ASSERT_TRUE(std::regex_search(box, offset, std::regex("\\+([0-9]+\\.[0-9]{3}) s"))) << box;
  EXPECT_NEAR(std::stod(offset[1]), 3, 0.1) << box;
  EXPECT_TRUE(item->isEnabled());
  setServer("127.0.0.1:99999");
  item->trigger();  // the ended check lets the next one start
  EXPECT_EQ(messages.boxes.size(), 3u);
}

}  // namespace
}  // namespace rdz::test
