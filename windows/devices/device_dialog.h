#pragma once
#include <QDialog>
#include <optional>
#include <vector>

#include "core/ports/device.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace rdz {

// What the rotor and radio dialogs share: the library's models with a search
// box (every word of it in the entry, in any case), the port and the serial
// speed, OK and Cancel.
class DeviceDialog : public QDialog {
 public:
  // A model is chosen and the port is one word.
  bool Complete() const;
  // The chosen model (0: none), the port without blanks, the speed (0: the model's default).
  DeviceAddress Address() const;

  QLineEdit* Filter = nullptr;
  QListWidget* Models = nullptr;
  QLineEdit* Port = nullptr;
  QComboBox* Speed = nullptr;
  QDialogButtonBox* Buttons = nullptr;

 protected:
  // `current` selects its model (none: no model) and fills the port and speed.
  // The dialog adds its own rows to `Form`, then calls AddButtons and UpdateOk.
  DeviceDialog(const QString& title, const std::vector<DeviceModel>& models, const std::optional<DeviceAddress>& current,
               const QString& portHint, QWidget* parent);
  // OK while the fields are complete; runs whenever the model or the port changes.
  virtual void UpdateOk();
  // OK and Cancel, after the dialog's own fields (in the order Tab takes).
  void AddButtons();
  QDoubleSpinBox* Number(double low, double high, double value, int decimals);

  QFormLayout* Form = nullptr;

 private:
  QVBoxLayout* layout_ = nullptr;
};

}  // namespace rdz
