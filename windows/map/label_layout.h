#pragma once
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <array>
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
  // Whether any label could go near `at`: where not even a sliver fits, the
  // text need not be made or measured.
  bool Room(const QPointF& at, double gap) const;
  const std::vector<QRectF>& Boxes() const { return boxes_; }

 private:
  // Latin names measured by their letters' advances: shaping thousands of
  // names per picture costs more than all else.
  qreal Width(const QString& text);
  bool Free(const QRectF& box) const;
  void Add(const QRectF& box);
  // The cells of the grid a box covers, clamped to it, until f returns false.
  template <typename F>
  bool ForCells(const QRectF& box, F&& f) const;
  QRectF bounds_;
  QFontMetricsF metrics_;
  qreal height_;
  std::array<qreal, 128> advances_;  // negative: not measured yet
  std::vector<QRectF> boxes_;
  // Boxes by grid cell, so that a map with thousands of points asks only the
  // boxes near each.
  int columns_ = 1, rows_ = 1;
  std::vector<std::vector<std::size_t>> cells_;
};

}  // namespace rdz
