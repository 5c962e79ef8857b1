#pragma once
#include <QObject>
#include <functional>
#include <vector>

namespace rdz {

// Reports a double-click on one of a set of widgets by its index, so a label
// array gets one handler without changing how the labels are made.
class RowDoubleClickFilter final : public QObject {
 public:
  RowDoubleClickFilter(std::vector<QObject*> rows, std::function<void(int)> handler,
                       QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QObject*> rows_;
  std::function<void(int)> handler_;
};

}  // namespace rdz
