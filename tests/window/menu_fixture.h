#pragma once
#include <QAction>
#include <string>
#include <vector>

#include "window/window_fixture.h"

namespace rdz::test {

struct ShownBox {
  std::string text;
  std::string title;
  MessageIcon icon;
  bool operator==(const ShownBox&) const = default;
};

// Keeps title and icon too: the menu boxes differ by both.
struct RecordingMessageBox final : MessageBox {
  std::vector<ShownBox> boxes;
  void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
    boxes.push_back({text, title, icon});
  }
};

class MenuWindowTest : public WindowTest {
 protected:
  void MakeMenuForm(InternetLibrary* internet = nullptr) {
    const Services services{clock, boxes, sound, events, dir.path(), internet};
    form = std::make_unique<FrmTrack>(state, services);
    form->Timer1.SetEnabled(false);
  }
  RecordingMessageBox boxes;
};

}  // namespace rdz::test
