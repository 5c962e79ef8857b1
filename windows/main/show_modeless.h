#pragma once
#include <QWidget>

namespace rdz {

// Not modal: the main window goes on ticking.
inline void ShowModeless(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace rdz
