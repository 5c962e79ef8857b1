#pragma once
#include <QScreen>
#include <QWidget>
#include <QtGlobal>

namespace rdz::qt {

// A length given in twips (1/1440 inch) as pixels of the widget's screen.
inline int Twips(const QWidget* widget, int twips) {
  const QScreen* s = widget->screen();
  const double dpi = s != nullptr ? s->logicalDotsPerInchX() : 96.0;
  return qRound(twips * dpi / 1440.0);
}

}  // namespace rdz::qt
