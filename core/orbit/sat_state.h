#pragma once
#include <optional>

namespace rdz {

// One satellite at one instant, rounded as the tracker shows it.
struct SatState {
  int AZ = 0;      // degrees 0..360, nearest (halves to even)
  int EL = 0;      // degrees -90..90, nearest (halves to even)
  int MA = 0;      // orbital phase 0..255, floor
  int HGT = 0;     // km above the equatorial radius, floor(x + 0.5)
  int RANGE = 0;   // km from the station, floor(x + 0.5)
  int ILL = 0;     // percent 0..100, floor(x + 0.5)
  int SQ = 0;      // squint degrees 0..180, floor(x + 0.5)
  int LA = 0;      // sub-satellite latitude, nearest (halves to even)
  int LO = 0;      // sub-satellite longitude -180..180, nearest (halves to even)
  double RN = 0;   // revolution number, not rounded
};

// The same quantities before rounding.
struct RawSatState {
  double azimuth = 0;       // degrees
  double elevation = 0;     // degrees
  double range = 0;         // km
  double height = 0;        // km
  double subLatitude = 0;   // degrees
  double subLongitude = 0;  // degrees
  double phase = 0;         // 0..256
  double illumination = 0;  // percent
  double squint = 0;        // degrees
  double revolution = 0;
  double meanAnomaly = 0;   // radians, 0 <= M < 2 pi
  std::optional<double> rangeRate{};  // km/s, positive moving away; where the model gives it
};

struct Propagation {
  SatState state;
  RawSatState raw;
};

}  // namespace rdz
