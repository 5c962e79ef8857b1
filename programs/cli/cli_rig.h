#pragma once
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/rig_config.h"
#include "core/orbit/engine.h"
#include "core/orbit/orbit_model.h"
#include "core/orbit/horizon_mask.h"
#include "core/radio/rig_driver.h"

namespace rdz {

// One line on `err` each time a device stops answering (with the reason) or
// answers again; `trouble` is empty while it answers.
class LinkReport {
 public:
  explicit LinkReport(std::string name) : name_(std::move(name)) {}
  void Show(const std::string& trouble, std::ostream& err);

 private:
  std::string name_;
  std::string shown_;
};

// What a driver's state says is wrong: empty while it is commanded.
template <class Driver>
std::string Trouble(const Driver& d) {
  if (d.Error().empty() || (d.State() == Driver::Link::State::Open && d.Commanding())) return {};
  return "reconnecting (" + d.Error() + ")";
}

inline std::string LinkTrouble(const RigDriver::Link& link) {
  if (link.Error().empty() || (link.Now() == RigDriver::Link::State::Open && link.Commanding())) return {};
  return "reconnecting (" + link.Error() + ")";
}

// The radio config.txt names (and its second radio for the uplink), for
// `track`: kept on the satellite's first transponder while it is up, starting
// where the operator last left it (offsets.txt). Lines: what the radios
// accepted (UTC time, "rig", the downlink and uplink, "-" for one not set,
// the downlink VFO as last read) and the modes and tone set at the start of a
// pass (UTC time, "rig mode", the downlink's and uplink's mode and the tone
// in Hz, "-" for one not set).
class TrackRig {
 public:
  TrackRig(std::shared_ptr<const OrbitModel> model, const Observer& station, std::vector<Transponder> transponders,
           std::string satellite, std::filesystem::path programDir, HorizonMask horizon = {});
  // Starts the radios; false with one line on `err` when Hamlib knows no such model.
  bool Open(const RigConfig& config, RigLibrary& library, std::ostream& err);
  // One look at `now`.
  void Tick(double now);
  // The radios' answers: lines for what they accepted and for their links.
  void Poll(double now, std::ostream& out, std::ostream& err);
  bool Answering() const;
  // Leaves the radio as it was found (satellite mode off), waiting at most a deadline.
  void Close();

 private:
  std::shared_ptr<const OrbitModel> model_;
  EngineContext station_;
  std::vector<Transponder> transponders_;
  std::string satellite_;
  std::filesystem::path dir_;
  bool offsetAtLos_ = false;
  HorizonMask horizon_;
  LinkReport report_{""}, transmitReport_{""};
  std::string note_;
  std::unique_ptr<RigDriver> driver_;
  RigTargets taken_;  // accepted, not printed yet
};

}  // namespace rdz
