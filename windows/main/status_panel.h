#pragma once
#include <QWidget>
#include <string>

class QHBoxLayout;
class QLabel;

namespace rdz {

// The status bar on two lines, each message in a field of its own, cut with
// "..." where it does not fit and whole in its tool tip: above, the element
// file, config.txt's warnings, the alerts and the station; below, the rotor
// and the radio side by side, so neither pushes the other out.
class StatusPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit StatusPanel(QWidget* parent = nullptr);

  void ShowElements(const std::string& text, bool alarm);
  void ShowSettings(const std::string& text);
  void ShowStation(const std::string& text, const std::string& position);
  // The device links hand in their status lines: the rotor's first, then the radio's.
  void addWidget(QWidget* field, int stretch = 0);
  // The alerts' status line.
  void AddAlerts(QLabel* field);
  // Nothing is tracked: the rotor's line is shown grey, not as an alarm; the
  // rotor is not asked to do anything, and its port may well be someone else's.
  void SetDevicesQuiet(bool quiet);

 private:
  QHBoxLayout* messages_ = nullptr;
  QHBoxLayout* devices_ = nullptr;
  QLabel* LblElementStatus = nullptr;  // the last load's accounting and the age warning
  QLabel* LblSettings = nullptr;       // station keys to correct, a tracked satellite gone
  QLabel* LblLocator = nullptr;        // the station's locator and name
  QWidget* rotor_ = nullptr;
  bool quiet_ = false;
};

}  // namespace rdz
