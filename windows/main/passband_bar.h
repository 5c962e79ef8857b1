#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "core/radio/passband.h"

namespace rdz {

// The radio row's passband: a bar with the position and its frequencies
// (downlink and matching uplink, satellite side), red with a warning outside
// the passband; the frequencies alone for a transponder of one frequency.
// With the focus, the mouse wheel and the Left/Right keys move the position
// by 100 Hz, 10 Hz with Ctrl and 1 kHz with Shift.
class PassbandBar final : public QWidget {
  Q_OBJECT

 public:
  explicit PassbandBar(QWidget* parent = nullptr);
  void Show(const std::optional<PassbandPlace>& place);
  const std::optional<PassbandPlace>& Place() const { return place_; }
  // What the bar says, as painted.
  QString Text() const;
  std::function<void(double hz)> Moved;  // by this many Hz, satellite side

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Step(int direction, Qt::KeyboardModifiers modifiers);
  std::optional<PassbandPlace> place_;
};

}  // namespace rdz
