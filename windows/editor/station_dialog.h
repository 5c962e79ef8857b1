#pragma once
#include <QDialog>
#include <filesystem>

#include "core/settings/settings.h"
#include "core/ports/background_work.h"
#include "core/base/gps_position.h"
#include "core/ports/message_box.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rdz {

// "Config -> Station...": the station's locator or latitude and longitude,
// its height and name. Typing a locator puts its centre in the latitude and
// longitude; typing a position puts its locator in the locator. OK checks
// every field, shows what is refused beside it and stays open; otherwise it
// writes the station lines of config.txt and closes. With a GPS source,
// "From GPS" fills the position (and the height) from it, off this thread.
class StationDialog final : public QDialog {
 public:
  StationDialog(const Settings& current, std::filesystem::path programDir, MessageBox& messages,
                GpsSource gps = {}, BackgroundWork* background = nullptr, QWidget* parent = nullptr);

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
  QPushButton* CmdGps = nullptr;  // only with a GPS source
  QLabel* LblGps = nullptr;       // while asking, and why there is no fix
  QDialogButtonBox* Buttons = nullptr;

 private:
  void LocatorEdited();
  void PositionEdited();
  void AskGps();
  void TakeGps(const GpsReading& reading);

  std::filesystem::path programDir_;
  MessageBox& messages_;
  GpsSource gps_;
  BackgroundWork* background_;
};

}  // namespace rdz
