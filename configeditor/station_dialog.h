#pragma once
#include <QDialog>
#include <filesystem>

#include "config/settings.h"
#include "platform/message_box.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rdz {

// "Config -> Station...": the station's locator or latitude and longitude,
// its height and name. Typing a locator puts its centre in the latitude and
// longitude; typing a position puts its locator in the locator. OK checks
// every field, shows what is refused beside it and stays open; otherwise it
// writes the station lines of config.txt and closes.
class StationDialog final : public QDialog {
 public:
  StationDialog(const Settings& current, std::filesystem::path programDir, MessageBox& messages,
                QWidget* parent = nullptr);

  // OK: true when the station was written.
  bool Save();

  QLineEdit* TxtLocator = nullptr;
  QLineEdit* TxtLatitude = nullptr;
  QLineEdit* TxtLongitude = nullptr;
  QLineEdit* TxtHeight = nullptr;
  QLineEdit* TxtName = nullptr;
  QLabel* LblLocatorRefused = nullptr;
  QLabel* LblLatitudeRefused = nullptr;
  QLabel* LblLongitudeRefused = nullptr;
  QLabel* LblHeightRefused = nullptr;
  QPushButton* CmdGps = nullptr;  // only where gpsd can be asked
  QDialogButtonBox* Buttons = nullptr;

 private:
  void LocatorEdited();
  void PositionEdited();

  std::filesystem::path programDir_;
  MessageBox& messages_;
};

}  // namespace rdz
