#pragma once
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "core/base/atomic_file.h"
#include "core/device/device_connection.h"
#include "core/load/tracker_state.h"
#include "core/ports/services.h"

class QLabel;

namespace rdz {

class FrmTrack;

// What the rotor and the radio behind the main window share: the timer that
// polls the device, its answers taken on this thread, its line in the status
// bar, its dialog, and its choice saved in config.txt.
class DeviceLink : public QObject {
 public:
  // Takes the device's answers and looks at the tracked satellite.
  virtual void Tick() = 0;

  QTimer Timer;              // polls the device four times a second
  QLabel* Status = nullptr;  // what the device does, or why it does not

 protected:
  // `device` names it in messages: "rotor" or "radio".
  DeviceLink(FrmTrack& window, TrackerState& state, const Services& services, std::string device);

  // Says so when the device could not be saved; it is used all the same.
  void Saved(const WriteOutcome& saved);
  // The model's name as the library gives it, else "Rotor N" or "Radio N".
  template <class Device>
  std::string NameOf(DeviceLibrary<Device>* library, int model) const {
    const std::string name = library ? library->ModelName(model) : "";
    if (!name.empty()) return name;
    return static_cast<char>(std::toupper(device_[0])) + device_.substr(1) + " " + std::to_string(model);
  }
  // For the driver: runs on the device's thread, and a tick follows on this one.
  std::function<void()> Notify();
  // Starts polling.
  void StartPolling();
  // The status line, in red for trouble.
  void ShowStatusLine(const std::string& text, bool trouble);

  // The device's dialog, not modal, unless one is open already; `accepted`
  // and `rejected` run when it closes.
  template <class Dialog, class Device, class Config>
  void OpenDialog(QPointer<Dialog>& dialog, DeviceLibrary<Device>* library, const Config& config,
                  std::function<void()> accepted, std::function<void()> rejected) {
    if (dialog) {
      dialog->raise();
      return;
    }
    dialog = new Dialog(library ? library->Models() : std::vector<DeviceModel>{}, config, Window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, this, std::move(accepted));
    QObject::connect(dialog, &QDialog::rejected, this, std::move(rejected));
    dialog->open();
  }

  FrmTrack& window_;
  TrackerState& state_;
  Services services_;
  const std::string device_;

 private:
  QWidget* Window() const;
};

}  // namespace rdz
