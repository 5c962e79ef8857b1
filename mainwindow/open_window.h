#pragma once
#include <QWidget>

namespace rdz {

// The one open instance of a window the owner created, or null. Closed windows
// are deleted later and are hidden until then, so only a shown one counts.
template <class Window>
Window* OpenWindow(QWidget* owner) {
  for (Window* w : owner->findChildren<Window*>(Qt::FindDirectChildrenOnly)) {
    if (w->isVisible()) return w;
  }
  return nullptr;
}

// Not modal: the main window goes on ticking.
inline void ShowModeless(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace rdz
