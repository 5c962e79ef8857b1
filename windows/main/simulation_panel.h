#pragma once
#include <QWidget>
#include <array>

class QPushButton;

namespace rdz {

// The time-simulation buttons CmdStop(0) to CmdStop(5): "STOP" above
// "<<", "<", "=", ">", ">>".
class SimulationPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit SimulationPanel(QWidget* parent = nullptr);

 signals:
  // CmdStop(index) was clicked.
  void stopClicked(int index);

 private:
  std::array<QPushButton*, 6> CmdStop{};
};

}  // namespace rdz
