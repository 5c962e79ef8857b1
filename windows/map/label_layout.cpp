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
      columns_(std::max(1, static_cast<int>(std::ceil(bounds.width() / kCell)))),
      rows_(std::max(1, static_cast<int>(std::ceil(bounds.height() / kCell)))),
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {}

template <typename F>
void LabelLayout::ForCells(const QRectF& box, F&& f) const {
  const auto cell = [](double v, double origin, int count) {
    return std::clamp(static_cast<int>(std::floor((v - origin) / kCell)), 0, count - 1);
  };
  const int x0 = cell(box.left(), bounds_.left(), columns_), x1 = cell(box.right(), bounds_.left(), columns_);
  const int y0 = cell(box.top(), bounds_.top(), rows_), y1 = cell(box.bottom(), bounds_.top(), rows_);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) f(static_cast<std::size_t>(y) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(x));
}

void LabelLayout::Add(const QRectF& box) {
  boxes_.push_back(box);
  ForCells(box, [&](std::size_t c) { cells_[c].push_back(boxes_.size() - 1); });
}

void LabelLayout::Reserve(const QRectF& box) { Add(box); }

bool LabelLayout::Free(const QRectF& box) const {
  if (!bounds_.contains(box)) return false;
  bool free = true;
  ForCells(box, [&](std::size_t c) {
    for (std::size_t i : cells_[c]) free = free && !boxes_[i].intersects(box);
  });
  return free;
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
  const auto slivers = Tries(at, 2.0, metrics_.height(), gap);
  return std::any_of(slivers.begin(), slivers.end(), [&](const QRectF& b) { return Free(b); });
}

std::optional<QRectF> LabelLayout::Place(const QPointF& at, const QString& text, double gap) {
  if (!Room(at, gap)) return std::nullopt;
  for (const QRectF& box : Tries(at, metrics_.horizontalAdvance(text) + 2.0, metrics_.height(), gap)) {
    if (Free(box)) {
      Add(box);
      return box;
    }
  }
  return std::nullopt;
}

}  // namespace rdz
