#pragma once
#include "core/ports/sntp.h"

namespace rdz {

// One SNTP query over UDP with POSIX sockets. The name lookup counts against
// the limit too: a lookup that hangs is left behind on its own thread.
class UdpSntpClient final : public SntpClient {
 public:
  SntpOutcome Query(const NtpServer& server, std::chrono::milliseconds limit) override;
};

}  // namespace rdz
