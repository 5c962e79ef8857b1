#pragma once
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace rdz {

// Places text boxes beside points so that no two overlap: each label tries
// right, left, above and below its point and is left out when none fits.
class LabelLayout {
 public:
  LabelLayout(const QRectF& bounds, const QFontMetricsF& metrics);
  // Space that labels must keep clear of (titles, compass letters).
  void Reserve(const QRectF& box);
  // The box for `text` near `at`, `gap` pixels away; nothing when no place fits.
  std::optional<QRectF> Place(const QPointF& at, const QString& text, double gap);
  const std::vector<QRectF>& Boxes() const { return boxes_; }

 private:
  bool Free(const QRectF& box) const;
  QRectF bounds_;
  QFontMetricsF metrics_;
  std::vector<QRectF> boxes_;
};

}  // namespace rdz
