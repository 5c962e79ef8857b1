#pragma once

namespace rdz::sgp4 {

// WGS-72 constants, as the element sets were fitted with them.
namespace wgs72 {
inline constexpr double Mu = 398600.8;             // km^3/s^2
inline constexpr double EarthRadius = 6378.135;    // km
inline constexpr double J2 = 0.001082616;
inline constexpr double J3 = -0.00000253881;
inline constexpr double J4 = -0.00000165597;
// sqrt(Mu) in Earth radii^1.5 per minute: 60 / sqrt(EarthRadius^3 / Mu)
inline constexpr double Xke = 0.07436691613317342;
}  // namespace wgs72

inline constexpr double TwoPi = 6.283185307179586476925286766559;
inline constexpr double MinutesPerDay = 1440.0;

}  // namespace rdz::sgp4
