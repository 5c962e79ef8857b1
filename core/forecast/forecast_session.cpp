#include "core/forecast/forecast_session.h"

#include <memory>


namespace rdz {

namespace {

class ViewOutput final : public ForecastOutput {
 public:
  ViewOutput(ForecastView& view, const bool& stop) : view_(view), stop_(stop) {}
  void Append(const std::string& piece) override {
    if (view_.ForecastWindowOpen()) view_.AppendForecast(piece);
  }
  bool LetPendingEventsRun() override {
    view_.LetPendingEventsRun();
    return view_.ForecastWindowOpen() && !stop_;
  }

 private:
  ForecastView& view_;
  const bool& stop_;
};

}  // namespace

void ForecastSession::Open(int row) {
  if (row < 0 || row >= static_cast<int>(state_.Models.size())) return;
  forecast_.ForecastSat = row;
  if (running_) {
    // Called from a yield of the running forecast: it stops there, and the
    // outer call below starts the new one.
    restart_ = true;
    stop_ = true;
    return;
  }
  do {
    restart_ = false;
    TimeKeeping& time = state_.Time;
    if (time.TimeStep == 0) {
      // A difference that is not a usable number gives no forecast.
      const auto hours = view_.UtcDifference();
      if (!hours || !UtcDifferenceSeconds(*hours)) return;
      forecast_.ForecastUtcDiff = *hours;
    } else {
      // While simulating, the list starts at the simulated instant shown.
      forecast_.ForecastUtcDiff = time.SimUtcDiff;
    }
    view_.EnableClockTimer(false);
    time.TimeStep = kForecastStep;
    Run();
  } while (restart_);
  view_.LetPendingEventsRun();
}

void ForecastSession::WindowClosed() {
  // The run stops at its next yield, when it finds the window gone; no new one starts.
  restart_ = false;
}

void ForecastSession::Run() {
  const int n = forecast_.ForecastSat + 1;
  view_.LoadForecastWindow(state_.Elements[n].Name);
  // Its own reference: a reload while the list grows leaves this satellite alone.
  const std::shared_ptr<const OrbitModel> model = state_.Models[static_cast<std::size_t>(n - 1)];
  running_ = true;
  stop_ = false;
  ViewOutput output(view_, stop_);
  ComputeAOSLOS(*model, state_.Station, state_.Time.TimeStep, forecast_, clock_, output);
  running_ = false;
  view_.EnableClockTimer(true);
  view_.EnableSimulationTimer(false);
  state_.Time.TimeStep = 0;
  view_.LetPendingEventsRun();
}

}  // namespace rdz
