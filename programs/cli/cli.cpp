#include "programs/cli/cli.h"

#include <algorithm>

#include "programs/cli/cli_commands.h"

namespace rdz {

int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
           std::ostream& out, std::ostream& err, const CliServices& services) {
  const CliCommands& commands = CommandTable();
  if (args.empty()) {
    WrongArguments(err, "", "no command given");
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    out << OverviewText(commands) << "\nProgram directory (amateur.txt, config.txt): " << defaultDir.string() << "\n";
    return 0;
  }
  if (args[0] == "--version") {
    out << kCliName << " " << kProgramVersion << "\n";
    return 0;
  }
  const CliCommand* command = FindCommand(commands, args[0]);
  if (command == nullptr) {
    WrongArguments(err, "", "unknown command '" + args[0] + "'");
    return 2;
  }
  const std::vector<std::string> words(args.begin() + 1, args.end());
  if (std::find(words.begin(), words.end(), "--help") != words.end()) {
    out << CommandHelpText(*command);
    return 0;
  }
  auto line = ReadCommandLine(*command, words, defaultDir, err);
  if (!line) return 2;
  return command->run(CliCall{commands, *command, std::move(*line), out, err, services});
}

}  // namespace rdz
