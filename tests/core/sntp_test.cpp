// The SNTP exchange: server names, packets, the offset arithmetic, and the real
// UDP client and command against a local responder.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "app/cli.h"
#include "clockcheck/clock_check.h"
#include "core/sntp_responder.h"
#include "core/temp_dir.h"
#include "platform/sntp.h"
#include "platform/sntp/udp_sntp_client.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;
using test::SntpResponder;

SystemTime At(double unixSeconds) {
  return SystemTime(std::chrono::duration_cast<SystemTime::duration>(
      std::chrono::duration<double>(unixSeconds)));
}

TEST(NtpServerText, HostAndOptionalPort) {
  const struct {
    const char* text;
    std::optional<NtpServer> server;
  } cases[] = {
      {"pool.ntp.org", NtpServer{"pool.ntp.org", 123}},
      {"  127.0.0.1:1230 ", NtpServer{"127.0.0.1", 1230}},
      {"[::1]:65535", NtpServer{"::1", 65535}},
      {"[::1]", NtpServer{"::1", 123}},
      {"fe80::1", NtpServer{"fe80::1", 123}},
      {"", std::nullopt},
      {"host:", std::nullopt},
      {"host:0", std::nullopt},
      {"host:65536", std::nullopt},
      {"host:12a", std::nullopt},
      {":123", std::nullopt},
      {"[::1", std::nullopt},
      {"[::1]123", std::nullopt},
      {"two words", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNtpServer(c.text), c.server) << c.text;
  EXPECT_EQ(ServerText({"::1", 5}), "[::1]:5");
}

TEST(NtpServerText, ReadFromConfigWhenTheCheckStarts) {
  test::TempDir dir;
  EXPECT_EQ(ReadNtpServerSetting(dir.path()).server, NtpServer{});  // no config.txt
  dir.Write("config.txt", test::CrLf({"LA = 1", "NTPSERVER = 127.0.0.1:4123 ", " NTPSERVER = x"}));
  EXPECT_EQ(ReadNtpServerSetting(dir.path()).server, (NtpServer{"127.0.0.1", 4123}));
  dir.Write("config.txt", test::CrLf({"NTPSERVER = time.example:port"}));
  const NtpServerSetting bad = ReadNtpServerSetting(dir.path());
  EXPECT_FALSE(bad.server);
  EXPECT_EQ(bad.text, "time.example:port");
}

// RFC 4330's arithmetic: a server 10 s ahead, 0.2 s of it spent inside the server.
TEST(SntpExchange, OffsetIsPcMinusServerAndDelayLeavesOutTheServersTime) {
  const double t = 1.78e9;
  const ClockOffset m = MeasureOffset({At(t), At(t + 10.1), At(t + 10.3), At(t + 0.5)});
  EXPECT_NEAR(m.offsetSeconds, -9.95, 1e-6);
  EXPECT_NEAR(m.delaySeconds, 0.3, 1e-6);
}

// A reply built from the request's own timestamp format, before and after the
// NTP era turns over in 2036, keeps fractions of a second.
TEST(SntpExchange, TimestampsSurviveThePacketInBothEras) {
  for (const double t : {1.7e9 + 0.25, 2.2e9 + 0.75}) {
    const SntpPacket request = BuildSntpRequest(At(t));
    EXPECT_EQ(request[0], 0x23);
    SntpPacket reply{};
    reply[0] = 0x24;
    reply[1] = 2;
    std::copy_n(request.begin() + 40, 8, reply.begin() + 24);
    std::copy_n(BuildSntpRequest(At(t + 100)).begin() + 40, 8, reply.begin() + 32);
    std::copy_n(BuildSntpRequest(At(t + 101.5)).begin() + 40, 8, reply.begin() + 40);
    std::string why;
    const auto times = ReadSntpReply(reply, request, why);
    ASSERT_TRUE(times) << why;
    EXPECT_NEAR(std::chrono::duration<double>(times->received - At(t)).count(), 100, 1e-6);
    EXPECT_NEAR(std::chrono::duration<double>(times->sent - At(t)).count(), 101.5, 1e-6);
  }
}

TEST(SntpExchange, RepliesAClientMustNotBelieve) {
  const SntpPacket request = BuildSntpRequest(At(1.7e9));
  SntpPacket good{};
  good[0] = 0x24;
  good[1] = 2;
  std::copy_n(request.begin() + 40, 8, good.begin() + 24);
  good[47] = 1;
  const struct {
    std::size_t at;
    std::uint8_t value;
    const char* why;  // a part of the reason; "" for a reply to be ignored
  } cases[] = {
      {0, 0x23, "not an SNTP server reply"},  // a client's packet
      {0, 0x14, "not an SNTP server reply"},  // version 2
      {0, 0xE4, "not synchronised"},          // leap indicator 3: alarm
      {1, 0, "kiss code ????"},
      {1, 16, "not synchronised"},
      {25, 0xFF, ""},                         // the originate stamp is not ours
      {47, 0, "no time"},
  };
  for (const auto& c : cases) {
    SntpPacket reply = good;
    reply[c.at] = c.value;
    std::string why = "unset";
    EXPECT_FALSE(ReadSntpReply(reply, request, why)) << c.why;
    if (*c.why == '\0') {
      EXPECT_EQ(why, "");
    } else {
      EXPECT_NE(why.find(c.why), std::string::npos) << why;
    }
  }
  std::string why;
  EXPECT_TRUE(ReadSntpReply(good, request, why));
  EXPECT_FALSE(ReadSntpReply(std::span(good).first(47), request, why));
}

TEST(ClockCheckBoxText, WarnsBeyondOneSecondEitherWay) {
  const struct {
    double offset;
    MessageIcon icon;
    const char* shown;
  } cases[] = {
      {0.0004, MessageIcon::None, ": 0.000 s"},  {-0.9996, MessageIcon::None, ": -1.000 s"},
      {1.2, MessageIcon::Exclamation, "ahead"},  {-3, MessageIcon::Exclamation, "behind"},
  };
  for (const auto& c : cases) {
    const ClockCheckBox box = ClockCheckMessage("h:1", {ClockOffset{c.offset, 0.0126}, {}});
    EXPECT_EQ(box.icon, c.icon) << c.offset;
    EXPECT_NE(box.text.find(c.shown), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("0.013 s"), std::string::npos) << box.text;
  }
  const ClockCheckBox failed = ClockCheckMessage("h:1", {std::nullopt, "no answer within 5 s"});
  EXPECT_EQ(failed.icon, MessageIcon::Exclamation);
  EXPECT_NE(failed.text.find("no answer within 5 s"), std::string::npos);
}

TEST(UdpSntpClient, MeasuresAKnownOffsetAndLeavesOutTheServersHold) {
  SntpResponder responder({"answer", "-12.5", "0.3"});  // server 12.5 s behind the PC
  UdpSntpClient client;
  const SntpOutcome got = client.Query({"127.0.0.1", static_cast<std::uint16_t>(responder.port())}, 5s);
  ASSERT_TRUE(got.offset) << got.error;
  EXPECT_NEAR(got.offset->offsetSeconds, 12.5, 0.05);
  EXPECT_GE(got.offset->delaySeconds, -0.01);
  EXPECT_LT(got.offset->delaySeconds, 0.15);
}

TEST(UdpSntpClient, SilenceRefusalAndKissEndInAReason) {
  UdpSntpClient client;
  {
    SntpResponder silent({"silent"});
    const auto start = std::chrono::steady_clock::now();
    const SntpOutcome got = client.Query({"127.0.0.1", static_cast<std::uint16_t>(silent.port())}, 300ms);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(got.offset);
    EXPECT_EQ(got.error, "no answer within 0.3 s");
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 3s);
  }
  {
    SntpResponder kiss({"kiss"});
    const SntpOutcome got = client.Query({"127.0.0.1", static_cast<std::uint16_t>(kiss.port())}, 5s);
    EXPECT_NE(got.error.find("RATE"), std::string::npos) << got.error;
  }
  // A port nobody listens on: the refusal arrives at once instead of the time limit.
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  ::bind(fd, reinterpret_cast<sockaddr*>(&a), len);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  ::close(fd);
  const SntpOutcome refused = client.Query({"127.0.0.1", ntohs(a.sin_port)}, 3s);
  EXPECT_FALSE(refused.offset);
  EXPECT_NE(refused.error.find("refused"), std::string::npos) << refused.error;
}

