// The pass planner on made-up passes: the way through the stops, the
// threshold, waiting before AOS and parking after LOS.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/rotor/pass_planner.h"

namespace rdz {
namespace {

// A pass from t = 0 to t = duration: the azimuth turns evenly from `from` to
// `to` (continuous degrees, so 300 -> 420 crosses north), the elevation rises
// to `top` halfway.
SkyPosition MadeUpPass(double from, double to, double top = 60, double duration = 600) {
  return [=](double t) -> std::optional<LookAngles> {
    if (t <= 0 || t >= duration) return LookAngles{from, -10};
    const double f = t / duration;
    return LookAngles{std::fmod(from + f * (to - from) + 720, 360), top * std::sin(std::numbers::pi * f)};
  };
}

// The sky direction a rotor position points at.
LookAngle Pointing(const LookAngle& rotor) {
  if (rotor.elevation <= 90) return {std::fmod(rotor.azimuth + 720, 360), rotor.elevation};
  return {std::fmod(rotor.azimuth + 180 + 720, 360), 180 - rotor.elevation};
}

struct Sent {
  double t;
  RotorCommand command;
};

std::vector<Sent> Drive(PassPlanner& planner, const SkyPosition& sky, double from, double to,
                        double tick = 0.25) {
  std::vector<Sent> sent;
  for (double t = from; t <= to; t += tick)
    if (auto c = planner.Step(sky, t)) sent.push_back({t, *c});
  return sent;
}

TEST(PassPlanner, ChoosesOneWayThroughEachRangeAndFollowsItInSmallSteps) {
  using R = AzimuthRange;
  const struct {
    AzimuthRange range;
    double maxEl, from, to;  // the pass's azimuths
    PassWay way;
    int unwinds;  // moves of more than 10 degrees between two commands
  } cases[] = {
      {R::From0To360, 90, 300, 420, PassWay::Unwind, 1},
      {R::From0To360, 180, 300, 420, PassWay::Flip, 0},
      {R::From0To360, 180, 100, 200, PassWay::Plain, 0},
      {R::From180To180, 90, 300, 420, PassWay::Plain, 0},
      {R::From180To180, 90, 120, 240, PassWay::Unwind, 1},
      {R::From180To180, 180, 240, 120, PassWay::Flip, 0},
      {R::From0To450, 90, 300, 420, PassWay::Overlap, 0},
      {R::From0To450, 180, 60, -60, PassWay::Overlap, 0},
      {R::From0To450, 90, 10, 80, PassWay::Plain, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.range) << " max el " << c.maxEl << " from " << c.from);
    const RotorSettings settings{.azimuthRange = c.range, .maxElevation = c.maxEl};
    PassPlanner planner(settings);
    const SkyPosition sky = MadeUpPass(c.from, c.to);
    const std::vector<Sent> sent = Drive(planner, sky, -100, 700);
    ASSERT_GT(sent.size(), 30u);
    const AzimuthLimits limits = LimitsOf(c.range);
    int unwinds = 0;
    for (std::size_t i = 0; i < sent.size(); ++i) {
      const LookAngle& p = sent[i].command.position;
      EXPECT_TRUE(p.azimuth >= limits.low && p.azimuth <= limits.high && p.elevation >= 0 && p.elevation <= c.maxEl)
          << p.azimuth << " " << p.elevation;
      if (sent[i].command.reason == CommandReason::Track) {
        const LookAngles want = *sky(sent[i].t);
        EXPECT_NEAR(std::remainder(Pointing(p).azimuth - want.azimuth, 360), 0, 1e-6);
        EXPECT_NEAR(Pointing(p).elevation, want.elevation, 1e-6);
      }
      if (i == 0) continue;
      const LookAngle& q = sent[i - 1].command.position;
      const double step = std::max(std::abs(p.azimuth - q.azimuth), std::abs(p.elevation - q.elevation));
      EXPECT_GE(step, settings.minChange);
      // Only an unwind, or the first move from the wait at AOS, is longer than one step.
      if (step > 10) {
        ++unwinds;
      } else if (sent[i - 1].command.reason != CommandReason::Wait) {
        EXPECT_LE(step, settings.minChange + 0.1) << sent[i].t;
      }
    }
    EXPECT_EQ(unwinds, c.unwinds);
    // The plan is gone after LOS; look at it again for its way.
    PassPlanner again(settings);
    again.Step(sky, 1);
    ASSERT_TRUE(again.Plan());
    EXPECT_EQ(again.Plan()->way, c.way);
    EXPECT_EQ(again.Plan()->flipped, c.way == PassWay::Flip);
  }
}

TEST(PassPlanner, WaitsAtTheAosAzimuthOnlyWithinTheWaitingTime) {
  RotorSettings settings{.waitMinutes = 2};
  const SkyPosition sky = MadeUpPass(300, 420, 60);
  PassPlanner planner(settings);
  const std::vector<Sent> sent = Drive(planner, sky, -400, 0.5, 1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_TRUE(sent[0].t >= -120 && sent[0].t < -100) << sent[0].t;
  EXPECT_EQ(sent[0].command.reason, CommandReason::Wait);
  EXPECT_NEAR(sent[0].command.position.azimuth, 300, 3);
  EXPECT_EQ(sent[0].command.position.elevation, 0);

  // A flipping rotor waits at the far side, tipped over to the horizon.
  settings.maxElevation = 180;
  const auto wait = PassPlanner(settings).Step(sky, -60);
  ASSERT_TRUE(wait);
  EXPECT_NEAR(wait->position.azimuth, 120, 3);
  EXPECT_EQ(wait->position.elevation, 180);

  // The rise counts from the rotor's minimum elevation: 30 degrees at t = 100 s.
  settings.minElevation = 30;
  PassPlanner high(settings);
  high.Step(sky, -10);
  EXPECT_NEAR(high.Plan().value().aos, 100, 1);
}

// A summer Sun stays up longer than one plan reaches: no park before it sets.
TEST(PassPlanner, ParksOnceAfterLosOnlyWhenAsked) {
  for (const double duration : {600.0, 16 * 3600.0}) {
    for (const bool park : {false, true}) {
      PassPlanner planner(RotorSettings{.parkAzimuth = 180, .parkElevation = 5, .parkAfterLos = park});
      int parks = 0;
      const double step = duration > 3600 ? 10 : 1;
      for (const Sent& s : Drive(planner, MadeUpPass(100, 200, 60, duration), 300, duration + 600, step)) {
        if (s.command.reason != CommandReason::Park) continue;
        ++parks;
        EXPECT_TRUE(s.t >= duration && s.command.position.azimuth == 180 && s.command.position.elevation == 5);
      }
      EXPECT_EQ(parks, park ? 1 : 0);
    }
  }
}

TEST(PassPlanner, SatelliteThatCannotBeComputedSendsNothing) {
  PassPlanner planner{RotorSettings{}};
  const SkyPosition nothing = [](double) -> std::optional<LookAngles> { return std::nullopt; };
  const SkyPosition nan = [](double) -> std::optional<LookAngles> { return LookAngles{NAN, NAN}; };
  EXPECT_FALSE(planner.Step(nothing, 0));
  EXPECT_FALSE(planner.Step(nan, 0));
  EXPECT_FALSE(planner.Plan());
}

}  // namespace
}  // namespace rdz
