#pragma once
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/radio/passband.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rdz {

class PassbandBar;

// The radio row under the top band: the tracked satellite's transponders
// (CboTransponder), the Doppler line, its element age, and under them the
// offset's buttons and the passband.
class RadioPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit RadioPanel(QWidget* parent = nullptr);

  // `chosen` -1: none; no transponders: the box says where they come from.
  void ShowTransponders(const std::vector<std::string>& descriptions, int chosen);
  void ShowDoppler(const std::string& line);
  void ShowPassband(const std::optional<PassbandPlace>& place);
  void EnableOffsetButtons(bool remember, bool reset);
  // The tracked satellite's name and element age.
  void ShowSatelliteAge(const std::string& text);

 signals:
  void transponderChosen(int index);
  void rememberOffsetClicked();
  void resetOffsetClicked();
  void passbandMoved(double hz);  // satellite side

 private:
  QComboBox* CboTransponder = nullptr;
  QLabel* LblDoppler = nullptr;
  QLabel* LblSatAge = nullptr;
  QPushButton* CmdRememberOffset = nullptr;
  QPushButton* CmdResetOffset = nullptr;
  PassbandBar* BarPassband = nullptr;
};

}  // namespace rdz
