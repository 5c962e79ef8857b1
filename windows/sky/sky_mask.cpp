#include "windows/sky/sky_mask.h"

#include <QPainter>
#include <QPainterPath>

#include "core/sky/sky.h"

namespace rdz {

void DrawHorizonMask(QPainter& painter, const QPointF& centre, double radius, const HorizonMask& mask) {
  if (mask.Flat() && mask.Lowest() == 0) return;
  // Straight in azimuth is a curve on the plot: a point every degree.
  QPolygonF line;
  for (int az = 0; az < 360; ++az) {
    const SkyXY xy = SkyPoint({static_cast<double>(az), mask.At(az)});
    line << QPointF(centre.x() + xy.x * radius, centre.y() + xy.y * radius);
  }
  QPainterPath hidden;
  hidden.setFillRule(Qt::OddEvenFill);
  hidden.addEllipse(centre, radius, radius);
  hidden.addPolygon(line);
  hidden.closeSubpath();
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kSkyMaskFill);
  painter.drawPath(hidden);
  painter.setPen(QPen(kSkyMaskLine, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(line);
  painter.restore();
}

}  // namespace rdz
