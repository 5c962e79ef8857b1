#include "windows/map/label_layout.h"

#include <algorithm>
#include <cmath>

namespace rdz {

namespace {
constexpr double kCell = 32.0;  // pixels
}  // namespace

LabelLayout::LabelLayout(const QRectF& bounds, const QFontMetricsF& metrics)
    : bounds_(bounds),
      metrics_(metrics),
      height_(metrics.height()),
      advances_{},
      columns_(std::max(1, static_cast<int>(std::ceil(bounds.width() / kCell)))),
      rows_(std::max(1, static_cast<int>(std::ceil(bounds.height() / kCell)))),
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {
  advances_.fill(-1);
}

qreal LabelLayout::Width(const QString& text) {
  qreal width = 0;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 32 || u >= advances_.size()) return metrics_.horizontalAdvance(text);
    if (advances_[u] < 0) advances_[u] = metrics_.horizontalAdvance(c);
    width += advances_[u];
  }
  return width;
}

template <typename F>
bool LabelLayout::ForCells(const QRectF& box, F&& f) const {
  const auto cell = [](double v, double origin, int count) {
    return std::clamp(static_cast<int>(std::floor((v - origin) / kCell)), 0, count - 1);
  };
  const int x0 = cell(box.left(), bounds_.left(), columns_), x1 = cell(box.right(), bounds_.left(), columns_);
  const int y0 = cell(box.top(), bounds_.top(), rows_), y1 = cell(box.bottom(), bounds_.top(), rows_);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (!f(static_cast<std::size_t>(y) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(x))) return false;
    }
  }
  return true;
}

void LabelLayout::Add(const QRectF& box) {
  boxes_.push_back(box);
  ForCells(box, [&](std::size_t c) {
    cells_[c].push_back(boxes_.size() - 1);
    return true;
  });
}

void LabelLayout::Reserve(const QRectF& box) { Add(box); }

bool LabelLayout::Free(const QRectF& box) const {
  const double left = box.left(), right = box.right(), top = box.top(), bottom = box.bottom();
  if (left < bounds_.left() || right > bounds_.right() || top < bounds_.top() || bottom > bounds_.bottom()) {
    return false;
  }
  // Thousands of points ask: plain comparisons, and out at the first overlap.
  return ForCells(box, [&](std::size_t c) {
    for (const std::size_t i : cells_[c]) {
      const QRectF& b = boxes_[i];
      if (b.left() < right && left < b.right() && b.top() < bottom && top < b.bottom()) return false;
    }
    return true;
  });
}

namespace {

// Right, left, above and below a point.
std::array<QRectF, 4> Tries(const QPointF& at, double w, double h, double gap) {
  return {QRectF{at.x() + gap, at.y() - h / 2, w, h}, QRectF{at.x() - gap - w, at.y() - h / 2, w, h},
          QRectF{at.x() - w / 2, at.y() - gap - h, w, h}, QRectF{at.x() - w / 2, at.y() + gap, w, h}};
}

}  // namespace

bool LabelLayout::Room(const QPointF& at, double gap) const {
  // Each sliver lies inside the full box of its side.
  const auto slivers = Tries(at, 2.0, height_, gap);
  return std::any_of(slivers.begin(), slivers.end(), [&](const QRectF& b) { return Free(b); });
}

std::optional<QRectF> LabelLayout::Place(const QPointF& at, const QString& text, double gap) {
  if (!Room(at, gap)) return std::nullopt;
  for (const QRectF& box : Tries(at, Width(text) + 2.0, height_, gap)) {
    if (Free(box)) {
      Add(box);
      return box;
    }
  }
  return std::nullopt;
}

}  // namespace rdz
