#include "windows/map/map_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "windows/map/label_layout.h"

// The picture lives in a static library's resources, which the linker would
// otherwise leave out.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace rdz {
namespace {

constexpr double kMarkerRadius = 3.0;
constexpr double kStationHalf = 3.5;
constexpr double kSunRadius = 6.0;
constexpr double kMoonRadius = 5.0;

QPolygonF Polygon(const GeoLine& line, const QSizeF& size, double shift) {
  QPolygonF poly;
  poly.reserve(static_cast<qsizetype>(line.size()));
  for (const GeoPoint& p : line) poly << MapPoint({p.lat, p.lon + shift}, size);
  return poly;
}

// A marker of radius r, centred in its picture.
QImage Marker(double r, const QColor& colour) {
  const int side = 2 * static_cast<int>(std::ceil(r + 1.0)) + 1;
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(Qt::black, 0.8));
  p.setBrush(colour);
  p.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
  return image;
}

}  // namespace

QImage EarthImage() {
  InitPictureResources();
  return QImage(QStringLiteral(":/map/earth-1024x512.jpg"));
}

QPointF MapPoint(const GeoPoint& at, const QSizeF& size) {
  return {(at.lon + 180.0) / 360.0 * size.width(), (90.0 - at.lat) / 180.0 * size.height()};
}

MapPainter::MapPainter(QImage background) : background_(std::move(background)) {}

void MapPainter::Paint(QPainter& painter, const QSize& size, const MapScene& scene) {
  // Scaling the background is the costly part; do it once per size.
  if (scaled_.size() != size) {
    scaled_ = background_.isNull()
                  ? QImage(size, QImage::Format_RGB32)
                  : background_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    if (background_.isNull()) scaled_.fill(Qt::darkBlue);
  }
  const QSizeF area(size);
  painter.save();
  painter.setClipRect(QRectF(QPointF(0, 0), area));
  painter.drawImage(0, 0, scaled_);
  painter.setRenderHint(QPainter::Antialiasing, true);

  if (!scene.night.empty()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(mapcolour::kNight);
    painter.drawPolygon(Polygon(scene.night, area, 0));
  }
  // The footprint's longitudes run on past the date line: draw it shifted too.
  if (!scene.footprint.empty()) {
    painter.setPen(QPen(mapcolour::kFootprintEdge, 1.2));
    painter.setBrush(mapcolour::kFootprintFill);
    for (double shift : {-360.0, 0.0, 360.0})
      painter.drawPolygon(Polygon(scene.footprint, area, shift));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(mapcolour::kTrack, 1.2));
  for (const GeoLine& piece : scene.track) painter.drawPolyline(Polygon(piece, area, 0));

  // The points under the Sun and the Moon, under the satellites.
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(mapcolour::kSun);
  painter.drawEllipse(MapPoint({scene.sun.lat, scene.sun.lon}, area), kSunRadius, kSunRadius);
  painter.setBrush(mapcolour::kMoon);
  painter.drawEllipse(MapPoint(scene.moon, area), kMoonRadius, kMoonRadius);

  const QPointF station = MapPoint(scene.station, area);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(mapcolour::kStation);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawRect(QRectF(station.x() - kStationHalf, station.y() - kStationHalf,
                          2 * kStationHalf, 2 * kStationHalf));
  painter.setRenderHint(QPainter::Antialiasing, true);

  QFont font = painter.font();
  font.setPixelSize(std::max(9, size.width() / 80));
  painter.setFont(font);
  LabelLayout layout(QRectF(QPointF(0, 0), area), QFontMetricsF(font));
  layout.Reserve(QRectF(station.x() - kStationHalf, station.y() - kStationHalf, 2 * kStationHalf,
                        2 * kStationHalf));
  // The selected satellite's label is placed first, so that it always finds
  // room, and its marker drawn last, so that no other covers it.
  std::vector<std::size_t> order;
  order.reserve(scene.satellites.size());
  if (scene.selected >= 0) order.push_back(static_cast<std::size_t>(scene.selected));
  for (std::size_t i = 0; i < scene.satellites.size(); ++i)
    if (static_cast<int>(i) != scene.selected) order.push_back(i);
  struct Label {
    QRectF box;
    QString text;
    QColor colour;
  };
  std::vector<Label> texts;
  for (std::size_t i : order) {
    const MapSatellite& sat = scene.satellites[i];
    const double r = static_cast<int>(i) == scene.selected ? kMarkerRadius + 1.5 : kMarkerRadius;
    const QPointF at = MapPoint(sat.at, area);
    if (!layout.Room(at, r + 2.0)) continue;
    const QString name = QString::fromStdString(sat.name);
    if (const auto box = layout.Place(at, name, r + 2.0))
      texts.push_back({*box, name, sat.up ? mapcolour::kUpName : mapcolour::kDown});
  }
  // A dim box under each name keeps it readable over ice and ocean alike;
  // the markers go over the names, so that none is hidden.
  for (const Label& t : texts) {
    painter.fillRect(t.box, mapcolour::kLabelBox);
    painter.setPen(t.colour);
    painter.drawText(t.box, Qt::AlignCenter, t.text);
  }
  // Thousands of markers: each one a copy of a marker drawn once.
  const QImage markers[2][2] = {{Marker(kMarkerRadius, mapcolour::kDown), Marker(kMarkerRadius, mapcolour::kUp)},
                                {Marker(kMarkerRadius + 1.5, mapcolour::kDown),
                                 Marker(kMarkerRadius + 1.5, mapcolour::kUp)}};
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const MapSatellite& sat = scene.satellites[*it];
    const QImage& marker = markers[static_cast<int>(*it) == scene.selected ? 1 : 0][sat.up ? 1 : 0];
    const QPointF at = MapPoint(sat.at, area);
    painter.drawImage(QPointF(std::round(at.x() - marker.width() / 2.0), std::round(at.y() - marker.height() / 2.0)),
                      marker);
  }
  labels_ = layout.Boxes();
  painter.restore();
}

QImage MapPainter::Render(const MapScene& scene, int width) {
  const QSize size(std::max(width, 2), std::max(width, 2) / 2);
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  Paint(painter, size, scene);
  return image;
}

}  // namespace rdz
