#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/base/version.h"
#include "core/ports/sntp.h"

namespace rdz {

inline constexpr const char* kCliName = "rodedizevad-cli";

// One sub-command's words after the command itself, as its table entry reads
// them: --dir and --file, the other options with their values, the flags,
// and everything else in order.
struct CommandLine {
  std::filesystem::path dir;
  std::string file;
  std::map<std::string, std::string> values;  // option -> its value, the last one given
  std::set<std::string> flags;
  std::vector<std::string> positional;
};

struct CliCommand;
struct CliCall;
using CliCommands = std::vector<CliCommand>;
using CliFunction = int (*)(const CliCall&);

// What a command may need from outside; a null one makes the command say so.
struct CliServices {
  SntpClient* sntp = nullptr;
  CliFunction pictures = nullptr;  // map and sky, where the build has QtGui
};

// One run of a command: its words, where to write, and the services.
struct CliCall {
  const CliCommands& commands;
  const CliCommand& command;
  CommandLine line;
  std::ostream& out;
  std::ostream& err;
  CliServices services;
  // One line saying what is wrong with the arguments, then where the help is.
  void Wrong(const std::string& what) const;
};

// One sub-command. `arguments` is both the usage and the grammar, one form a
// line: "[--x V]" an option with a value, "--x V" one that must be given,
// "[--x]" a flag, "--x|--y" one of these flags must be given, any other word
// a positional argument. `help`'s first line is the overview's; the rest
// (if any) is shown by `help COMMAND`.
struct CliCommand {
  std::string name;
  std::string arguments;
  std::string help;
  CliFunction run;
};

const CliCommand* FindCommand(const CliCommands& commands, const std::string& name);

// `words` (after the command's name) read against the forms of `command`;
// nothing, with the line saying what is wrong, when they fit none of them.
std::optional<CommandLine> ReadCommandLine(const CliCommand& command, const std::vector<std::string>& words,
                                           const std::filesystem::path& defaultDir, std::ostream& err);

// The usage lines, the commands with their help lines, the shared words.
std::string OverviewText(const CliCommands& commands);
// One command's usage lines and its whole help.
std::string CommandHelpText(const CliCommand& command);
// What is wrong, then where the help is, for `command` (empty: the program).
void WrongArguments(std::ostream& err, const std::string& command, const std::string& what);

}  // namespace rdz
