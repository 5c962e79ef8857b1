#pragma once
#include <optional>
#include <utility>

#include "core/settings/rig_settings.h"
#include "core/radio/transponder.h"

namespace rdz {

// The ground-side frequencies to send to the radio now; empty: leave that VFO.
struct RigTargets {
  std::optional<double> downlink;
  std::optional<double> uplink;
};

// Keeps a radio on a transponder through a pass, following the operator's
// dial. Knows neither time nor threads: each step gets the range rate and
// the downlink VFO as last read after the last set.
class DopplerFollower {
 public:
  explicit DopplerFollower(const RigSettings& settings) : settings_(settings) {}

  // One look. `follow`: the satellite is up or about to rise; when it is not,
  // nothing is set and the next pass starts again from the passband's middle
  // moved by `startOffset` (Hz, satellite side).
  RigTargets Step(const Transponder* transponder, bool follow, double rangeRateKmS,
                  std::optional<double> readBack, double startOffset = 0);

  // Whether `transponder` is the one being followed (a step would read the dial).
  bool Follows(const Transponder* transponder) const {
    return transponder && transponder_ && *transponder_ == *transponder;
  }
  // The satellite-side frequencies being worked; empty before the first step.
  const std::optional<double>& SatelliteDownlink() const { return satDown_; }
  std::optional<double> SatelliteUplink() const;
  // A set the radio refused: it is sent again at the next step.
  void Unsent(bool uplink) { (uplink ? setUp_ : setDown_).reset(); }
  // A radio reached again: both frequencies are sent at the next step.
  void Resend() { setDown_.reset(), setUp_.reset(); }
  // The threshold for the transponder's mode.
  double Threshold(const Transponder& t) const;
  // How far the satellite-side downlink is from the transponder's nominal one.
  std::optional<double> Offset() const;
  // The operator moves within the passband: both links go out at the next step.
  void MoveTo(double satelliteDownlink);

  // A transponder followed until LOS, with its offset then.
  struct Ended {
    Transponder transponder;
    double offset = 0;
  };
  std::optional<Ended> TakeEnded() { return std::exchange(ended_, std::nullopt); }

 private:
  RigSettings settings_;
  std::optional<Transponder> transponder_;  // the one being followed
  std::optional<double> satDown_;
  std::optional<double> setDown_, setUp_;   // ground side, as last sent
  std::optional<Ended> ended_;
};

}  // namespace rdz
