#include "windows/main/passband_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/qt/qt_text.h"
#include "core/radio/doppler_line.h"

namespace rdz {

PassbandBar::PassbandBar(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setToolTip(QStringLiteral("Wheel or Left/Right: 100 Hz; with Ctrl 10 Hz, with Shift 1 kHz"));
}

void PassbandBar::Show(const std::optional<PassbandPlace>& place) {
  const bool same = place.has_value() == place_.has_value() &&
                    (!place || (place->downlink == place_->downlink && place->low == place_->low &&
                                place->high == place_->high));
  place_ = place;
  if (!same) update();
}

QString PassbandBar::Text() const {
  if (!place_) return {};
  std::string text = "DOWN " + MegahertzText(place_->downlink);
  if (place_->uplink) text += "  UP " + MegahertzText(*place_->uplink);
  if (!place_->inside) text += "  outside the passband";
  return qt::ToQString(text);
}

void PassbandBar::paintEvent(QPaintEvent*) {
  if (!place_) return;
  QPainter p(this);
  const QRect r = rect().adjusted(1, 1, -2, -2);
  const QColor ink = place_->inside ? palette().color(QPalette::WindowText) : QColor(0xc0, 0, 0);
  if (!place_->single) {
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(place_->inside ? QColor(0xd8, 0xe8, 0xd8) : QColor(0xf4, 0xd0, 0xd0));
    p.drawRect(r);
    const int x = r.left() + static_cast<int>(place_->fraction * r.width());
    p.setPen(QPen(ink, 2));
    p.drawLine(x, r.top(), x, r.bottom());
  }
  p.setPen(ink);
  p.drawText(r, Qt::AlignCenter, Text());
}

void PassbandBar::Step(int direction, Qt::KeyboardModifiers modifiers) {
  if (!place_ || place_->single || !Moved) return;
  Moved(direction * TuningStep(modifiers & Qt::ControlModifier, modifiers & Qt::ShiftModifier));
}

void PassbandBar::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  if (delta != 0) Step(delta > 0 ? 1 : -1, event->modifiers());
  event->accept();
}

void PassbandBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Up) {
    Step(1, event->modifiers());
  } else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Down) {
    Step(-1, event->modifiers());
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace rdz
