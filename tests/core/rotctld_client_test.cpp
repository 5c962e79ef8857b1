// The rotctld client: positions set and read on the real daemon, and answers
// that are no position, which must fail rather than read as 0 0.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "core/local_server.h"
#include "core/rotctld.h"
#include "platform/hamlib/hamlib_library.h"
#include "platform/hamlib/rotctld_rotor.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;

TEST(RotctldRotor, SetsAndReadsTheRealDaemon) {
  test::Rotctld daemon;
  ASSERT_TRUE(daemon.ready());
  const std::unique_ptr<Rotor> rotor = HamlibRotorLibrary().Make({2, daemon.address(), 0}, 1000);
  ASSERT_TRUE(rotor->Open().ok);
  ASSERT_TRUE(rotor->SetPosition(4.5, 3.25).ok);
  double az = -1, el = -1;
  // The dummy rotor turns a few degrees a second.
  for (const auto end = std::chrono::steady_clock::now() + 5s; std::chrono::steady_clock::now() < end;) {
    ASSERT_TRUE(rotor->GetPosition(az, el).ok);
    if (az == 4.5 && el == 3.25) break;
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_EQ(daemon.Ask("p"), "4.50 3.25");
  EXPECT_EQ(az, 4.5);
  EXPECT_EQ(el, 3.25);
  const DeviceCall refused = rotor->SetPosition(999, 0);
  EXPECT_EQ(refused.error, "Invalid parameter");
  EXPECT_TRUE(rotor->GetPosition(az, el).ok);  // still in step
  daemon.Stop();  // a daemon gone stays gone for this rotor: the caller reconnects with a new one
  EXPECT_EQ(rotor->GetPosition(az, el).error, "connection closed");
}

TEST(RotctldRotor, AnAnswerThatIsNoPositionIsAFailedRead) {
  struct Case {
    const char* answer;
    const char* readError;  // of opening and reading; empty: a position
    const char* setError;   // of opening and setting; empty: accepted
  };
  const Case cases[] = {
      {"1.5\\n-2\\n", "", "unreadable answer"},
      {"1.5\\r\\n-2\\r\\n", "", "unreadable answer"},
      {"RPRT 0\\n", "unreadable answer", ""},
      {"RPRT -8\\n", "Protocol error", "Protocol error"},
      {"abc\\n1\\n", "unreadable answer", "unreadable answer"},
      {"12.5x\\n1\\n", "unreadable answer", "unreadable answer"},
      {"nan\\n1\\n", "unreadable answer", "unreadable answer"},
      {"1\\n2", "communication timed out", "communication timed out"},  // second line never ends
      {"12.5\\n", "communication timed out", "communication timed out"},
  };
  for (const Case& c : cases) {
    test::LocalServer server(RDZ_ANSWER_SERVER, {c.answer});
    // Each on a rotor of its own: an answer out of step ends the connection.
    const auto openAnd = [&](const std::function<DeviceCall(Rotor&)>& call) {
      const std::unique_ptr<Rotor> rotor = MakeRotctldRotor(server.server(), 300);
      const DeviceCall open = rotor->Open();
      return open.ok ? call(*rotor) : open;
    };
    double az = 7, el = 7;
    const DeviceCall read = openAnd([&](Rotor& r) { return r.GetPosition(az, el); });
    EXPECT_EQ(read.error, c.readError) << c.answer;
    EXPECT_EQ(read.ok, read.error.empty()) << c.answer;
    EXPECT_TRUE(read.ok ? az == 1.5 && el == -2 : az == 7 && el == 7) << c.answer;
    EXPECT_EQ(openAnd([](Rotor& r) { return r.SetPosition(10, 20); }).error, c.setError) << c.answer;
  }
}

}  // namespace
}  // namespace rdz
