#include "programs/cli/cli_clock.h"

#include <optional>

#include "core/clock/clock_check.h"

namespace rdz {

int RunClock(const CliCall& call, SntpClient& sntp) {
  std::ostream& err = call.err;
  const auto server = call.line.values.find("--server");
  std::optional<std::string> serverText;
  if (server != call.line.values.end()) serverText = server->second;
  NtpServerSetting setting = ReadSettings(call.line.dir).ntp;
  if (serverText) setting = {*serverText, ParseNtpServer(*serverText)};
  if (!setting.server) {
    call.Wrong("'" + setting.text + "' is not a time server as HOST or HOST:PORT");
    return 2;
  }
  const SntpOutcome outcome = sntp.Query(*setting.server, kSntpLimit);
  if (!outcome.offset) {
    err << "rodedizevad-cli: no time from " << ServerText(*setting.server) << ": " << outcome.error
        << "\n";
    return 1;
  }
  call.out << "offset " << Seconds3(outcome.offset->offsetSeconds) << "\n"
      << "delay " << Seconds3(outcome.offset->delaySeconds) << "\n";
  return 0;
}

}  // namespace rdz
