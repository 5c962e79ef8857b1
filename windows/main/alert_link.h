#pragma once
#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/alert_config.h"
#include "core/load/tracker_state.h"
#include "core/passes/alert_schedule.h"
#include "core/base/program_runner.h"
#include "core/ports/services.h"

class QLabel;
class QMessageBox;

namespace rdz {

class FrmTrack;

// The alerts of config.txt's satellites behind the main window: at each clock
// tick the alerts due are shown as desktop notifications (a box where the
// desktop has none), sounded when asked, and handed to ALERTCOMMAND, whose
// failures the status line shows. Nothing here waits for the program.
class AlertLink final : public QObject {
 public:
  AlertLink(FrmTrack& window, TrackerState& state, const Services& services);
  ~AlertLink() override;

  void Tick();
  // The alerts given so far, as ALERTCOMMAND gets them, one line each.
  const std::vector<std::string>& Given() const { return given_; }
  // A pass search for the alerts is under way in the background.
  bool Searching() const { return watch_ && watch_->Searching(); }
  QLabel* Status = nullptr;  // the last failure of ALERTCOMMAND, else empty
  QPointer<QMessageBox> Box;  // the box in place of a notification, while open

 private:
  void Show(const Alert& alert);
  void ShowBox(const std::string& summary, const std::string& body);
  void ShowFailure(const std::string& text);

  FrmTrack& window_;
  TrackerState& state_;
  Services services_;
  std::unique_ptr<Notifier> ownNotifier_;
  std::unique_ptr<AlertWatch> watch_;
  // What the watch was made for: the table's models, the alert keys, the station.
  const void* models_ = nullptr;
  AlertConfig config_;
  Observer station_;
  HorizonMask horizon_;
  std::vector<std::string> given_;
  std::unique_ptr<ProgramRunner> runner_;
};

}  // namespace rdz
