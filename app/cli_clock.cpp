#include "app/cli_clock.h"

#include <optional>

#include "clockcheck/clock_check.h"

namespace rdz {

int RunClock(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
             SntpClient& sntp, std::ostream& out, std::ostream& err) {
  std::filesystem::path dir = defaultDir;
  std::optional<std::string> serverText;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--dir" && i + 1 < args.size()) {
      dir = args[++i];
    } else if (args[i] == "--server" && i + 1 < args.size()) {
      serverText = args[++i];
    } else {
      err << "rodedizevad-cli: usage: rodedizevad-cli clock [--dir DIR] [--server HOST[:PORT]]\n";
      return 2;
    }
  }
  NtpServerSetting setting = ReadSettings(dir).ntp;
  if (serverText) setting = {*serverText, ParseNtpServer(*serverText)};
  if (!setting.server) {
    err << "rodedizevad-cli: '" << setting.text << "' is not a time server as HOST or HOST:PORT\n";
    return 2;
  }
  const SntpOutcome outcome = sntp.Query(*setting.server, kSntpLimit);
  if (!outcome.offset) {
    err << "rodedizevad-cli: no time from " << ServerText(*setting.server) << ": " << outcome.error
        << "\n";
    return 1;
  }
  out << "offset " << Seconds3(outcome.offset->offsetSeconds) << "\n"
      << "delay " << Seconds3(outcome.offset->delaySeconds) << "\n";
  return 0;
}

}  // namespace rdz
