// The SNTP exchange: server names, packets, the offset arithmetic, and the real
// UDP client and command against a local responder.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <functional>

#include "programs/cli/cli.h"
#include "core/clock/clock_check.h"
#include "core/local_server.h"
#include "core/temp_dir.h"
#include "platform/sntp/udp_sntp_client.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;
using test::SntpResponder;

SystemTime At(double s) { return SystemTime(std::chrono::duration_cast<SystemTime::duration>(std::chrono::duration<double>(s))); }

TEST(NtpServerText, HostAndOptionalPort) {
  const std::pair<const char*, std::optional<NtpServer>> cases[] = {
      {"pool.ntp.org", NtpServer{"pool.ntp.org", 123}}, {" 127.0.0.1:1230 ", NtpServer{"127.0.0.1", 1230}},
      {"[::1]:65535", NtpServer{"::1", 65535}},          {"fe80::1", NtpServer{"fe80::1", 123}},
      {"host:", std::nullopt},   {"host:0", std::nullopt}, {"host:65536", std::nullopt},
      {"host:12a", std::nullopt}, {"[::1]123", std::nullopt}, {"", std::nullopt}};
  for (const auto& [text, server] : cases) EXPECT_EQ(ParseNtpServer(text), server) << text;
}

// RFC 4330's arithmetic: a server 10 s ahead, 0.2 s of the exchange spent inside it.
TEST(SntpExchange, OffsetIsPcMinusServerAndDelayLeavesOutTheServersTime) {
  const ClockOffset m = MeasureOffset({At(1.78e9), At(1.78e9 + 10.1), At(1.78e9 + 10.3), At(1.78e9 + 0.5)});
  EXPECT_NEAR(m.offsetSeconds, -9.95, 1e-6);
  EXPECT_NEAR(m.delaySeconds, 0.3, 1e-6);
}

SntpPacket ReplyTo(const SntpPacket& request, double received, double sent) {
  SntpPacket reply{};
  reply[0] = 0x24, reply[1] = 2;  // server, version 4; stratum 2
  std::copy_n(request.begin() + 40, 8, reply.begin() + 24);
  std::copy_n(BuildSntpRequest(At(received)).begin() + 40, 8, reply.begin() + 32);
  std::copy_n(BuildSntpRequest(At(sent)).begin() + 40, 8, reply.begin() + 40);
  return reply;
}

// Fractions of a second survive, before and after the NTP era turns over in 2036.
TEST(SntpExchange, TimestampsSurviveThePacketInBothEras) {
  for (const double t : {1.7e9 + 0.25, 2.2e9 + 0.75}) {
    const SntpPacket request = BuildSntpRequest(At(t));
    std::string why;
    const auto times = ReadSntpReply(ReplyTo(request, t + 100, t + 101.5), request, why);
    ASSERT_TRUE(times) << why;
    EXPECT_NEAR(std::chrono::duration<double>(times->received - At(t)).count(), 100, 1e-6);
    EXPECT_NEAR(std::chrono::duration<double>(times->sent - At(t)).count(), 101.5, 1e-6);
  }
}

TEST(SntpExchange, RepliesAClientMustNotBelieve) {
  const SntpPacket request = BuildSntpRequest(At(1.7e9));
  const auto set = [](std::size_t at, std::uint8_t v) { return [=](SntpPacket& p) { p[at] = v; }; };
  const auto zero = [](std::size_t at) { return [=](SntpPacket& p) { std::fill_n(p.begin() + at, 8, 0); }; };
  const std::pair<std::function<void(SntpPacket&)>, const char*> cases[] = {
      {set(0, 0x23), "not an SNTP server reply"}, {set(0, 0xE4), "not synchronised"}, {set(1, 0), "kiss code"},
      {set(25, 0xFF), ""},  // an answer to another request: ignored without a reason
      {zero(32), "implausible answer (a zero timestamp)"}, {zero(40), "implausible answer (a zero timestamp)"},
      {[](SntpPacket& p) { p = ReplyTo(BuildSntpRequest(At(1.7e9)), 1.7e9 + 1, 1.7e9); },
       "implausible answer (sent before it was received)"}};
  for (const auto& [change, why] : cases) {
    SntpPacket reply = ReplyTo(request, 1.7e9, 1.7e9);
    change(reply);
    std::string reason = "unset";
    EXPECT_FALSE(ReadSntpReply(reply, request, reason)) << why;
    EXPECT_TRUE(*why != '\0' ? reason.find(why) != std::string::npos : reason.empty()) << reason;
  }
}

