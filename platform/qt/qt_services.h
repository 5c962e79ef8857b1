#pragma once
#include <QColor>
#include <QPalette>
#include <QWidget>

#include "core/ports/clock.h"
#include "core/base/colour.h"
#include "core/ports/event_loop.h"
#include "core/ports/message_box.h"
#include "core/ports/sound.h"

namespace rdz::qt {

class QtClock final : public rdz::Clock {
 public:
  CivilTime Now() override;
};

class QtEventLoop final : public rdz::EventLoop {
 public:
  void LetPendingEventsRun() override;
};

class QtMessageBox final : public rdz::MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Show(const std::string& text, const std::string& title, MessageIcon icon) override;
  int Ask(const std::string& text, const std::string& title, const std::vector<std::string>& choices) override;

 private:
  QWidget* parent_;
};

// The desktop's bell; silent where there is none.
class QtSound final : public rdz::Sound {
 public:
  void PlayClosingSound() override;
};

// System colours are resolved against the given palette.
QColor ToQColor(Colour colour, const QPalette& palette);

}  // namespace rdz::qt
