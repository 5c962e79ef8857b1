#pragma once
#include <optional>
#include <string>

#include "core/forecast/compute_aoslos.h"
#include "core/load/tracker_state.h"

namespace rdz {

// What a forecast reads from and changes in the main window and FrmAOSLOS.
class ForecastView {
 public:
  virtual ~ForecastView() = default;
  // TxtUtc in hours; nothing when it holds no number.
  virtual std::optional<double> UtcDifference() const = 0;
  // Timer1, Timer3.
  virtual void EnableClockTimer(bool on) = 0;
  virtual void EnableSimulationTimer(bool on) = 0;
  // FrmAOSLOS: opened if it is closed, then loaded with the satellite's title
  // (the text starts again); closing it calls ForecastSession::WindowClosed.
  virtual void LoadForecastWindow(const std::string& name) = 0;
  virtual bool ForecastWindowOpen() const = 0;
  virtual void AppendForecast(const std::string& piece) = 0;
  virtual void LetPendingEventsRun() = 0;
};

// The forecast entry OpenAOSLOS and the run in FrmAOSLOS. Pending events run
// while the list grows, so a double-click may come in during a run: it stops
// that run and starts the new one in the same window; closing the window stops it.
class ForecastSession {
 public:
  ForecastSession(TrackerState& state, Clock& clock, ForecastView& view)
      : state_(state), clock_(clock), view_(view) {}

  // The forecast of the satellite in `row` (0..59); a row without one does nothing.
  void Open(int row);
  // The user closed FrmAOSLOS.
  void WindowClosed();
  bool Running() const { return running_; }
  const ForecastState& Forecast() const { return forecast_; }

 private:
  void Run();

  TrackerState& state_;
  Clock& clock_;
  ForecastView& view_;
  ForecastState forecast_;
  bool running_ = false;
  bool stop_ = false;     // the running forecast ends at its next yield
  bool restart_ = false;  // and a new one starts in the same window
};

}  // namespace rdz
