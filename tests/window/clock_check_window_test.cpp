// "VelkAtomicClock" against a local time server: the server as config.txt says
// when the item is chosen, the window keeps running while the query waits, and the box reports.
#include <QAction>
#include <fstream>
#include <regex>

#include "core/local_server.h"
#include "platform/sntp/udp_sntp_client.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

// The client outlives the window and its background work, even when a check still runs at the end.
struct SntpClientHolder {
  UdpSntpClient sntp;
};
struct ClockCheck : SntpClientHolder, WindowTest {
  // The window sees the file change on disk by itself.
  bool SetServer(const std::string& server) {
    std::ofstream(dir.path() / "config.txt", std::ios::app) << "NTPSERVER = " << server << "\r\n";
    return PumpUntil([&] { return state.Config->ntp.text == server; }, 10);
  }
};

TEST_F(ClockCheck, RunsOffTheWindowThreadAndReportsTheOffset) {
  WriteSampleFiles();
  const Services services{.clock = clock, .messages = messages, .sound = sound,
                          .events = events, .programDir = dir.path(), .ports = port.Ports(),
                          .internet = {}, .background = &background, .sntp = &sntp};
  form = std::make_unique<FrmTrack>(state, services, LoaderOf(SampleSatellites()));
  form->Timer1.SetEnabled(false);
  form->Load();
  QAction* item = form->Menus.MnuVelkClock;
  ASSERT_TRUE(SetServer("127.0.0.1:99999"));
  item->trigger();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_NE(messages.boxes[0].find("127.0.0.1:99999"), std::string::npos);

  SntpResponder responder({"answer", "-3", "0.4"});  // the PC 3 s ahead; the server dawdles
  ASSERT_TRUE(SetServer(responder.server()));
  item->trigger();
  EXPECT_EQ(messages.boxes.size(), 1u);  // still asking
  EXPECT_FALSE(item->isEnabled());
  form->MnuVelkClockClick();  // ignored while one check runs
  ASSERT_TRUE(PumpUntil([&] { return messages.boxes.size() >= 2; }, 10));
  ASSERT_EQ(messages.boxes.size(), 2u);
  const std::string& box = messages.boxes[1];
  EXPECT_NE(box.find(responder.server()), std::string::npos) << box;
  std::smatch offset;
  ASSERT_TRUE(std::regex_search(box, offset, std::regex("\\+([0-9]+\\.[0-9]{3}) s"))) << box;
  EXPECT_NEAR(std::stod(offset[1]), 3, 0.1) << box;
  EXPECT_TRUE(item->isEnabled());
  ASSERT_TRUE(SetServer("127.0.0.1:99999"));
  item->trigger();  // the ended check lets the next one start
  EXPECT_EQ(messages.boxes.size(), 3u);
}

}  // namespace
}  // namespace rdz::test
