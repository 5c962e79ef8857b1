#pragma once
#include <optional>
#include <vector>

#include "core/orbit/geo.h"
#include "core/orbit/engine.h"

namespace rdz {

// Seconds per revolution, from how fast the model's mean anomaly runs at
// `utc`; nothing when the model cannot be computed there.
std::optional<double> OrbitPeriodSeconds(const OrbitModel& model, const EngineContext& station,
                                         const CivilTime& utc);

// Sub-satellite points from one revolution before `utc` to one after, about
// `points` of them evenly spaced in whole seconds (instants the model cannot
// compute are left out), cut at the date line.
std::vector<GeoLine> GroundTrack(const OrbitModel& model, const EngineContext& station,
                                 const CivilTime& utc, int points = 240);

// The night side for an equirectangular map: the terminator from longitude
// -180 to 180 closed along the edge of the pole that has night.
GeoLine NightPolygon(const SubSolarPoint& sun, int steps = 90);

// The engine's sub-solar point at a UTC instant.
SubSolarPoint SunOverheadAt(const CivilTime& utc);

}  // namespace rdz
