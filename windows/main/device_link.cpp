#include "windows/main/device_link.h"

#include <QLabel>
#include <QStatusBar>

#include "windows/main/frm_track.h"

namespace rdz {

namespace {

constexpr int kPollMs = 250;

}  // namespace

DeviceLink::DeviceLink(FrmTrack& window, TrackerState& state, const Services& services, std::string device)
    : QObject(&window), window_(window), state_(state), services_(services), device_(std::move(device)) {
  QObject::connect(&Timer, &QTimer::timeout, this, [this] { Tick(); });
}

QWidget* DeviceLink::Window() const { return &window_; }

void DeviceLink::Saved(const WriteOutcome& saved) {
  if (saved.ok) return;
  services_.messages.Show("The " + device_ + " could not be saved in config.txt (" + saved.reason +
                              "); it is used until the program ends.",
                          "RodeDizevad");
}

std::function<void()> DeviceLink::Notify() {
  return [this] { QMetaObject::invokeMethod(this, [this] { Tick(); }, Qt::QueuedConnection); };
}

void DeviceLink::StartPolling() { Timer.start(kPollMs); }

void DeviceLink::ShowStatusLine(const std::string& text, bool trouble) {
  if (!Status) {
    Status = new QLabel(&window_);
    window_.statusBar()->addWidget(Status, 1);
  }
  Status->setText(QString::fromStdString(text));
  Status->setToolTip(Status->text());  // the bar cuts long reasons
  Status->setStyleSheet(trouble ? QStringLiteral("color: #c00000") : QString());
}

}  // namespace rdz
