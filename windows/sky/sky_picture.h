#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>
#include <vector>

#include "core/map/scene.h"

class QPainter;

namespace rdz {

namespace skycolour {
inline const QColor kBackground(0x10, 0x18, 0x30);
inline const QColor kRings(0x70, 0x80, 0xA0);
inline const QColor kPath(0xFF, 0xC0, 0x40);
inline const QColor kNow(0xFF, 0x30, 0x30);
inline const QColor kMark(0xFF, 0xFF, 0xFF);
inline const QColor kSun(0xFF, 0xD0, 0x20);
inline const QColor kMoon(0xE8, 0xE8, 0xF0);
}  // namespace skycolour

// Centre and radius of the horizon circle in a sky picture of this size.
QPointF SkyCentre(const QSizeF& size);
double SkyRadius(const QSizeF& size);

// Draws the sky view: horizon, 30 and 60 degree rings, north up, the pass with
// its AOS, highest point and LOS labelled with their times, and the
// satellite's current position; the Sun and the Moon where they are and
// their paths over the day.
class SkyPainter {
 public:
  void Paint(QPainter& painter, const QSize& size, const SkyScene& scene);
  QImage Render(const SkyScene& scene, int size);
  const std::vector<QRectF>& LabelBoxes() const { return labels_; }

 private:
  std::vector<QRectF> labels_;
};

}  // namespace rdz
