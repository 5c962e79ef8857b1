#include "windows/sky/frm_sky.h"

#include <QPainter>

namespace rdz {

FrmSky::FrmSky(TrackerState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Sky"));
  resize(520, 560);
  setMinimumSize(240, 260);
}

void FrmSky::Redraw(int sat) {
  const int count = static_cast<int>(state_.Models.size());
  if (!state_.Time.Utc || count == 0) return;
  if (sat < 1 || sat > count) sat = 1;
  scene_ = passes_.Scene(state_.Elements[sat].Name, state_.Models[static_cast<std::size_t>(sat - 1)],
                         state_.Station, *state_.Time.Utc, state_.Config->horizon);
  hasScene_ = true;
  update();
}

void FrmSky::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!hasScene_) {
    painter.fillRect(rect(), skycolour::kBackground);
    return;
  }
  painter_.Paint(painter, size(), scene_);
}

}  // namespace rdz
