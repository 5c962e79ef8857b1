#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "config/rig_config.h"
#include "orbit/engine.h"
#include "orbit/orbit_model.h"
#include "passes/horizon_mask.h"
#include "radio/rig_driver.h"

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

// The radio config.txt names, for `track`: kept on the satellite's first
// transponder while it is up, one line for what the radio accepted (UTC time,
// "rig", the downlink and uplink, "-" for one not set, the downlink VFO as
// last read).
class TrackRig {
 public:
  TrackRig(std::shared_ptr<const OrbitModel> model, const Observer& station, std::vector<Transponder> transponders,
           HorizonMask horizon = {});
  // Starts the radio; false with one line on `err` when Hamlib knows no such model.
  bool Open(const RigConnection& connection, const RigSettings& settings, RigLibrary& library, std::ostream& err);
  // One look at `now`.
  void Tick(double now);
  // The radio's answers: lines for what it accepted and for its link.
  void Poll(double now, std::ostream& out, std::ostream& err);
  bool Answering() const { return driver_->State() == RigDriver::Link::State::Open && driver_->Error().empty(); }

 private:
  std::shared_ptr<const OrbitModel> model_;
  EngineContext station_;
  std::vector<Transponder> transponders_;
  HorizonMask horizon_;
  LinkReport report_{""};
  std::unique_ptr<RigDriver> driver_;
  RigTargets taken_;  // accepted, not printed yet
};

}  // namespace rdz
