#pragma once
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/table/live_table.h"
#include "core/load/tracker_state.h"
#include "windows/map/map_picture.h"
#include "core/ports/background_work.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rdz {

// The live world map and, below it, the tracked satellite (satellite 1 when
// none is) as the live table last computed it. The map scales with the
// window, keeping its proportions; the rows under it keep their place.
class FrmImmagine final : public QWidget {
  Q_OBJECT

 public:
  explicit FrmImmagine(TrackerState& state, QWidget* parent = nullptr);
  // Where the element file lies, for the "whole file" choice.
  void SetProgramDir(std::filesystem::path dir) { programDir_ = std::move(dir); }
  // Where the whole file's sets are propagated; none: on the calling thread.
  void SetBackground(BackgroundWork* background) { background_ = background; }

  // Load: the map at its scale, the window around it, the marker at the centre.
  void Load();
  // The live table's pass for the tracked satellite (only called while the window is shown).
  void LiveUpdate(const MapFields& fields);
  // Puts the marker's centre on SubSatLat, SubSatLon.
  void Command1Click();
  // Draws the map at the table's instant with satellite `sat` (from 1; 0 or
  // out of range: satellite 1) selected.
  void Redraw(int sat);
  const MapPainter& Painter() const { return painter_; }
  const MapScene& Scene() const { return scene_; }

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
  QComboBox* CboSets = nullptr;  // "table" or "whole file"
  // The whole file's sets are read on a thread of their own.
  bool Loading() const { return loading_; }
  // The whole file's markers are being computed on another thread.
  bool Drawing() const { return drawing_; }

 private:
  void CreateControls();
  QLabel* MakeLabel(const char* name, const char* caption);
  void FitMap();
  void PlaceMarker();
  int Twips(int twips) const;
  void ShowPicture();

  void SetsChosen(int index);
  struct FileSets;
  struct FileScene;
  void DrawFileSets(int sat);
  void FileSetsDrawn(const FileScene& done);

  TrackerState& state_;
  std::shared_ptr<const FileSets> fileSets_;  // the whole file, when chosen
  bool loading_ = false;
  BackgroundWork* background_ = nullptr;
  bool drawing_ = false;
  bool drawAgain_ = false;  // a newer instant asked for while drawing
  std::filesystem::path programDir_;
  int lastSat_ = 1;
  MapPainter painter_;
  MapScene scene_;
  bool hasScene_ = false;
  bool loaded_ = false;
  QWidget* mapArea_ = nullptr;
  QPointF marker_;  // the marker's top left corner as a share of the map's width and height

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace rdz
