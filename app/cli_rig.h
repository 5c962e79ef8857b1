#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "config/rig_config.h"
#include "orbit/engine.h"
#include "orbit/orbit_model.h"
#include "radio/rig_driver.h"

namespace rdz {

// The radio config.txt names, for `track`: kept on the satellite's first
// transponder while it is up, one line per change (UTC time, "rig", the
// downlink and uplink sent, "-" for one not sent, the downlink VFO as read
// before them).
class TrackRig {
 public:
  TrackRig(std::shared_ptr<const OrbitModel> model, const Observer& station, std::vector<Transponder> transponders);
  // Opens the radio; false with one line on `err` when it cannot be.
  bool Open(const RigConnection& connection, const RigSettings& settings, RigLibrary& library, std::ostream& err);
  // One look at `now`; false with one line on `err` once the radio stopped.
  bool Tick(double now, std::ostream& out, std::ostream& err);

 private:
  std::shared_ptr<const OrbitModel> model_;
  EngineContext station_;
  std::vector<Transponder> transponders_;
  std::string name_;
  std::unique_ptr<RigDriver> driver_;
};

}  // namespace rdz
