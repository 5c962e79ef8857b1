// The double-click on a row: the element box, then the AOS/LOS forecast in FrmAOSLOS.
#include <QComboBox>
#include <QLabel>

#include "forecast/element_box.h"
#include "forecastwindow/frm_aoslos.h"
#include "mainwindow/frm_track.h"
#include "mainwindow/row_double_click_filter.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

// The forecast writes into the window while it exists; closing it stops the run.
class WindowOutput final : public ForecastOutput {
 public:
  WindowOutput(const QPointer<FrmAOSLOS>& window, const bool& stop, EventLoop& events)
      : window_(window), stop_(stop), events_(events) {}
  void Append(const std::string& piece) override {
    if (window_) window_->Append(piece);
  }
  bool LetPendingEventsRun() override {
    events_.LetPendingEventsRun();
    return window_ && !stop_;
  }

 private:
  const QPointer<FrmAOSLOS>& window_;
  const bool& stop_;
  EventLoop& events_;
};

}  // namespace

void FrmTrack::ConnectForecast() {
  std::vector<QObject*> rows(LblSat.begin(), LblSat.end());
  new RowDoubleClickFilter(std::move(rows), [this](int index) { LblSatDblClick(index); }, this);
}

void FrmTrack::LblSatDblClick(int index) {
  ShowSatelliteElements(index);
  // An empty row has no elements to propagate: the live table keeps running.
  if (index + 1 > state_.SatCount) return;
  forecast_.ForecastSat = index;
  OpenAOSLOS();
}

void FrmTrack::ShowSatelliteElements(int row) {
  if (const auto text = SatelliteElementsText(state_.Elements, row)) services_.messages.Show(*text);
}

void FrmTrack::OpenAOSLOS() {
  if (forecastRunning_) {
    // Called from a yield of the running forecast: it stops there, and the
    // outer call below starts the new one in the same window.
    forecastRestart_ = true;
    forecastStop_ = true;
    return;
  }
  do {
    forecastRestart_ = false;
    if (state_.TimeStep == 0) {
      // A difference that is not a usable number gives no forecast.
      const auto hours = qt::ReadUserNumber(TxtUtc->currentText());
      if (!hours || !UtcDifferenceSeconds(*hours)) return;
      forecast_.ForecastUtcDiff = *hours;
    } else {
      // While simulating, the list starts at the simulated instant shown.
      forecast_.ForecastUtcDiff = state_.SimUtcDiff;
    }
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    state_.TimeStep = kForecastStep;
    LoadAOSLOS();
  } while (forecastRestart_);
  services_.events.LetPendingEventsRun();
}

void FrmTrack::LoadAOSLOS() {
  if (!aoslos_) {
    aoslos_ = new FrmAOSLOS(this);
    aoslos_->OnClosed([this] {
      aoslos_ = nullptr;
      forecastStop_ = true;
      forecastRestart_ = false;
    });
  }
  aoslos_->Load(state_.Elements[forecast_.ForecastSat + 1].Name);
  forecastRunning_ = true;
  forecastStop_ = false;
  WindowOutput output(aoslos_, forecastStop_, services_.events);
  ComputeAOSLOS(state_, forecast_, services_.programDir, services_.clock, output);
  forecastRunning_ = false;
  Timer1.SetEnabled(true);
  Timer3.SetEnabled(false);
  state_.TimeStep = 0;
  services_.events.LetPendingEventsRun();
}

}  // namespace rdz
