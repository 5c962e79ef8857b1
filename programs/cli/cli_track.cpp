#include "programs/cli/cli_track.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <thread>

#include "programs/cli/cli_arguments.h"
#include "programs/cli/cli_rig.h"
#include "core/settings/rotor_config.h"
#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "core/base/civil_time.h"
#include "platform/parport/linux_parallel_port.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"
#include "core/radio/offset_file.h"
#include "core/radio/transmitter_list.h"
#include "core/rotor/kv250_follow.h"
#include "core/rotor/kv250_rotor.h"
#include "core/rotor/rotor_driver.h"
#include "core/rotor/satellite_sky.h"

namespace rdz {

namespace {

using Clock = std::chrono::system_clock;

std::atomic<bool> stopRequested{false};
extern "C" void RequestStop(int) { stopRequested = true; }

double NowSeconds() {
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string TimeText(double seconds) {
  const CivilTime t = CivilFromUnix(static_cast<std::int64_t>(std::floor(seconds)));
  return FormatDate(t) + " " + FormatTime(t);
}

// The rotor and the radio until `end` or a stop request, polled often so
// that neither a slow device nor the signal waits for the other.
int Track(const RotorConfig& config, RotorLibrary& library, int sat, const SkyPosition& sky, TrackRig* rig,
          double end, std::ostream& out, std::ostream& err) {
  RotorDriver::Make make;
  std::unique_ptr<FollowPolicy> policy;
  std::string name;
  if (config.choice.hamlib) {
    const DeviceAddress c = config.choice.connection;
    name = "rotor model " + std::to_string(c.model) + " on " + c.port;
    make = [&library, c] { return library.Make(c, kRotorHamlibLimitMs); };
    policy = std::make_unique<PassPlanner>(config.settings);
  } else {
    name = "KV250 on LPT" + std::to_string(config.choice.lpt);
    make = [lpt = config.choice.lpt] { return std::make_unique<Kv250Rotor>(LinuxLpt(lpt)); };
    policy = std::make_unique<Kv250Follow>(config.settings.horizon);
  }
  RotorDriver driver(std::move(make), std::move(policy), kRotorDeadline);
  if (driver.State() == RotorDriver::Link::State::Unknown) {
    err << "rodedizevad-cli: Hamlib knows no rotor model " << config.choice.connection.model << "\n";
    return 1;
  }
  // Beside a radio a KV250 without a port goes on silently, its words going nowhere.
  LinkReport rotor(name);
  const bool quietRotor = rig && !config.choice.hamlib;
  const auto report = [&](double now) {
    for (const LookAngle& sent : driver.TakeAccepted()) {
      out << TimeText(now) << " " << Degrees(sent.azimuth) << " " << Degrees(sent.elevation);
      if (const auto& read = driver.ReadBack()) {
        out << " " << Degrees(read->azimuth) << " " << Degrees(read->elevation);
      } else {
        out << " - -";
      }
      out << std::endl;
    }
    if (!quietRotor) rotor.Show(Trouble(driver), err);
    if (rig) rig->Poll(now, out, err);
  };
  double look = 0;
  for (double now = NowSeconds(); !stopRequested && now < end; now = NowSeconds()) {
    driver.Tick(sat, sky, now);
    if (rig && now >= look) {
      rig->Tick(now);
      look = std::floor(now) + 1;
    }
    report(now);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (stopRequested && config.settings.parkAfterLos && driver.Park()) {
    // The park is worth one deadline, no more.
    const double until = NowSeconds() + kRotorDeadline.count() / 1000.0;
    while (!driver.Idle() && NowSeconds() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      driver.Tick(0, sky, NowSeconds());
    }
    report(NowSeconds());
  }
  const bool answering = driver.State() == RotorDriver::Link::State::Open && driver.Error().empty();
  return (quietRotor || answering) && (!rig || rig->Answering()) ? 0 : 1;
}

// Until the end or a signal, which is caught meanwhile. A body has the
// rotor alone: a radio has nothing to tune to.
int Follow(const RotorConfig& config, RotorLibrary& library, int target, const SkyPosition& sky, TrackRig* rig,
           double end, std::ostream& out, std::ostream& err) {
  stopRequested = false;
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  const int status = Track(config, library, target, sky, rig, end, out, err);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  return status;
}

}  // namespace

int RunTrack(const CliCall& call, RotorLibrary& library, RigLibrary& rigs) {
  const auto seconds = NumberOption(call, "--seconds", {0, 1e9, false}, INFINITY);
  if (!seconds) return 2;
  const CommandLine& line = call.line;
  std::ostream& err = call.err;
  TrackerState state;
  const auto loaded = LoadForCommand(line.dir, line.file, state, err);
  if (!loaded) return 1;
  const LoadReport& load = *loaded;
  if (load.outcome == LoadOutcome::MissingConfigFile) {
    err << "rodedizevad-cli: cannot read " << (line.dir / kConfigFileName) << " (" << load.reason
        << "), which holds the station and the rotor\n";
    return 1;
  }
  const RotorConfig& config = state.Config->rotor;
  if (const auto body = BodyNamed(line.positional[0])) {
    return Follow(config, library, BodyTarget(*body), BodySky(state.Station, *body), nullptr, NowSeconds() + *seconds,
                  call.out, err);
  }
  const auto sat = SatelliteArgument(call, state, line.positional[0]);
  if (!sat) return 1;
  const int k = *sat;
  const SkyPosition sky = SatelliteSky(state.Station, state.Models[static_cast<std::size_t>(k - 1)]);
  if (!sky(NowSeconds())) {
    err << "rodedizevad-cli: satellite " << k << " cannot be computed from its elements\n";
    return 1;
  }
  const RigConfig& rigConfig = state.Config->rig;
  std::optional<TrackRig> rig;
  if (rigConfig.connection) {
    const auto list = ReadTransmitterFile(line.dir);
    const ElementSet& set = state.Elements[k];
    rig.emplace(state.Models[static_cast<std::size_t>(k - 1)], state.Station,
                TranspondersFor(state.Config->lines, list ? *list : TransmitterList{}, TrimBlanks(set.Name),
                                set.CatalogNumber),
                TransponderOffsets::Satellite(set.CatalogNumber, TrimBlanks(set.Name)), line.dir,
                state.Config->horizon);
    if (!rig->Open(rigConfig, rigs, err)) return 1;
  }
  TrackRig* radio = rig ? &*rig : nullptr;
  const int status = Follow(config, library, k, sky, radio, NowSeconds() + *seconds, call.out, err);
  if (radio) radio->Close();
  return status;
}

}  // namespace rdz
