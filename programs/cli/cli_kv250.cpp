#include "programs/cli/cli_kv250.h"

#include "core/rotor/kv250.h"
#include "core/base/lenient_number.h"
#include "core/rotor/recording_port.h"

namespace rdz {

int RunKv250(const CliCall& call) {
  const std::vector<std::string>& args = call.line.positional;
  // The rotor reads any text as 0 when it is not a number; a command line
  // that asks for "north" deserves an answer instead of a silent south.
  for (std::size_t i = 0; i < 2; ++i) {
    if (!WholeNumber(args[i])) {
      call.Wrong("'" + args[i] + "' is not a number of degrees");
      return 1;
    }
  }
  RecordingPort port;
  SendTracker(*WholeNumber(args[0]), *WholeNumber(args[1]), port);
  const std::vector<int> values = port.Values();
  for (std::size_t i = 0; i < values.size(); ++i) call.out << (i == 0 ? "" : " ") << values[i];
  call.out << "\n";
  return 0;
}

}  // namespace rdz
