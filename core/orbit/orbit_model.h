#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/orbit/look_angles.h"
#include "core/orbit/sat_state.h"
#include "core/base/civil_time.h"

namespace rdz {

struct EngineContext;

// One satellite's orbit, set up once from its elements when the table is
// loaded; each call computes the state at one UTC instant. Nothing when the
// elements cannot be propagated to that instant.
class OrbitModel {
 public:
  virtual ~OrbitModel() = default;
  virtual std::optional<Propagation> At(const EngineContext& station,
                                        const CivilTime& utc) const = 0;
  // Only the look angles, with exactly the numbers At gives: for searches
  // that ask for many instants. By default taken from At.
  virtual std::optional<LookAngles> Look(const EngineContext& station,
                                         const CivilTime& utc) const;
  // The same at a whole second of UTC (seconds since 1970-01-01).
  virtual std::optional<LookAngles> LookAt(const EngineContext& station,
                                           std::int64_t unixSeconds) const;
  // Bounds of the orbit from `from` to `to` (unix seconds); nothing where the
  // model cannot promise them (the default).
  virtual std::optional<OrbitLimits> Limits(const EngineContext& station, std::int64_t from,
                                            std::int64_t to) const;
};

// A set whose elements describe no orbit: never computed.
class NoOrbit final : public OrbitModel {
 public:
  std::optional<Propagation> At(const EngineContext&, const CivilTime&) const override {
    return std::nullopt;
  }
};

// The look angles of a computed state.
LookAngles LookOf(const RawSatState& raw);

// Entry k of the element table has its model at index k - 1. Shared so that a
// forecast keeps its satellite while the table is loaded again.
using OrbitModels = std::vector<std::shared_ptr<const OrbitModel>>;

}  // namespace rdz
