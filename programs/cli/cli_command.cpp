#include "programs/cli/cli_command.h"

#include <algorithm>
#include <sstream>

#include "core/base/program_files.h"

namespace rdz {

namespace {

// One form of a command's arguments, as a grammar.
struct Form {
  std::map<std::string, std::pair<bool, std::string>> values;  // option -> required, value's name
  std::set<std::string> flags;
  std::vector<std::vector<std::string>> oneOf;  // flags of which one must be given
  std::vector<std::string> positional;
  std::size_t required = 0;  // positional arguments that are not in brackets
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

bool IsOption(const std::string& word) { return word.size() > 2 && word.rfind("--", 0) == 0; }

Form ReadForm(const std::string& text) {
  Form form;
  const std::vector<std::string> words = Split(text, ' ');
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string word = words[i];
    const bool optional = word.front() == '[';
    if (optional) word.erase(0, 1);
    const bool alone = !optional || word.back() == ']';
    if (optional && alone) word.pop_back();
    if (!IsOption(word)) {
      form.positional.push_back(words[i]);
      if (!optional) ++form.required;
      continue;
    }
    const bool takesValue = optional ? !alone : i + 1 < words.size() && words[i + 1][0] != '[' && !IsOption(words[i + 1]);
    if (takesValue) {
      std::string value = words[++i];
      if (optional) value.pop_back();
      form.values[word] = {!optional, value};
      continue;
    }
    const std::vector<std::string> group = Split(word, '|');
    form.flags.insert(group.begin(), group.end());
    if (!optional) form.oneOf.push_back(group);
  }
  return form;
}

std::vector<Form> FormsOf(const CliCommand& command) {
  std::vector<Form> forms;
  for (const std::string& line : Split(command.arguments, '\n')) forms.push_back(ReadForm(line));
  if (forms.empty()) forms.emplace_back();
  return forms;
}

bool Knows(const Form& form, const std::string& option) {
  return form.values.count(option) != 0 || form.flags.count(option) != 0;
}

std::string Joined(const std::vector<std::string>& words, const char* between) {
  std::string text;
  for (const std::string& w : words) text += (text.empty() ? "" : between) + w;
  return text;
}

// Why `line` does not fit `form`; empty when it does.
std::string Misfit(const CliCommand& command, const Form& form, const std::vector<std::string>& given,
                   const CommandLine& line) {
  for (const std::string& option : given) {
    if (!Knows(form, option)) return option + " does not go with " + command.name + " " + Joined(form.positional, " ");
  }
  for (const auto& [option, value] : form.values) {
    if (value.first && std::find(given.begin(), given.end(), option) == given.end())
      return command.name + " needs " + option + " " + value.second;
  }
  for (const auto& group : form.oneOf) {
    if (std::none_of(group.begin(), group.end(), [&](const std::string& f) { return line.flags.count(f) != 0; }))
      return command.name + " needs " + Joined(group, " or ");
  }
  const std::size_t n = line.positional.size();
  // "[SAT...]": as many as given.
  const bool more = !form.positional.empty() && form.positional.back().find("...") != std::string::npos;
  if (n >= form.required && (n <= form.positional.size() || more)) return {};
  if (form.positional.empty()) return command.name + " takes no word such as '" + line.positional[0] + "'";
  return command.name + " takes " + Joined(form.positional, " ") + ", not " + std::to_string(n) +
         (n == 1 ? " word" : " words");
}

std::string UsageLines(const CliCommand& command, bool first) {
  std::string text;
  for (const std::string& form : Split(command.arguments.empty() ? " " : command.arguments, '\n')) {
    text += std::string(first ? "Usage: " : "  or:  ") + kCliName + " " + command.name + (form == " " ? "" : " " + form) + "\n";
    first = false;
  }
  return text;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

void CliCall::Wrong(const std::string& what) const { WrongArguments(err, command.name, what); }

void WrongArguments(std::ostream& err, const std::string& command, const std::string& what) {
  err << kCliName << ": " << what << "\n"
      << "Try '" << kCliName << (command.empty() ? "" : " help " + command + "' or '" + kCliName)
      << " --help'.\n";
}

const CliCommand* FindCommand(const CliCommands& commands, const std::string& name) {
  const auto it = std::find_if(commands.begin(), commands.end(), [&](const CliCommand& c) { return c.name == name; });
  return it == commands.end() ? nullptr : &*it;
}

std::optional<CommandLine> ReadCommandLine(const CliCommand& command, const std::vector<std::string>& words,
                                           const std::filesystem::path& defaultDir, std::ostream& err) {
  const std::vector<Form> forms = FormsOf(command);
  const auto anyForm = [&](auto&& test) { return std::any_of(forms.begin(), forms.end(), test); };
  CommandLine line{defaultDir, kElementFileName, {}, {}, {}};
  std::vector<std::string> given;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!IsOption(word)) {
      line.positional.push_back(word);
      continue;
    }
    if (anyForm([&](const Form& f) { return f.flags.count(word) != 0; })) {
      line.flags.insert(word);
    } else if (!anyForm([&](const Form& f) { return f.values.count(word) != 0; })) {
      WrongArguments(err, command.name, command.name + " has no option " + word);
      return std::nullopt;
    } else if (i + 1 >= words.size()) {
      WrongArguments(err, command.name, word + " needs a value");
      return std::nullopt;
    } else if (word == "--dir") {
      line.dir = words[++i];
    } else if (word == "--file") {
      line.file = words[++i];
    } else {
      line.values[word] = words[++i];
    }
    given.push_back(word);
  }
  // The first form that fits; else the first that knows every option explains.
  const Form* closest = nullptr;
  for (const Form& form : forms) {
    if (Misfit(command, form, given, line).empty()) return line;
    if (!closest && std::all_of(given.begin(), given.end(), [&](const std::string& o) { return Knows(form, o); }))
      closest = &form;
  }
  WrongArguments(err, command.name, Misfit(command, closest ? *closest : forms[0], given, line));
  return std::nullopt;
}

std::string OverviewText(const CliCommands& commands) {
  std::ostringstream text;
  for (std::size_t i = 0; i < commands.size(); ++i) text << UsageLines(commands[i], i == 0);
  text << "  or:  " << kCliName << " --help|--version\n"
       << "The satellite tracker's command-line companion: it reads the same files the\n"
          "same way as the window program and prints what the window shows.\n\n"
          "Commands:\n";
  std::size_t width = 0;
  for (const CliCommand& c : commands) width = std::max(width, c.name.size());
  for (const CliCommand& c : commands)
    text << "  " << c.name << std::string(width + 2 - c.name.size(), ' ') << FirstLine(c.help) << "\n";
  text << "\nDATE is dd/MM/yyyy and TIME hh:mm:ss, both UTC. SAT is the table entry (from\n"
          "1), else a catalog number, else a satellite name. --dir names the folder of\n"
          "amateur.txt and config.txt (the program directory), --file the element file\n"
          "in it (amateur.txt).\n\n"
          "Options:\n"
          "  --help     this text and the program directory in use\n"
          "  --version  the program's version\n";
  return text.str();
}

std::string CommandHelpText(const CliCommand& command) { return UsageLines(command, true) + command.help + "\n"; }

}  // namespace rdz
