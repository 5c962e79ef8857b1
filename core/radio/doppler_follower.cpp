#include "core/radio/doppler_follower.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "core/radio/doppler.h"

namespace rdz {

namespace {

bool IsFm(const std::string& mode) {
  std::string upper = mode;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper.find("FM") != std::string::npos;
}

// The new value when it moved from the last one sent by more than `threshold`.
std::optional<double> Changed(std::optional<double> target, std::optional<double>& sent, double threshold) {
  if (!target || !std::isfinite(*target)) return std::nullopt;
  if (sent && std::abs(*target - *sent) <= threshold) return std::nullopt;
  sent = target;
  return target;
}

}  // namespace

double DopplerFollower::Threshold(const Transponder& t) const {
  return IsFm(t.mode) ? settings_.thresholdFm : settings_.thresholdSsb;
}

std::optional<double> DopplerFollower::SatelliteUplink() const {
  if (!transponder_) return std::nullopt;
  if (!satDown_) return UplinkCentre(*transponder_);
  return UplinkFor(*transponder_, *satDown_);
}

std::optional<double> DopplerFollower::Offset() const {
  const auto centre = transponder_ ? DownlinkCentre(*transponder_) : std::nullopt;
  if (!centre || !satDown_) return std::nullopt;
  return *satDown_ - *centre;
}

void DopplerFollower::MoveTo(double satelliteDownlink) {
  if (!transponder_ || !satDown_ || !std::isfinite(satelliteDownlink)) return;
  satDown_ = satelliteDownlink;
  setDown_.reset();
  setUp_.reset();
}

RigTargets DopplerFollower::Step(const Transponder* transponder, bool follow, double rangeRateKmS,
                                 std::optional<double> readBack, double startOffset) {
  if (transponder == nullptr || !follow || !std::isfinite(rangeRateKmS)) {
    // At LOS the radio is the operator's until the next pass.
    if (const auto offset = Offset(); offset && !follow && Follows(transponder)) ended_ = Ended{*transponder_, *offset};
    transponder_.reset();
    satDown_.reset();
    setDown_.reset();
    setUp_.reset();
    return {};
  }
  const double threshold = Threshold(*transponder);
  if (!transponder_ || *transponder_ != *transponder) {
    transponder_ = *transponder;
    satDown_ = DownlinkCentre(*transponder);
    if (satDown_ && std::isfinite(startOffset)) *satDown_ += startOffset;
    setDown_.reset();
    setUp_.reset();
  } else if (readBack && setDown_ && satDown_ && std::abs(*readBack - *setDown_) > threshold) {
    // The operator turned the dial: that is where the satellite is listened to now.
    satDown_ = DownlinkAtSatellite(*readBack, rangeRateKmS);
    setDown_ = readBack;
  }
  RigTargets targets;
  if (satDown_) targets.downlink = Changed(DownlinkToTune(*satDown_, rangeRateKmS), setDown_, threshold);
  if (UplinkPathOf(settings_) != UplinkPath::None) {
    if (const auto up = SatelliteUplink()) {
      targets.uplink = Changed(UplinkToSend(*up, rangeRateKmS), setUp_, threshold);
    }
  }
  return targets;
}

}  // namespace rdz
