#pragma once
#include <optional>
#include <string>

#include "core/orbit/engine.h"
#include "core/orbit/orbit_model.h"
#include "core/base/colour.h"

namespace rdz {

inline constexpr const char* kStandardCaption = "RodeDizevad - beta release by Quorbel v0.05beta";

inline constexpr int kTableRows = 60;       // LblSat(0..59), Option1(0..59)
inline constexpr int kTrackerOffOption = 60; // Option1(60): track no satellite

inline constexpr Colour kUpBackground = Colour::Bgr(0xC0C0FF);       // light red
inline constexpr Colour kUpText = Colour::Bgr(0x0000C0);             // dark red
inline constexpr Colour kTrackedBackground = Colour::Bgr(0x80FF80);  // light green

struct RowColours {
  Colour background = kButtonFace;
  Colour text = kButtonText;
  friend bool operator==(const RowColours&, const RowColours&) = default;
};

// Satellite 1 as the world map shows it: the row's 4-character AZ, EL, LA and
// LO fields, blanks included, and the entry's name.
struct MapFields {
  std::string az, el, la, lo, name;
};

// What one live-table pass reads from and writes to the main window.
class LiveTableView {
 public:
  virtual ~LiveTableView() = default;
  // Index of the Option1 button that is set (0..59 a row, 60 tracking off), -1 for none.
  virtual int SelectedOption() const = 0;
  // LblSat(row): text and colours.
  virtual void ShowRow(int row, const std::string& text, RowColours colours) = 0;
  // LblAZ and LblEL: where the tracked satellite stands, or "StBy".
  virtual void ShowRotorPosition(const std::string& az, const std::string& el) = 0;
  virtual void ShowTitle(const std::string& caption) = 0;
  // ImgAZEL.
  virtual void ShowTrackingPicture(bool visible) = 0;
  // The map window's live labels; nothing happens while that window is not shown.
  virtual void UpdateMap(const MapFields& fields) = 0;
};

// One pass of the live table at `utc`: rows 0..min(models, 60)-1, and for the
// selected row the rotor labels, title and tracking picture. Rows
// beyond the loaded satellites are left alone. A satellite that cannot be
// computed shows its name and the failure marker and counts as below the
// horizon; the pass goes on.
void RefreshLiveTable(const ElementTable& elements, const OrbitModels& models,
                      const Observer& station, const CivilTime& utc, LiveTableView& view);

}  // namespace rdz
