#pragma once
#include <array>
#include <optional>

#include "core/orbit/observer.h"
#include "core/elements/element_set.h"
#include "core/elements/element_table.h"
#include "core/orbit/orbit_model.h"
#include "core/orbit/sat_state.h"

namespace rdz {

// Model constants of the propagator. The values are part of the program's
// observable results: the 10-digit pi and 1.5708 are deliberate.
namespace model {
inline constexpr double Pi = 3.141592654;
inline constexpr double Deg = 180.0 / Pi;
inline constexpr double Rad = 1.0 / Deg;
inline constexpr double EarthRadius = 6378.14;
inline constexpr double Flattening = 1.0 / 298.256;
inline constexpr double PolarRadius = EarthRadius * (1.0 - Flattening);
inline constexpr double J2 = 0.00108263;
inline constexpr double MeanYear = 365.25;
inline constexpr double TropicalYear = 365.2421938;
inline constexpr double SunRate = 2.0 * Pi / TropicalYear;
inline constexpr double EarthRotRate = 2.0 * Pi + SunRate;
inline constexpr double BaseYear = 1988;
inline constexpr double BaseGhaa = 98.8897;
inline constexpr double BaseSunAnomaly = 356.1611;
inline constexpr double SunAnomalyRate = 0.9856002671;
inline constexpr double Obliquity = 23.4408;
inline constexpr double SunEqc1 = 0.03342715297;
inline constexpr double SunEqc2 = 0.00034917;
inline constexpr double SunEqc3 = 5.06e-06;
inline constexpr double SemiAxisConstant = 8681668.016;
inline constexpr double KeplerTolerance = 0.002;
// Newton from E = M can wander at high eccentricity: at e = 0.99 some phases
// need hundreds of passes, a few thousands, and a rare one runs off for good.
// Past this many passes a bracketed solver takes over.
inline constexpr int KeplerMaxPasses = 100000;
inline constexpr double SquintOffset = 1.5708;
}  // namespace model

// Constants and station geometry of one engine run (one live-table pass,
// one forecast). Built from a copy of the station record; never writes it.
struct EngineContext {
  std::array<int, 12> DaysBeforeMonth{};
  std::array<double, 3> Up{};
  std::array<double, 3> East{};
  std::array<double, 3> North{};
  std::array<double, 3> StationPosition{};  // km, Earth-fixed
};

EngineContext SetupEngine(const Observer& station);

// Days before 1 January of year y on the 365.25-day scale, truncated toward zero.
double YearDayCount(double y);

// Day of year; every year divisible by 4 counts as leap.
int DayOfYear(const EngineContext& engine, int year, int month, int day);

// Day of year with fraction (1 January 00:00 = 1.0) of a UTC instant.
double TimeNow(const EngineContext& engine, int year, int month, int day, int hour, int minute,
               int second);

// Rounds for display: AZ, EL, LA, LO to nearest with halves to even, MA down,
// HGT, RANGE, ILL, SQ as floor(x + 0.5). Nothing when a value does not fit an int.
std::optional<SatState> RoundSatState(const RawSatState& raw);

// The own model's orbit as set up once from a set's elements. Angles in
// radians, rates per day.
struct KeplerOrbit {
  double epochYearDays = 0;          // YearDayCount of the epoch's year
  double epochDay = 0;               // day of year with fraction
  double epochRevolution = 0;
  double semiMajorAxis = 0;          // km
  double semiMinorAxis = 0;          // km
  double eccentricity = 0;
  double raanAtEpoch = 0;
  double meanAnomalyAtEpoch = 0;
  double argPerigeeAtEpoch = 0;
  double sinInclination = 0;
  double cosInclination = 0;
  double meanMotion = 0;             // radians per day
  double raanRate = 0;               // the node's turning by J2
  double perigeeRate = 0;            // the perigee's turning by J2
  double decay = 0;                  // drag: the mean motion's rate over 3 times the mean motion
  double greenwichAtEpoch = 0;       // hour angle of Aries at Greenwich
  double sunLongitudeAtEpoch = 0;    // the Sun's mean right ascension
  double sunAnomalyAtEpoch = 0;      // the Sun's mean anomaly
  std::array<double, 3> antenna{};   // antenna axis on the orbit's axes (perigee first)
};

// The program's own mean-element model (the AMSAT files). The constructor does
// the per-satellite setup; At and AtDay compute one instant.
class KeplerModel final : public OrbitModel {
 public:
  explicit KeplerModel(const ElementSet& sat);
  std::optional<Propagation> At(const EngineContext& station, const CivilTime& utc) const override;
  // The same at day tn (1 January 00:00 = 1.0, with fraction) of `year`.
  // Nothing when the entry cannot be propagated: mean motion <= 0,
  // eccentricity >= 1, a non-finite intermediate, or a result that does not
  // fit the shown integers.
  std::optional<Propagation> AtDay(const EngineContext& station, int year, double tn) const;
  std::optional<LookAngles> Look(const EngineContext& station, const CivilTime& utc) const override;
  std::optional<OrbitLimits> Limits(const EngineContext& station, std::int64_t from,
                                    std::int64_t to) const override;

 private:
  // With `lookOnly`, only the look angles, written there (the state returned is empty).
  std::optional<Propagation> Compute(const EngineContext& station, int year, double tn,
                                     LookAngles* lookOnly) const;

  std::optional<KeplerOrbit> orbit_;  // none when the elements cannot be propagated
};

// Where the engine's Sun stands overhead at day tn (1 January 00:00 = 1.0,
// with fraction) of `year`: geocentric latitude and longitude in degrees,
// longitude in -180..180. The same Sun the illumination uses.
struct SubSolarPoint {
  double lat = 0;
  double lon = 0;
};
SubSolarPoint SunOverhead(int year, double tn);

// A model for each of entries 1..count.
OrbitModels MakeOrbitModels(const ElementTable& elements, int count);
// The model of one set: SGP4 for TLE and OMM sets, the own model for AMSAT ones.
std::shared_ptr<const OrbitModel> MakeOrbitModel(const ElementSet& sat);

}  // namespace rdz
