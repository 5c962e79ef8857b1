#include "programs/cli/cli_watch.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <mutex>
#include <thread>

#include "programs/cli/cli_arguments.h"
#include "core/passes/alert_schedule.h"
#include "core/base/program_runner.h"

namespace rdz {

namespace {

std::atomic<bool> stopWatching{false};
extern "C" void StopWatching(int) { stopWatching = true; }

double NowSeconds() {
  return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

int RunWatch(const CliCall& call) {
  const auto seconds = NumberOption(call, "--seconds", {0, 1e9, false}, INFINITY);
  if (!seconds) return 2;
  const CommandLine& line = call.line;
  std::ostream& out = call.out;
  std::ostream& err = call.err;
  TrackerState state;
  const auto load = LoadForCommand(line.dir, line.file, state, err);
  if (!load) return 1;
  WarnWithoutConfig(line.dir, *load, err);

  std::vector<SatelliteId> ids;
  for (int k = 1; k <= state.SatCount; ++k) ids.push_back(IdentityOf(state.Elements[k]));
  const AlertConfig& config = state.Config->alerts;
  std::vector<int> chosen;
  for (const std::string& word : line.positional) {
    const auto k = SatelliteArgument(call, state, word);
    if (!k) return 1;
    chosen.push_back(*k);
  }
  if (line.positional.empty()) chosen = EntriesNamed(config.satellites, ids);
  if (chosen.empty()) {
    err << kCliName << ": no satellite to watch: name one or set ALERTSATS in config.txt\n";
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
                   state.Config->horizon, chosen,
                   static_cast<std::int64_t>(std::llround(config.leadMinutes * 60)));

  stopWatching = false;
  std::signal(SIGINT, StopWatching);
  std::signal(SIGTERM, StopWatching);
  const double end = NowSeconds() + *seconds;
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
