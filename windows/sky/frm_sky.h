#pragma once
#include <QWidget>

#include "core/map/scene.h"
#include "core/load/tracker_state.h"
#include "windows/sky/sky_picture.h"

namespace rdz {

// The sky at the station for one satellite: a polar plot with its current
// position and its current or next pass.
class FrmSky final : public QWidget {
  Q_OBJECT

 public:
  explicit FrmSky(TrackerState& state, QWidget* parent = nullptr);

  // Satellite `sat` (from 1; 0 or out of range: satellite 1) at the table's
  // instant. Nothing changes before the first clock tick or with an empty table.
  void Redraw(int sat);
  const SkyPainter& Painter() const { return painter_; }
  const SkyScene& Scene() const { return scene_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TrackerState& state_;
  SkyPassCache passes_;
  SkyScene scene_;
  bool hasScene_ = false;
  SkyPainter painter_;
};

}  // namespace rdz
