#include "core/ports/sntp.h"

#include <charconv>
#include <cstdio>

namespace rdz {

namespace {

// Seconds from 1900-01-01 (the NTP epoch) to 1970-01-01.
constexpr std::int64_t kNtpToUnix = 2208988800;
constexpr std::int64_t kNano = 1'000'000'000;

std::uint64_t ToNtp(SystemTime t) {
  const std::int64_t ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
  const std::int64_t sinceEpoch = ns + kNtpToUnix * kNano;
  const auto seconds = static_cast<std::uint64_t>(sinceEpoch / kNano) & 0xffffffffu;
  const auto fraction = (static_cast<std::uint64_t>(sinceEpoch % kNano) << 32) / kNano;
  return seconds << 32 | fraction;
}

SystemTime FromNtp(std::uint64_t stamp) {
  std::int64_t seconds = static_cast<std::int64_t>(stamp >> 32);
  // Without the top bit the stamp lies in the era that starts in 2036.
  if (seconds < 0x80000000LL) seconds += 0x100000000LL;
  const auto fraction = static_cast<std::int64_t>(((stamp & 0xffffffffu) * kNano) >> 32);
  const std::int64_t ns = (seconds - kNtpToUnix) * kNano + fraction;
  return SystemTime(std::chrono::duration_cast<SystemTime::duration>(std::chrono::nanoseconds(ns)));
}

std::uint64_t StampAt(std::span<const std::uint8_t> packet, std::size_t at) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < 8; ++i) v = v << 8 | packet[at + i];
  return v;
}

void PutStamp(SntpPacket& packet, std::size_t at, std::uint64_t v) {
  for (std::size_t i = 0; i < 8; ++i) packet[at + i] = static_cast<std::uint8_t>(v >> (56 - 8 * i));
}

constexpr std::size_t kOriginate = 24, kReceive = 32, kTransmit = 40;

double Seconds(SystemTime::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

std::optional<NtpServer> ParseNtpServer(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  NtpServer server;
  std::string_view host = text, port;
  if (text.front() == '[') {
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      port = rest.substr(1);
      if (port.empty()) return std::nullopt;
    }
  } else if (const auto colon = text.find(':');
             colon != std::string_view::npos && text.find(':', colon + 1) == std::string_view::npos) {
    // One colon separates the port; more are a bare IPv6 address.
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (port.empty()) return std::nullopt;
  }
  if (host.empty() || host.find_first_of(" \t") != std::string_view::npos) return std::nullopt;
  server.host = std::string(host);
  if (!port.empty()) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (ec != std::errc() || end != port.data() + port.size() || value < 1 || value > 65535) {
      return std::nullopt;
    }
    server.port = static_cast<std::uint16_t>(value);
  }
  return server;
}

std::string ServerText(const NtpServer& server) {
  const bool v6 = server.host.find(':') != std::string::npos;
  return (v6 ? "[" + server.host + "]" : server.host) + ":" + std::to_string(server.port);
}

ClockOffset MeasureOffset(const SntpExchange& e) {
  // RFC 4330: the server is ahead of the PC by ((T2 - T1) + (T3 - T4)) / 2.
  const double serverAhead = (Seconds(e.serverReceived - e.sent) + Seconds(e.serverSent - e.received)) / 2;
  const double delay = Seconds(e.received - e.sent) - Seconds(e.serverSent - e.serverReceived);
  return {-serverAhead, delay};
}

SntpPacket BuildSntpRequest(SystemTime sent) {
  SntpPacket packet{};
  packet[0] = 0 << 6 | 4 << 3 | 3;  // no leap warning, version 4, client
  PutStamp(packet, kTransmit, ToNtp(sent));
  return packet;
}

std::optional<SntpServerTimes> ReadSntpReply(std::span<const std::uint8_t> reply,
                                             const SntpPacket& request, std::string& why) {
  if (reply.size() < kSntpPacketSize) {
    why = "the answer is too short for an SNTP reply";
    return std::nullopt;
  }
  const int leap = reply[0] >> 6, version = reply[0] >> 3 & 7, mode = reply[0] & 7;
  const int stratum = reply[1];
  if (mode != 4 || version < 3 || version > 4) {
    why = "the answer is not an SNTP server reply";
  } else if (StampAt(reply, kOriginate) != StampAt(request, kTransmit)) {
    why.clear();
  } else if (stratum == 0) {
    std::string code;
    for (std::size_t i = 12; i < 16; ++i) {
      code += reply[i] >= 0x20 && reply[i] < 0x7f ? static_cast<char>(reply[i]) : '?';
    }
    why = "the server refused to answer (kiss code " + code + ")";
  } else if (leap == 3 || stratum > 15) {
    why = "the server's own clock is not synchronised";
  } else if (StampAt(reply, kTransmit) == 0 || StampAt(reply, kReceive) == 0) {
    why = std::string(kImplausibleAnswer) + " (a zero timestamp)";
  } else if (FromNtp(StampAt(reply, kTransmit)) < FromNtp(StampAt(reply, kReceive))) {
    why = std::string(kImplausibleAnswer) + " (sent before it was received)";
  } else {
    return SntpServerTimes{FromNtp(StampAt(reply, kReceive)), FromNtp(StampAt(reply, kTransmit))};
  }
  return std::nullopt;
}

std::optional<ClockOffset> PlausibleOffset(const SntpExchange& exchange,
                                           std::chrono::milliseconds limit, std::string& why) {
  const ClockOffset m = MeasureOffset(exchange);
  if (m.delaySeconds >= 0 && m.delaySeconds <= std::chrono::duration<double>(limit).count()) return m;
  char trip[64];
  std::snprintf(trip, sizeof trip, " (a round trip of %.3f s)", m.delaySeconds);
  why = kImplausibleAnswer + std::string(trip);
  return std::nullopt;
}

}  // namespace rdz
