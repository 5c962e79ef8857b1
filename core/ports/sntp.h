#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rdz {

// A time server as "HOST[:PORT]"; an IPv6 address with a port goes in brackets.
struct NtpServer {
  std::string host = "pool.ntp.org";
  std::uint16_t port = 123;
  friend bool operator==(const NtpServer&, const NtpServer&) = default;
};

// Nothing for an empty host or a port that is not 1..65535.
std::optional<NtpServer> ParseNtpServer(std::string_view text);
std::string ServerText(const NtpServer& server);

using SystemTime = std::chrono::system_clock::time_point;

// One SNTP exchange (RFC 4330): the client's send and receive instants on the PC
// clock, the server's receive and transmit instants on its own clock.
struct SntpExchange {
  SystemTime sent, serverReceived, serverSent, received;
};

struct ClockOffset {
  double offsetSeconds;  // PC clock minus the server's clock
  double delaySeconds;   // round trip without the server's own time
};

ClockOffset MeasureOffset(const SntpExchange& exchange);

inline constexpr const char* kImplausibleAnswer = "implausible answer";

// The offset when the exchange makes sense: a round trip neither negative nor
// longer than the time limit. Nothing otherwise, with the reason in `why`.
std::optional<ClockOffset> PlausibleOffset(const SntpExchange& exchange,
                                           std::chrono::milliseconds limit, std::string& why);

inline constexpr std::size_t kSntpPacketSize = 48;
using SntpPacket = std::array<std::uint8_t, kSntpPacketSize>;

// A version 4 client request carrying `sent` as its transmit timestamp.
SntpPacket BuildSntpRequest(SystemTime sent);

// The server's two timestamps from a reply to the request that carried `sent`;
// nothing, with the reason in `why`, for anything a client must not believe (a
// zero timestamp, a send before the receipt: kImplausibleAnswer), and
// nothing with an empty `why` for a reply to some other request (to be ignored).
struct SntpServerTimes {
  SystemTime received, sent;
};
std::optional<SntpServerTimes> ReadSntpReply(std::span<const std::uint8_t> reply,
                                             const SntpPacket& request, std::string& why);

// Asks a time server once. Implementations block for at most `limit`.
struct SntpOutcome {
  std::optional<ClockOffset> offset;
  std::string error;  // why there is no offset
};

class SntpClient {
 public:
  virtual ~SntpClient() = default;
  virtual SntpOutcome Query(const NtpServer& server, std::chrono::milliseconds limit) = 0;
};

inline constexpr std::chrono::milliseconds kSntpLimit{5000};

}  // namespace rdz
