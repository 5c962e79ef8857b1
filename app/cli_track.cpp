#include "app/cli_track.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <thread>

#include "app/cli_arguments.h"
#include "app/cli_rig.h"
#include "config/rotor_config.h"
#include "orbit/element_loader.h"
#include "orbit/engine.h"
#include "platform/civil_time.h"
#include "platform/lenient_number.h"
#include "platform/parport/linux_parallel_port.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"
#include "radio/transmitter_list.h"
#include "rotor/rotor_driver.h"
#include "rotor/satellite_sky.h"
#include "rotor/tracking_controller.h"

namespace rdz {

namespace {

using Clock = std::chrono::system_clock;
constexpr const char* kUsage = "usage: rodedizevad-cli track [--dir DIR] [--file NAME] [--seconds N] SAT\n";
constexpr int kCallLimitMs = 3000;

std::atomic<bool> stopRequested{false};
extern "C" void RequestStop(int) { stopRequested = true; }

struct TrackRequest {
  std::filesystem::path dir;
  std::string file = "amateur.txt";
  std::optional<double> seconds;
  std::string sat;
};

std::optional<TrackRequest> ParseTrack(const std::vector<std::string>& args,
                                       const std::filesystem::path& defaultDir, std::ostream& err) {
  const auto line = ParseCommandLine(args, defaultDir, {"--seconds"}, {}, err);
  if (!line) return std::nullopt;
  TrackRequest request{line->dir, line->file, std::nullopt, {}};
  if (const auto it = line->values.find("--seconds"); it != line->values.end()) {
    request.seconds = WholeNumber(it->second);
    if (!request.seconds || *request.seconds < 0) {
      err << "rodedizevad-cli: --seconds needs a number of seconds, not '" << it->second << "'\n";
      return std::nullopt;
    }
  }
  const std::vector<std::string>& positional = line->positional;
  if (positional.size() != 1) {
    err << kUsage;
    return std::nullopt;
  }
  request.sat = positional[0];
  return request;
}

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

// Sleeps until `until` or a stop request, whichever comes first.
void SleepUntil(double until) {
  while (!stopRequested && NowSeconds() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// The window's tracking controls, kept as plain values: the KV250 is driven
// by the same controller as in the window.
struct TrackingValues final : TrackingView {
  std::string az = "StBy", el = "StBy";
  bool timerOn = false;
  int interval = kRotorIntervalMs;
  double due = 0;
  std::string RotorAzimuthText() const override { return az; }
  std::string RotorElevationText() const override { return el; }
  void ShowRotorPosition(const std::string& a, const std::string& e) override { az = a, el = e; }
  void ShowTitle(const std::string&) override {}
  void EnableRotorTimer(bool on) override {
    if (on && !timerOn) due = NowSeconds() + interval / 1000.0;
    timerOn = on;
  }
  void SetRotorInterval(int ms) override {
    interval = ms;
    due = NowSeconds() + ms / 1000.0;
  }
  void ShowTrackingPicture(bool) override {}
  void ShowTrackerStatus(const std::string&) override {}
  void EmphasiseTrackerStatus(bool) override {}
  bool SelectTrackerOff() override { return false; }
};

int TrackKv250(int lpt, const SkyPosition& sky, TrackRig* rig, double end, std::ostream& out, std::ostream& err) {
  // Only LPT1 may fall back to direct access of its fixed address. Beside a
  // radio a KV250 without a port goes on silently, its words going nowhere.
  std::ostream nowhere(nullptr);
  LinuxParallelPort port(lpt == 2 ? "/dev/parport1" : "/dev/parport0", lpt == 1, rig ? nowhere : err);
  if (!port.Ready() && !rig) return 1;  // the port said why
  TrackingValues view;
  view.SetRotorInterval(kFirstCommandMs);
  for (double tick = NowSeconds(); !stopRequested && tick < end; tick += 1) {
    // The live table's part: whole degrees while the satellite is up.
    const auto a = sky(tick);
    const bool up = a && std::nearbyint(a->elevation) > 0;
    if (up) {
      view.ShowRotorPosition(std::to_string(static_cast<int>(std::nearbyint(a->azimuth))),
                             std::to_string(static_cast<int>(std::nearbyint(a->elevation))));
    } else {
      view.ShowRotorPosition("StBy", "StBy");
    }
    view.EnableRotorTimer(up);
    if (rig && !rig->Tick(tick, out, err)) return 1;
    while (!stopRequested && NowSeconds() < tick + 1) {
      if (view.timerOn && NowSeconds() >= view.due) {
        const std::string az = view.az, el = view.el;
        RotorTick(view, port);
        if (ReadLeadingNumber(az)) out << TimeText(NowSeconds()) << " " << az << " " << el << " - -" << std::endl;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  return 0;
}

int TrackHamlib(const RotorConfig& config, RotorLibrary& library, int sat, const SkyPosition& sky, TrackRig* rig,
                double end, std::ostream& out, std::ostream& err) {
  const RotorConnection& c = config.choice.connection;
  const std::string name = "rotor model " + std::to_string(c.model) + " on " + c.port;
  auto rotor = library.Make(c, kCallLimitMs);
  if (!rotor) {
    err << "rodedizevad-cli: Hamlib knows no rotor model " << c.model << "\n";
    return 1;
  }
  RotorDriver driver(std::move(rotor), config.settings, kCallLimitMs);
  driver.WaitForAnswers();
  driver.Collect();
  if (!driver.Engaged()) {
    err << "rodedizevad-cli: cannot open " << name << ": " << driver.Error() << "\n";
    return 1;
  }
  const auto report = [&](double now) {
    driver.WaitForAnswers();
    driver.Collect();
    const LookAngle& sent = *driver.Commanded();
    out << TimeText(now) << " " << Degrees(sent.azimuth) << " " << Degrees(sent.elevation);
    if (const auto& read = driver.ReadBack()) {
      out << " " << Degrees(read->azimuth) << " " << Degrees(read->elevation);
    } else {
      out << " - -";
    }
    out << std::endl;
  };
  for (double tick = NowSeconds(); !stopRequested && tick < end; tick += config.settings.intervalSeconds) {
    SleepUntil(tick);
    if (stopRequested) break;
    const double now = NowSeconds();
    const bool sent = driver.Tick(sat, sky, now).has_value();
    if (sent) report(now);
    if (rig && !rig->Tick(now, out, err)) return 1;
    driver.Collect();
    if (!driver.Engaged()) {
      err << "rodedizevad-cli: " << name << " stopped: " << driver.Error() << "\n";
      return 1;
    }
  }
  if (stopRequested && config.settings.parkAfterLos) {
    driver.Park();
    report(NowSeconds());
  }
  return 0;
}

}  // namespace

int RunTrack(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
             std::ostream& out, std::ostream& err, RotorLibrary& library, RigLibrary& rigs) {
  const auto request = ParseTrack(args, defaultDir, err);
  if (!request) return 2;
  TrackerState state;
  const auto loaded = LoadForCommand(request->dir, request->file, state, err);
  if (!loaded) return 1;
  const LoadReport& load = *loaded;
  if (load.outcome == LoadOutcome::MissingConfigFile) {
    err << "rodedizevad-cli: cannot read " << (request->dir / kConfigFileName) << " (" << load.reason
        << "), which holds the station and the rotor\n";
    return 1;
  }
  const std::string& text = request->sat;
  const bool digits = !text.empty() && text.size() <= 4 && text.find_first_not_of("0123456789") == std::string::npos;
  const int k = digits ? std::stoi(text) : 0;
  if (k < 1 || k > state.SatCount) {
    err << "rodedizevad-cli: satellite number '" << text << "' is not between 1 and " << state.SatCount << "\n";
    return 1;
  }
  const SkyPosition sky = SatelliteSky(state.Station, state.Models[static_cast<std::size_t>(k - 1)]);
  if (!sky(NowSeconds())) {
    err << "rodedizevad-cli: satellite " << k << " cannot be computed from its elements\n";
    return 1;
  }
  const RotorConfig& config = state.Config->rotor;
  const RigConfig& rigConfig = state.Config->rig;
  std::optional<TrackRig> rig;
  if (rigConfig.connection) {
    const auto list = ReadTransmitterFile(request->dir);
    rig.emplace(state.Models[static_cast<std::size_t>(k - 1)], state.Station,
                TranspondersFor(state.Config->lines, list ? *list : TransmitterList{},
                                TrimBlanks(state.Elements[k].Name), state.Elements[k].CatalogNumber));
    if (!rig->Open(*rigConfig.connection, rigConfig.settings, rigs, err)) return 1;
  }
  TrackRig* radio = rig ? &*rig : nullptr;
  const double end = request->seconds ? NowSeconds() + *request->seconds : INFINITY;

  stopRequested = false;
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  const int status = config.choice.hamlib ? TrackHamlib(config, library, k, sky, radio, end, out, err)
                                          : TrackKv250(config.choice.lpt, sky, radio, end, out, err);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  return status;
}

}  // namespace rdz
