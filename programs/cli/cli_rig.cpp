#include "programs/cli/cli_rig.h"

#include <cmath>
#include <cstdio>
#include <thread>

#include "core/base/civil_time.h"
#include "core/radio/offset_file.h"
#include "core/radio/rig_sky.h"

namespace rdz {

namespace {

std::string Hz(const std::optional<double>& hz) {
  if (!hz) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", *hz);
  return text;
}

CivilTime At(double seconds) { return CivilFromUnix(static_cast<std::int64_t>(std::floor(seconds))); }

}  // namespace

void LinkReport::Show(const std::string& trouble, std::ostream& err) {
  if (trouble == shown_) return;
  err << "rodedizevad-cli: " << name_ << (trouble.empty() ? " answers again" : ": " + trouble) << std::endl;
  shown_ = trouble;
}

TrackRig::TrackRig(std::shared_ptr<const OrbitModel> model, const Observer& station,
                   std::vector<Transponder> transponders, std::string satellite, std::filesystem::path programDir,
                   HorizonMask horizon)
    : model_(std::move(model)),
      station_(SetupEngine(station)),
      transponders_(std::move(transponders)),
      satellite_(std::move(satellite)),
      dir_(std::move(programDir)),
      horizon_(std::move(horizon)) {}

bool TrackRig::Open(const RigConfig& config, RigLibrary& library, std::ostream& err) {
  const DeviceAddress c = *config.connection;
  report_ = LinkReport("radio model " + std::to_string(c.model) + " on " + c.port);
  offsetAtLos_ = config.offsetAtLos;
  RigDriver::Make transmitter;
  if (config.transmitter && config.settings.uplink == UplinkWay::SecondRadio) {
    const DeviceAddress t = *config.transmitter;
    transmitReport_ = LinkReport("uplink radio model " + std::to_string(t.model) + " on " + t.port);
    transmitter = [&library, t] { return library.Make(t, kRigHamlibLimitMs); };
  }
  driver_ = std::make_unique<RigDriver>([&library, c] { return library.Make(c, kRigHamlibLimitMs); }, config.settings,
                                        kRigDeadline, std::function<void()>{}, std::move(transmitter));
  const RigDriver::Link* tx = driver_->Transmitter();
  const int unknown = driver_->State() == RigDriver::Link::State::Unknown          ? c.model
                      : tx && tx->Now() == RigDriver::Link::State::Unknown ? config.transmitter->model
                                                                                  : 0;
  if (unknown != 0) err << "rodedizevad-cli: Hamlib knows no radio model " << unknown << "\n";
  return unknown == 0;
}

void TrackRig::Tick(double now) {
  const Transponder* transponder = transponders_.empty() ? nullptr : &transponders_.front();
  RigSky sky;
  if (transponder && model_) sky = RigSkyAt(station_, *model_, At(now), horizon_);
  // Read at every look: the window may have remembered an offset meanwhile.
  const TransponderOffsets offsets = ReadOffsetFile(dir_);
  const double offset = transponder ? offsets.Find(satellite_, *transponder).value_or(0) : 0;
  driver_->Tick(transponder, sky.follow, sky.rangeRate, offset);
  if (const auto ended = driver_->Follower().TakeEnded(); ended && offsetAtLos_) {
    TransponderOffsets kept = offsets;
    kept.Remember(satellite_, ended->transponder, ended->offset);
    if (!(kept == offsets)) SaveOffsetFile(dir_, kept);
  }
}

void TrackRig::Poll(double now, std::ostream& out, std::ostream& err) {
  driver_->Poll();
  const RigTargets taken = driver_->TakeAccepted();
  if (taken.downlink) taken_.downlink = taken.downlink;
  if (taken.uplink) taken_.uplink = taken.uplink;
  // One line for the frequencies of one look, once the radio answered them all.
  if (driver_->Idle()) {
    const CivilTime t = At(now);
    if (const auto modes = driver_->TakeModes()) {
      const auto word = [](const std::string& m) { return m.empty() ? std::string("-") : m; };
      out << FormatDate(t) << " " << FormatTime(t) << " rig mode " << word(modes->receive) << " "
          << word(modes->transmit) << " "
          << (modes->toneTenths > 0 ? ToneText(modes->toneTenths) : std::string("-")) << std::endl;
    }
    if (taken_.downlink || taken_.uplink) {
      out << FormatDate(t) << " " << FormatTime(t) << " rig " << Hz(taken_.downlink) << " " << Hz(taken_.uplink) << " "
          << Hz(driver_->ReadBack()) << std::endl;
      taken_ = {};
    }
  }
  report_.Show(Trouble(*driver_), err);
  if (const RigDriver::Link* tx = driver_->Transmitter()) transmitReport_.Show(LinkTrouble(*tx), err);
  if (driver_->Note() != note_) {
    note_ = driver_->Note();
    if (!note_.empty()) err << "rodedizevad-cli: " << note_ << std::endl;
  }
}

bool TrackRig::Answering() const {
  const auto answering = [](RigDriver::Link::State state, const std::string& error) {
    return state == RigDriver::Link::State::Open && error.empty();
  };
  const RigDriver::Link* tx = driver_->Transmitter();
  return answering(driver_->State(), driver_->Error()) && (!tx || answering(tx->Now(), tx->Error()));
}

void TrackRig::Close() {
  if (!driver_ || !driver_->Release()) return;
  const auto until = std::chrono::steady_clock::now() + kRigDeadline;
  while (!driver_->Idle() && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace rdz
