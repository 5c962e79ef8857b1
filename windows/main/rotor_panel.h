#pragma once
#include <QWidget>
#include <string>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rdz {

class TrackingPicture;

// "MAP", "Sky" and "PARK ANTENNA" with the tracker's off switch Option1(60)
// and its status under them, the picture ImgAZEL, and Frame1 with the values
// LblAZ and LblEL handed to the rotor.
class RotorPanel final : public QWidget {
  Q_OBJECT

 public:
  // `trackerOff` is Option1(60), a member of the table's button group; this panel places and captions it.
  RotorPanel(QRadioButton* trackerOff, QWidget* parent = nullptr);

  void ShowPosition(const std::string& az, const std::string& el);
  std::string Azimuth() const;
  void ShowTrackingPicture(bool visible);
  void ShowTrackerStatus(const std::string& caption);
  std::string TrackerStatus() const;
  // Dark red and bold while the rotor follows the satellite.
  void SetTrackerHighlight(bool on);

 signals:
  void mapClicked();
  void skyClicked();
  void parkClicked();

 private:
  QPushButton* Command1 = nullptr;
  QPushButton* CmdSky = nullptr;
  QPushButton* CmdRotor = nullptr;
  QRadioButton* Option1Off = nullptr;  // Option1(60)
  TrackingPicture* ImgAZEL = nullptr;
  QFrame* Frame1 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* LblAZ = nullptr;
  QLabel* LblEL = nullptr;
};

}  // namespace rdz
