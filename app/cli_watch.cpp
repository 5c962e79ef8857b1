#include "app/cli_watch.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <mutex>
#include <thread>

#include "app/cli_arguments.h"
#include "passes/alert_schedule.h"
#include "platform/lenient_number.h"
#include "platform/program_runner.h"

namespace rdz {

namespace {

constexpr const char* kUsage = "usage: rodedizevad-cli watch [--dir DIR] [--file NAME] [--seconds N] [SAT...]\n";

std::atomic<bool> stopWatching{false};
extern "C" void StopWatching(int) { stopWatching = true; }

double NowSeconds() {
  return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// A table entry number, then a catalog number, then a name.
int EntryOf(const std::string& word, const std::vector<SatelliteId>& ids) {
  const bool digits = !word.empty() && word.size() <= 9 && word.find_first_not_of("0123456789") == std::string::npos;
  if (digits) {
    const long number = std::stol(word);
    if (number >= 1 && number <= static_cast<long>(ids.size())) return static_cast<int>(number);
  }
  const std::vector<int> named = EntriesNamed({word}, ids);
  return named.empty() ? 0 : named.front();
}

}  // namespace

int RunWatch(const std::vector<std::string>& args, const std::filesystem::path& defaultDir, std::ostream& out,
             std::ostream& err) {
  const auto line = ParseCommandLine(args, defaultDir, {"--seconds"}, {}, err);
  if (!line) return 2;
  double seconds = INFINITY;
  if (const auto it = line->values.find("--seconds"); it != line->values.end()) {
    const auto n = WholeNumber(it->second);
    if (!n || *n < 0) {
      err << "rodedizevad-cli: --seconds needs a number of seconds, not '" << it->second << "'\n" << kUsage;
      return 2;
    }
    seconds = *n;
  }
  TrackerState state;
  const auto load = LoadForCommand(line->dir, line->file, state, err);
  if (!load) return 1;
  WarnWithoutConfig(line->dir, *load, err);

  std::vector<SatelliteId> ids;
  for (int k = 1; k <= state.SatCount; ++k) ids.push_back(IdentityOf(state.Elements[k]));
  const AlertConfig& config = state.Config->alerts;
  std::vector<int> chosen;
  for (const std::string& word : line->positional) {
    const int k = EntryOf(word, ids);
    if (k == 0) {
      err << "rodedizevad-cli: no satellite '" << word << "' in " << line->file << "\n";
      return 1;
    }
    chosen.push_back(k);
  }
  if (line->positional.empty()) chosen = EntriesNamed(config.satellites, ids);
  if (chosen.empty()) {
    err << "rodedizevad-cli: no satellite to watch: name one or set ALERTSATS in config.txt\n" << kUsage;
    return 1;
  }

  std::mutex talk;
  std::atomic<bool> failed{false};
  ProgramRunner runner([&](const std::string& program, const std::string& failure) {
    const std::lock_guard<std::mutex> lock(talk);
    err << "rodedizevad-cli: ALERTCOMMAND " << program << " failed: " << failure << std::endl;
    failed = true;
  });
  AlertWatch watch(CandidatesOf(state.Elements, state.Models, state.SatCount), ids, state.Station,
                   state.Config->horizon.value_or(0.0), chosen,
                   static_cast<std::int64_t>(std::llround(config.leadMinutes * 60)));

  stopWatching = false;
  std::signal(SIGINT, StopWatching);
  std::signal(SIGTERM, StopWatching);
  const double end = NowSeconds() + seconds;
  for (double now = NowSeconds(); !stopWatching && now < end; now = NowSeconds()) {
    for (const Alert& alert : watch.Due(static_cast<std::int64_t>(std::floor(now)))) {
      {
        const std::lock_guard<std::mutex> lock(talk);
        out << AlertLine(alert) << std::endl;
      }
      if (!config.command.empty()) runner.Run(config.command, AlertArguments(alert));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  // A program that has just been started is given a moment to fail.
  runner.WaitAll(std::chrono::seconds(2));
  return failed ? 1 : 0;
}

}  // namespace rdz