std::pair<int, std::string> RunProgram(const std::string& args) {
  FILE* pipe = ::popen((std::string(RDZ_CLI_PATH) + " " + args).c_str(), "r");
  std::string out;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  return {::pclose(pipe), out};
}

TEST(CliClock, PrintsOffsetAndDelayFromTheConfiguredOrGivenServer) {
  SntpResponder responder({"answer", "2"});
  test::TempDir dir;
  dir.Write("config.txt", test::CrLf({"NTPSERVER = " + responder.server()}));
  for (const std::string& args : {"clock --dir " + dir.path().string(),
                                 "clock --server " + responder.server() + " --dir /nonexistent"}) {
    const auto [status, out] = RunProgram(args);
    EXPECT_EQ(status, 0) << args;
    double offset = 0, delay = -1;
    ASSERT_EQ(std::sscanf(out.c_str(), "offset %lf\ndelay %lf\n", &offset, &delay), 2) << out;
    EXPECT_NEAR(offset, -2, 0.05);
    EXPECT_GE(delay, 0);
    EXPECT_NE(out.find(".", out.find("delay")), std::string::npos);
  }
}

TEST(CliClock, NoAnswerIsOneLineOnStderrAndAFailure) {
  SntpResponder silent({"silent"});
  const auto [status, out] = RunProgram("clock --server " + silent.server() + " 2>&1 >/dev/null");
  EXPECT_NE(status, 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
  EXPECT_NE(out.find(silent.server()), std::string::npos) << out;

  std::ostringstream o, e;
  UdpSntpClient client;
  EXPECT_EQ(RunCli({"clock", "--server", "host:0"}, ".", o, e, &client), 2);
  EXPECT_EQ(o.str(), "");
}

}  // namespace
}  // namespace rdz