// The round trip without the server's time can be neither negative nor longer than the limit.
TEST(SntpExchange, ARoundTripOutsideZeroToTheLimitIsImplausible) {
  const double t = 1.78e9;
  for (const auto& [serverHeld, roundTrip, plausible] :
       {std::tuple{0.2, 0.5, true}, {0.0, 5.0, true}, {0.6, 0.5, false}, {0.0, 5.001, false}}) {
    std::string why;
    const auto offset = PlausibleOffset({At(t), At(t + 9), At(t + 9 + serverHeld), At(t + roundTrip)}, 5s, why);
    EXPECT_EQ(offset.has_value(), plausible) << roundTrip << " " << serverHeld;
    EXPECT_EQ(why.starts_with("implausible answer"), !plausible) << why;
  }
}

TEST(ClockCheckBoxText, WarnsBeyondOneSecondEitherWay) {
  const std::pair<double, MessageIcon> cases[] = {
      {-0.9996, MessageIcon::None}, {1.2, MessageIcon::Exclamation}, {-3, MessageIcon::Exclamation}};
  for (const auto& [offset, icon] : cases) {
    EXPECT_EQ(ClockCheckMessage("h:1", {ClockOffset{offset, 0.01}, {}}).icon, icon) << offset;
  }
  EXPECT_EQ(ClockCheckMessage("h:1", {std::nullopt, "x"}).icon, MessageIcon::Exclamation);
  EXPECT_EQ(Seconds3(-0.0004), "0.000");
}

TEST(UdpSntpClient, SilenceKissRefusalAndALieEndInAReason) {
  UdpSntpClient client;
  std::uint16_t port = 0;
  {
    SntpResponder silent({"silent"});
    port = silent.port();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.Query({"127.0.0.1", port}, 300ms).error, "no answer within 0.3 s");
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
  }
  // The port is free now: the refusal comes at once, long before the limit.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_NE(client.Query({"127.0.0.1", port}, 5s).error.find("refused"), std::string::npos);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);
  SntpResponder kiss({"kiss"});
  EXPECT_NE(client.Query({"127.0.0.1", kiss.port()}, 5s).error.find("RATE"), std::string::npos);
  SntpResponder liar({"liar"});
  EXPECT_EQ(client.Query({"127.0.0.1", liar.port()}, 5s).error.substr(0, 18), "implausible answer");
}

TEST(CliClock, OffsetAndDelayFromTheConfiguredOrGivenServerAndOneLineWithoutAnswer) {
  SntpResponder responder({"answer", "2", "0.3"});  // 2 s ahead, holding each request 0.3 s
  test::TempDir dir;
  dir.Write("config.txt", test::CrLf({"NTPSERVER = " + responder.server()}));
  UdpSntpClient client;
  const auto run = [&](const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCli(args, dir.path(), out, err, {.sntp = &client});
  };
  for (const std::vector<std::string>& args : {std::vector<std::string>{"clock"}, {"clock", "--server", responder.server(), "--dir", "/none"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(run(args, out, err), 0) << args.size() << err.str();
    double offset = 0, delay = -1;
    ASSERT_EQ(std::sscanf(out.str().c_str(), "offset %lf\ndelay %lf\n", &offset, &delay), 2) << out.str();
    EXPECT_NEAR(offset, -2, 0.05);
    EXPECT_LT(delay, 0.15);  // the server's hold left out
  }
  SntpResponder silent({"silent"});
  std::ostringstream out, err;
  EXPECT_NE(run({"clock", "--server", silent.server()}, out, err), 0);
  EXPECT_EQ(test::CountOf(err.str(), "\n"), 1) << err.str();
}

}  // namespace
}  // namespace rdz
