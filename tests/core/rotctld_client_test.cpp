// The rotctld client on answers that are no position, which must fail rather
// than read as 0 0. On the real daemon it is met in the window and in `track`.
#include <gtest/gtest.h>

#include <functional>

#include "core/local_server.h"
#include "platform/hamlib/rotctld_rotor.h"

namespace rdz {
namespace {

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
