#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/device_model.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QString;
class QWidget;

namespace rdz {

// What the rotor and radio dialogs share: the library's models with a search
// box, the port and the serial speed.
struct ConnectionFields {
  QLineEdit* filter = nullptr;
  QListWidget* models = nullptr;
  QLineEdit* port = nullptr;
  QComboBox* speed = nullptr;

  // `changed` runs whenever the model or the port changes.
  static ConnectionFields Make(QWidget* parent, const std::vector<DeviceModel>& models,
                               std::optional<int> currentModel, const std::string& port, int speed,
                               const QString& portHint, std::function<void()> changed);
  // A model is chosen and the port is one word.
  bool Complete() const;
  int Model() const;         // 0 when none is chosen
  std::string Port() const;  // blanks trimmed
  int Speed() const;         // 0: the model's default
};

}  // namespace rdz
