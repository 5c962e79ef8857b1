#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>
#include <vector>

#include "core/map/scene.h"

class QPainter;

namespace rdz {

// Colours of the map, shared with the tests that look at its pixels.
namespace mapcolour {
inline const QColor kUp(0xC0, 0x00, 0x00);      // the live table's red: its text
inline const QColor kUpName(0xFF, 0xC0, 0xC0);  // and its row, readable on the dark box
inline const QColor kDown(0xFF, 0xE0, 0x40);
inline const QColor kStation(0x00, 0xFF, 0xFF);
inline const QColor kFootprintFill(0xFF, 0xFF, 0x80, 70);
inline const QColor kFootprintEdge(0xFF, 0xFF, 0x80);
inline const QColor kTrack(0xFF, 0x80, 0x00);
inline const QColor kNight(0, 0, 0, 120);
inline const QColor kLabelBox(0, 0, 0, 130);
inline const QColor kSun(0xFF, 0xD0, 0x20);
inline const QColor kMoon(0xE8, 0xE8, 0xF0);
}  // namespace mapcolour

// The equirectangular world map from the program's resources.
QImage EarthImage();

// Pixel position of a point on a map of the given size.
QPointF MapPoint(const GeoPoint& at, const QSizeF& size);

// Draws map scenes over a background picture, which it keeps scaled to the
// last size asked for.
class MapPainter {
 public:
  explicit MapPainter(QImage background);
  void Paint(QPainter& painter, const QSize& size, const MapScene& scene);
  // A picture `width` pixels wide and half as high.
  QImage Render(const MapScene& scene, int width);
  // Where the last Paint put its labels.
  const std::vector<QRectF>& LabelBoxes() const { return labels_; }

 private:
  QImage background_;
  QImage scaled_;
  std::vector<QRectF> labels_;
};

}  // namespace rdz
