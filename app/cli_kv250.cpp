#include "app/cli_kv250.h"

#include "rotor/kv250.h"
#include "platform/lenient_number.h"
#include "rotor/recording_port.h"

namespace rdz {

int RunKv250(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) {
    err << "usage: rodedizevad-cli kv250 AZ EL\n";
    return 2;
  }
  // The rotor reads any text as 0 when it is not a number; a command line
  // that asks for "north" deserves an answer instead of a silent south.
  for (std::size_t i = 1; i < 3; ++i) {
    if (!WholeNumber(args[i])) {
      err << "rodedizevad-cli: '" << args[i] << "' is not a number of degrees\n";
      return 1;
    }
  }
  RecordingPort port;
  SendTracker(*WholeNumber(args[1]), *WholeNumber(args[2]), port);
  const std::vector<int> values = port.Values();
  for (std::size_t i = 0; i < values.size(); ++i) out << (i == 0 ? "" : " ") << values[i];
  out << "\n";
  return 0;
}

}  // namespace rdz
