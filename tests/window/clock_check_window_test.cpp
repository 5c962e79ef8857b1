// "VelkAtomicClock" against a local time server: the window keeps running while
// the query waits, and the box reports what came back.
#include <QAction>
#include <QCoreApplication>
#include <chrono>
#include <fstream>
#include <regex>

#include "core/sntp_responder.h"
#include "platform/sntp/udp_sntp_client.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

class ClockCheckWindow : public WindowTest {
 protected:
  void MakeFormWithSntp() {
    const Services services{.clock = clock, .messages = messages, .sound = sound, .events = events,
                            .programDir = dir.path(), .port = port, .sntp = &sntp};
    form = std::make_unique<FrmTrack>(state, services, LoaderOf(SampleSatellites()));
    form->Timer1.SetEnabled(false);
    form->Load();
  }
  void SetServer(const std::string& server) {
    std::ofstream(dir.path() / "config.txt", std::ios::app) << "NTPSERVER = " << server << "\r\n";
  }
  // Lets the window's events run until a box has been shown.
  bool WaitForBox() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (messages.boxes.empty() && std::chrono::steady_clock::now() < end) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return !messages.boxes.empty();
  }
  UdpSntpClient sntp;
};

TEST_F(ClockCheckWindow, AnswersOffTheWindowThreadWithOffsetAndWarning) {
  WriteSampleFiles();
  SntpResponder responder({"answer", "-3", "0.4"});  // the PC 3 s ahead; the server dawdles
  SetServer(responder.server());
  MakeFormWithSntp();
  QAction* item = form->Menus.MnuVelkClock;
  item->trigger();
  // The query is still under way: no box yet, the item waits for it, a second choice is ignored.
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_FALSE(item->isEnabled());
  form->MnuVelkClockClick();
  ASSERT_TRUE(WaitForBox());
  ASSERT_EQ(messages.boxes.size(), 1u);
  const std::string& box = messages.boxes[0];
  EXPECT_EQ(box.rfind("RodeDizevad|", 0), 0u) << box;
  EXPECT_NE(box.find(responder.server()), std::string::npos) << box;
  std::smatch offset;
  ASSERT_TRUE(std::regex_search(box, offset, std::regex("\\+([0-9]+\\.[0-9]{3}) s"))) << box;
  EXPECT_NEAR(std::stod(offset[1]), 3, 0.1) << box;
  EXPECT_NE(box.find("ahead"), std::string::npos) << box;
  EXPECT_TRUE(item->isEnabled());
}

TEST_F(ClockCheckWindow, AnUnusableServerSettingIsSaidAtOnce) {
  WriteSampleFiles();
  MakeFormWithSntp();
  SetServer("127.0.0.1:99999");  // read at the moment of the command, not at start-up
  form->Menus.MnuVelkClock->trigger();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_NE(messages.boxes[0].find("127.0.0.1:99999"), std::string::npos);
  EXPECT_TRUE(form->Menus.MnuVelkClock->isEnabled());
}

}  // namespace
}  // namespace rdz::test
