#include "windows/main/tracking_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace rdz {

namespace {
constexpr int kFrames = 4;
constexpr int kFrameMs = 250;
}  // namespace

TrackingPicture::TrackingPicture(QWidget* parent) : QWidget(parent) {
  frames_.setInterval(kFrameMs);
  QObject::connect(&frames_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % kFrames;
    update();
  });
}

void TrackingPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = std::min(width(), height()) / 40.0;
  p.scale(s, s);
  // Mast and dish, facing up and to the right.
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(12, 38), QPointF(16, 24));
  p.drawLine(QPointF(20, 38), QPointF(16, 24));
  QPainterPath dish;
  dish.moveTo(4, 22);
  dish.quadTo(10, 34, 26, 28);
  dish.closeSubpath();
  p.setBrush(QColor(200, 200, 210));
  p.drawPath(dish);
  p.drawLine(QPointF(15, 27), QPointF(24, 16));
  // Waves travelling away from the feed; the frame picks how many are lit.
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    const bool lit = i < frame_;
    p.setPen(QPen(lit ? QColor(192, 0, 0) : QColor(220, 180, 180), 2));
    const qreal r = 6 + 5 * i;
    p.drawArc(QRectF(24 - r, 16 - r, 2 * r, 2 * r), 0 * 16, 90 * 16);
  }
}

void TrackingPicture::showEvent(QShowEvent*) { frames_.start(); }

void TrackingPicture::hideEvent(QHideEvent*) { frames_.stop(); }

}  // namespace rdz
