// The map and sky pictures: colours at the projected points, labels apart.
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "core/map/footprint.h"
#include "core/orbit/body_look.h"
#include "windows/map/map_picture.h"
#include "windows/sky/sky_picture.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

const Observer kStation{46.5, 8.95, 273};
constexpr int kWidth = 1024;

struct Sample {
  std::unique_ptr<ElementTable> table = std::make_unique<ElementTable>();
  OrbitModels models;
  CivilTime top;  // the highest point of satellite 1's next pass
  Sample() {
    const auto sats = SampleSatellites();
    for (std::size_t i = 0; i < sats.size(); ++i) (*table)[static_cast<int>(i) + 1] = sats[i];
    models = MakeOrbitModels(*table, static_cast<int>(sats.size()));
    top = FindPass(*models[0], SetupEngine(kStation), {2026, 5, 11, 0, 0, 0})->highest.utc;
  }
};

// The background is a plain latitude/longitude grid, north up, 180 W at the left.
QRgb Pixel(const QImage& image, const GeoPoint& at) {
  return image.pixel(static_cast<int>((at.lon + 180) / 360 * image.width()),
                     static_cast<int>((90 - at.lat) / 180 * image.height()));
}

QImage Filled(QSize size, QColor colour, QColor over = Qt::transparent) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QPainter(&image).fillRect(image.rect(), over);
  return image;
}

void ExpectApart(const std::vector<QRectF>& boxes) {
  for (std::size_t i = 0; i < boxes.size(); ++i)
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      ASSERT_FALSE(boxes[i].intersects(boxes[j])) << i << " " << j;
}

TEST(MapPicture, StationSatellitesAndFootprintHaveTheirColours) {
  const Sample sample;
  MapScene scene = BuildMapScene(*sample.table, sample.models, kStation, sample.top, 1);
  ASSERT_TRUE(scene.selected == 0 && scene.satellites[0].up);
  scene.night.clear();
  MapPainter painter(Filled({1024, 512}, QColor(128, 128, 128)));
  const QImage full = painter.Render(scene, kWidth);
  EXPECT_EQ(full.size(), QSize(kWidth, kWidth / 2));
  EXPECT_EQ(Pixel(full, scene.station), mapcolour::kStation.rgb());
  EXPECT_EQ(Pixel(full, scene.satellites[0].at), mapcolour::kUp.rgb());
  // A satellite below the horizon whose marker no other covers.
  int down = 0;
  for (std::size_t i = 1; i < scene.satellites.size(); ++i) {
    const MapSatellite& s = scene.satellites[i];
    const auto near = [&](const MapSatellite& o) { return &o != &s && CentralAngle(s.at, o.at) < 4.0; };
    if (s.up || std::ranges::any_of(scene.satellites, near)) continue;
    EXPECT_EQ(Pixel(full, s.at), mapcolour::kDown.rgb()) << s.name;
    ++down;
  }
  EXPECT_GT(down, 3);
  EXPECT_GT(painter.LabelBoxes().size(), 10u);
  ExpectApart(painter.LabelBoxes());

  // The points under the Sun and the Moon, where `state` puts them (no footprint over them here).
  const MapSatellite sat = scene.satellites[0];
  scene.footprint.clear();
  scene.satellites.clear();
  scene.track.clear();
  const QImage bodies = painter.Render(scene, kWidth);
  EXPECT_EQ(Pixel(bodies, {scene.sun.lat, scene.sun.lon}), mapcolour::kSun.rgb());
  EXPECT_EQ(Pixel(bodies, scene.moon), mapcolour::kMoon.rgb());
  const BodyState moon = BodyStateAt(SkyBody::Moon, {}, static_cast<double>(UnixSeconds(sample.top)));
  EXPECT_NEAR(scene.moon.lat, moon.subLatitude, 1e-9);
  EXPECT_NEAR(scene.moon.lon, moon.subLongitude, 1e-9);

  // The footprint alone: shaded inside, untouched outside.
  scene = BuildMapScene(*sample.table, sample.models, kStation, sample.top, 1);
  scene.night.clear();
  const double r = FootprintRadius(sample.models[0]->At(SetupEngine(kStation), sample.top)->raw.height);
  scene.satellites = {{"", sat.at, true}};
  scene.track.clear();
  const QImage alone = painter.Render(scene, kWidth);
  const double toward = sat.at.lat > 0 ? -1.0 : 1.0;  // away from the pole
  EXPECT_EQ(Pixel(alone, {sat.at.lat + toward * r / 2, sat.at.lon}),
            Filled({1, 1}, QColor(128, 128, 128), mapcolour::kFootprintFill).pixel(0, 0));
  EXPECT_EQ(Pixel(alone, {sat.at.lat + toward * r * 1.3, sat.at.lon}), qRgb(128, 128, 128));
}

TEST(SkyPicture, CurrentPositionAndPassLabelsApart) {
  const Sample sample;
  const SkyScene scene =
      BuildSkyScene((*sample.table)[1].Name, *sample.models[0], kStation, sample.top);
  ASSERT_TRUE(scene.now && scene.pass && scene.pass->current);
  SkyPainter painter;
  const QImage image = painter.Render(scene, 600);
  const QPointF at = SkyCentre(image.size()) + QPointF(SkyPoint(*scene.now).x, SkyPoint(*scene.now).y) * SkyRadius(image.size());
  EXPECT_EQ(image.pixel(static_cast<int>(at.x()), static_cast<int>(at.y())), skycolour::kNow.rgb());
  // Heading (2 lines), N E S W, two ring labels, AOS, MAX, LOS, and the Sun or Moon that is up.
  std::size_t bodiesUp = 0;
  for (const SkyBodyView& body : scene.bodies) {
    if (body.now.el < 0) continue;
    ++bodiesUp;
    const QPointF p = SkyCentre(image.size()) + QPointF(SkyPoint(body.now).x, SkyPoint(body.now).y) * SkyRadius(image.size());
    EXPECT_EQ(image.pixel(static_cast<int>(p.x()), static_cast<int>(p.y())),
              (body.body == SkyBody::Sun ? skycolour::kSun : skycolour::kMoon).rgb());
  }
  EXPECT_GE(bodiesUp, 1u);
  EXPECT_EQ(painter.LabelBoxes().size(), 11u + bodiesUp);
  ExpectApart(painter.LabelBoxes());
}

}  // namespace
}  // namespace rdz::test
