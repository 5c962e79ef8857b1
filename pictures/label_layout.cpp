#include "pictures/label_layout.h"

namespace rdz {

LabelLayout::LabelLayout(const QRectF& bounds, const QFontMetricsF& metrics)
    : bounds_(bounds), metrics_(metrics) {}

void LabelLayout::Reserve(const QRectF& box) { boxes_.push_back(box); }

bool LabelLayout::Free(const QRectF& box) const {
  if (!bounds_.contains(box)) return false;
  for (const QRectF& b : boxes_)
    if (b.intersects(box)) return false;
  return true;
}

std::optional<QRectF> LabelLayout::Place(const QPointF& at, const QString& text, double gap) {
  const double w = metrics_.horizontalAdvance(text) + 2.0;
  const double h = metrics_.height();
  const QRectF tries[] = {
      {at.x() + gap, at.y() - h / 2, w, h},
      {at.x() - gap - w, at.y() - h / 2, w, h},
      {at.x() - w / 2, at.y() - gap - h, w, h},
      {at.x() - w / 2, at.y() + gap, w, h},
  };
  for (const QRectF& box : tries) {
    if (Free(box)) {
      boxes_.push_back(box);
      return box;
    }
  }
  return std::nullopt;
}

}  // namespace rdz
