#pragma once
#include <vector>

namespace rdz {

// One point of a station's horizon: the lowest elevation seen at an azimuth.
struct MaskPoint {
  double azimuth = 0;    // degrees, 0 <= azimuth < 360
  double elevation = 0;  // degrees
};

// The station's horizon in every direction: one height everywhere, or points
// joined linearly in azimuth, wrapping at 360.
class HorizonMask {
 public:
  HorizonMask(double elevation = 0);  // NOLINT: a plain number is a flat horizon
  // Points in any order; an azimuth outside 0..360 is taken modulo 360. An empty
  // list is a flat horizon at 0.
  explicit HorizonMask(std::vector<MaskPoint> points);

  double At(double azimuth) const;
  double Lowest() const { return lowest_; }
  double Highest() const { return highest_; }
  bool Flat() const { return points_.size() < 2; }
  // Sorted by azimuth; one point for a flat horizon.
  const std::vector<MaskPoint>& Points() const { return points_; }

  friend bool operator==(const HorizonMask&, const HorizonMask&);

 private:
  std::vector<MaskPoint> points_;
  double lowest_ = 0, highest_ = 0;
};

// The mask, but nowhere below `floor`: the points where it crosses the floor
// are added, so the result is exact.
HorizonMask AtLeast(const HorizonMask& mask, double floor);

}  // namespace rdz
