#include "windows/main/row_double_click_filter.h"

#include <QEvent>
#include <algorithm>

namespace rdz {

RowDoubleClickFilter::RowDoubleClickFilter(std::vector<QObject*> rows,
                                           std::function<void(int)> handler, QObject* parent)
    : QObject(parent), rows_(std::move(rows)), handler_(std::move(handler)) {
  for (QObject* row : rows_) row->installEventFilter(this);
}

bool RowDoubleClickFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    const auto it = std::find(rows_.begin(), rows_.end(), watched);
    if (it != rows_.end()) {
      handler_(static_cast<int>(it - rows_.begin()));
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace rdz
