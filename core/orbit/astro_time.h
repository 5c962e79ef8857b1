#pragma once

namespace rdz {

// Time scales for the Sun and Moon theories. UTC is taken for UT1: the
// difference (under a second) turns the sky by less than 0.005 degrees.
inline constexpr double kJ2000 = 2451545.0;      // Julian day of 2000-01-01 12:00 TT
inline constexpr double kUnixEpochJd = 2440587.5;  // Julian day of 1970-01-01 00:00

double JulianDay(double unixSeconds);
// TT - UT in seconds for a year with fraction (Espenak and Meeus' polynomials,
// 1941 to 2150; the end pieces beyond).
double DeltaT(double year);
// Julian centuries of TT since J2000.
double CenturiesTt(double unixSeconds);
// Greenwich mean sidereal time, degrees 0..360.
double MeanSiderealDegrees(double unixSeconds);

// Nutation (Meeus' low-accuracy terms, about 0.5") and the obliquity of date, degrees.
struct Nutation {
  double longitude = 0;      // delta psi
  double obliquity = 0;      // delta epsilon
  double meanObliquity = 0;  // epsilon 0
};
Nutation NutationAt(double centuriesTt);

// Degrees into [0, 360).
double Revolution(double degrees);

}  // namespace rdz
