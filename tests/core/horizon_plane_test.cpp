// The bent-down height over the horizon plane, against the SGP4 trajectory
// itself: within the stretch it gives, the height lies under its tangent, and
// a satellite it calls down stays down second by second.
#include <gtest/gtest.h>

#include <cmath>

#include "core/passes/horizon_plane.h"
#include "core/passes/pass_time.h"
#include "core/passes/table_passes.h"
#include "shifted_catalog.h"

namespace rdz {
namespace {

TEST(HorizonPlane, BoundsHoldAlongRealOrbits) {
  const Observer station{45.6, 9.2, 250};
  const EngineContext engine = SetupEngine(station);
  const auto read = ReadElementSets(test::FileText(RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle"));
  const std::int64_t start = UnixSeconds({2026, 5, 11, 12, 0, 0});
  int bent = 0, down = 0, planes = 0;
  for (std::size_t i = 0; i < read.sets.size(); i += 2) {
    const auto model = MakeOrbitModel(read.sets[i]);
    if (!model) continue;
    const auto limits = model->Limits(engine, start, start + 2 * 86400);
    const auto plane = limits ? HorizonPlane::For(*limits) : std::nullopt;
    if (!plane) continue;
    ++planes;
    const auto height = [&](const LookAngles& a) {
      double h = 0;
      for (int k = 0; k < 3; ++k) h += (a.position[k] - limits->station[k]) * limits->up[k];
      return h;
    };
    for (std::int64_t t = start; t < start + 86400; t += 701) {
      const auto a = model->LookAt(engine, t);
      ASSERT_TRUE(a) << read.sets[i].Name;
      // The dot product's sign is the elevation's.
      EXPECT_EQ(height(*a) >= 0, a->elevation >= 0) << read.sets[i].Name;
      const double rate = a->velocity[0] * limits->up[0] + a->velocity[1] * limits->up[1] +
                          a->velocity[2] * limits->up[2];
      const double window = plane->ConcaveFor(plane->At(*a));
      for (std::int64_t k = 13; k <= window; k += 29) {
        const auto b = model->LookAt(engine, t + k);
        EXPECT_LE(height(*b), height(*a) + rate * static_cast<double>(k) + 1e-6)
            << read.sets[i].Name << " " << IsoUtc(t) << " +" << k;
        ++bent;
      }
      if (a->elevation >= 0) continue;
      const auto sure = static_cast<std::int64_t>(plane->StaysDown(plane->At(*a)));
      for (std::int64_t k = 1; k <= sure; k += k < sure - 20 ? 7 : 1) {
        EXPECT_LT(model->LookAt(engine, t + k)->elevation, 0)
            << read.sets[i].Name << " " << IsoUtc(t) << " +" << k << " of " << sure;
        ++down;
      }
    }
  }
  EXPECT_GT(planes, 30);
  EXPECT_GT(bent, 2000);
  EXPECT_GT(down, 20000);
  // A high orbit is never bent enough; no up direction, no plane.
  OrbitLimits high;
  high.minRadius = 26000;
  high.maxRadius = 46000;
  high.up = {0, 0, 1};
  EXPECT_FALSE(HorizonPlane::For(high));
  high.minRadius = high.maxRadius = 6800;
  EXPECT_TRUE(HorizonPlane::For(high));
  high.up = {};
  EXPECT_FALSE(HorizonPlane::For(high));
}

}  // namespace
}  // namespace rdz
