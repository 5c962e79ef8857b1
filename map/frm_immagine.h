#pragma once
#include <QWidget>
#include <array>

#include "orbit/live_table.h"
#include "orbit/tracker_state.h"

class QLabel;
class QPushButton;

namespace rdz {

// The world map with a marker and, below it, satellite 1 of the element table
// as the live table last computed it.
class FrmImmagine final : public QWidget {
  Q_OBJECT

 public:
  explicit FrmImmagine(TrackerState& state, QWidget* parent = nullptr);

  // Load: the map at its scale, the window around it, the marker at the centre.
  void Load();
  // The live table's pass for satellite 1 (only called while the window is shown).
  void LiveUpdate(const MapFields& fields);
  // Puts the marker's centre on SubSatLat, SubSatLon.
  void Command1Click();

  QLabel* Image1 = nullptr;
  QWidget* Picture1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* LblSatName = nullptr;
  QLabel* Label17 = nullptr;
  QLabel* LblAZ = nullptr;
  QLabel* Label18 = nullptr;
  QLabel* LblEL = nullptr;
  QLabel* Label19 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* LblLAT = nullptr;
  QLabel* LblLON = nullptr;
  std::array<QLabel*, 4> Label7to10{};   // Label7, Label8, Label9, Label10
  std::array<QLabel*, 5> Label11to15{};  // Label11 .. Label15

 private:
  void CreateControls();
  QLabel* MakeLabel(const char* caption, int left, int top, int width, int height);
  int Twips(int twips) const;

  TrackerState& state_;
};

}  // namespace rdz
