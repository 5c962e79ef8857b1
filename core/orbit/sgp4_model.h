#pragma once
#include <mutex>
#include <optional>
#include <string>

#include "core/elements/element_set.h"
#include "core/orbit/orbit_model.h"
#include "core/orbit/sgp4_satellite.h"

namespace rdz {

// A TLE or OMM set propagated by SGP4/SDP4, with the table's columns: look
// angles from the station geometry of the engine, height and sub-satellite
// point on WGS-84, and illumination and squint from the program's Sun model
// and the antenna attitude, taken along the orbit SGP4 holds at that instant.
class Sgp4Model final : public OrbitModel {
 public:
  Sgp4Model(const MeanElementSet& set, double alat, double alon);
  std::optional<Propagation> At(const EngineContext& station, const CivilTime& utc) const override;
  // The same at a fraction of a second past utc.
  std::optional<Propagation> At(const EngineContext& station, const CivilTime& utc,
                                double secondFraction) const;
  std::optional<LookAngles> Look(const EngineContext& station, const CivilTime& utc) const override;
  std::optional<LookAngles> LookAt(const EngineContext& station, std::int64_t unixSeconds) const override;
  // Sampled along the span, with room for what the periodic terms add between samples.
  std::optional<OrbitLimits> Limits(const EngineContext& station, std::int64_t from,
                                    std::int64_t to) const override;

 private:
  std::optional<LookAngles> LookAtDay(const EngineContext& station, double days1950) const;

  double alat_, alon_;
  // A deep-space satellite remembers where a resonance integration stopped; a
  // forecast thread and the table may ask at the same time.
  mutable std::mutex mutex_;
  sgp4::Satellite satellite_;
};

// The epoch of an entry in UTC and in days since 1949-12-31 00:00; nothing when
// its epoch fields make no date.
struct ElementEpoch {
  CivilTime utc;
  double days1950 = 0;
};
std::optional<ElementEpoch> EpochOf(const ElementSet& sat);

// Days from the entry's epoch to utc (negative before it).
std::optional<double> AgeDays(const ElementSet& sat, const CivilTime& utc);

// "amsat", "tle", "omm"; and the model's name, "plan13" or "sgp4".
const char* FormatName(ElementFormat format);
const char* ModelName(const ElementSet& sat);

}  // namespace rdz
