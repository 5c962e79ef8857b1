#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/download/element_commands.h"
#include "windows/main/frm_track_menus.h"
#include "windows/main/status_panel.h"
#include "core/forecast/forecast_session.h"
#include "windows/forecast/frm_aoslos.h"
#include "core/load/element_loader.h"
#include "core/table/live_table.h"
#include "core/table/satellite_id.h"
#include "core/orbit/sun_moon.h"
#include "core/load/tracker_state.h"
#include "platform/qt/qt_file_watch.h"
#include "platform/qt/qt_timer.h"
#include "core/ports/services.h"
#include "core/radio/transmitter_list.h"
#include "core/radio/transponder_choice.h"
#include "core/rotor/tracking_controller.h"
#include "core/simulation/simulation_controller.h"

class QDialog;
class QGridLayout;
class QProgressDialog;

namespace rdz {

class AlertLink;
class ClockPanel;
class LiveTablePanel;
class RadioPanel;
class RotorPanel;
class SimulationPanel;
class AlertsDialog;
class FrmConfig;
class FrmImmagine;
class FrmPasses;
class RigLink;
class RotorLink;
class FrmSky;

// The main window, a composition of panels: clocks and UTC difference,
// time-simulation buttons, rotor display and buttons in the top band; the
// radio row; the live table of up to 60 satellites with their option
// buttons; the status bar. The panels keep their controls to themselves;
// this window wires their signals to the handlers below.
class FrmTrack final : public QMainWindow,
                       public LiveTableView,
                       public TrackingView,
                       public ClockView,
                       public ForecastView,
                       public ElementCommandView {
  Q_OBJECT

 public:
  using ElementLoader =
      std::function<LoadOutcome(const std::filesystem::path& programDir, TrackerState& state)>;

  FrmTrack(TrackerState& state, const Services& services, ElementLoader loader = &LoadElements,
           QWidget* parent = nullptr);
  ~FrmTrack() override;

  // Start-up: size and caption, a first clock tick, show, load, refresh.
  void Load();
  // Timer1: PC clock, UTC from the difference in TxtUtc, live table.
  void Timer1Tick();
  void RefreshLiveTable() override;
  // Blanks every row before the element file is read again.
  void UpdateFile();
  // "MAP": opens the world map window once that window exists.
  void Command1Click();
  // "Sky": opens the sky view of the tracked satellite (satellite 1 when none is).
  void CmdSkyClick();
  // Menu commands: reload amateur.txt, download to amateur1.txt, download and
  // update amateur.txt, open the configuration editor.
  void MnuLoadFileClick();
  void MnuLoadInternetClick();
  void MnuLoadFile1Click();
  void MnuConfigClick();
  // "Station..." in "Config": the station dialog; what it writes is in use at once.
  void MnuStationClick();
  // "Passes" in "Info": the pass list of every satellite.
  void MnuPassesClick();
  FrmPasses* PassesWindow() const;
  // "VelkAtomicClock": checks the PC clock against a time server, off this thread.
  void MnuVelkClockClick();
  // True while transmitters.json is being read in the background.
  bool TransmittersReading() const { return transmitterTaken_ != transmitterReads_; }
  // True from the start of a download until its result is shown and loaded.
  bool DownloadRunning() const { return elementCommands_->Busy(); }
  // Double-click on LblSat(index): the element box, then the forecast.
  void LblSatDblClick(int index);
  void ShowSatelliteElements(int row);
  // The forecast window while it is open, else null.
  FrmAOSLOS* AOSLOSWindow() const { return aoslos_; }
  // Time simulation: "=", ">", ">>", "<", "<<", "STOP", and its tick.
  void CmdStopClick(int index);
  void Timer3Tick();

  // Option1(60) while the rotor follows the satellite (on), or not (off).
  void SetTrackerOffHighlight(bool on);
  // Option1(60) names the rotor in use and the satellite selected.
  void ShowTrackerCaption();

  // A length given in twips (1/1440 inch) as pixels of this screen.
  int Twips(int twips) const;
  // LblSat(row)'s text, and Option1(option) clicked as the user does.
  std::string RowText(int row) const;
  void ClickOption(int option);

  // The satellite the user chose for tracking, as its entry in the table, or
  // 0 when none is tracked: the one answer for the rotor, the radio, the map,
  // the sky view, the transponders and the pass list.
  int TrackedSatellite() const;
  // "Tracker -> Sun" / "Tracker -> Moon": the rotor follows the body instead
  // of a satellite until a satellite, tracking off or the park is chosen.
  void FollowBody(SkyBody body);
  std::optional<SkyBody> TrackedBody() const { return trackedBody_; }
  // "Info -> Alerts...": the alerts dialog, not modal; OK writes config.txt.
  void MnuAlertsClick();
  // config.txt is read again (the program wrote it, or it changed on disk)
  // and whatever changed in it is taken into use at once.
  void SettingsChanged();
  void AddToTable(std::uint32_t catalog, const std::string& fullName);

  // LiveTableView: the tracked satellite's row, 60 for tracking off.
  int SelectedOption() const override;
  void ShowRow(int row, const std::string& text, RowColours colours) override;
  void ShowRotorPosition(const std::string& az, const std::string& el) override;
  void ShowTitle(const std::string& caption) override;
  void ShowTrackingPicture(bool visible) override;
  void UpdateMap(const MapFields& fields) override;

  // Rotor: satellite selection and "PARK ANTENNA".
  void Option1Click(int index);
  void CmdRotorClick();

  // TrackingView (the rest is shared with LiveTableView)
  void ShowTrackerStatus(const std::string& caption) override;
  bool SelectTrackerOff() override;

  // ClockView (RefreshLiveTable above)
  std::optional<double> UtcDifference() const override;
  void ShowUtcDifference(const std::string& hours) override;
  void ShowPcTime(const CivilTime& local) override;
  void ShowUtc(const CivilTime& utc) override;
  void ShowUtcInvalid() override;
  void ShowSimulated(bool simulated) override;
  void EnableClockTimer(bool on) override;
  bool SimulationTimerEnabled() const override;
  void EnableSimulationTimer(bool on) override;
  void SetSimulationInterval(int milliseconds) override;
  void LetPendingEventsRun() override;

  // ForecastView (the timers and events above)
  void LoadForecastWindow(const std::string& name) override;
  bool ForecastWindowOpen() const override;
  void AppendForecast(const std::string& piece) override;

  // ElementCommandView
  void BlankTable() override { UpdateFile(); }
  void RefreshTable() override { RefreshLiveTable(); }
  void ShowDownloadRunning(const std::string& url) override;
  void ShowDownloadEnded() override;
  void TransmittersChanged() override;

  // The radio row: the transponder picked in CboTransponder.
  void CboTransponderClick(int index);
  // "Tracker -> Transponders...": the tracked satellite's own lines edited in a dialog.
  void ChooseTransponders();

  // Not widgets: the timers, the menu bar's entries, the device links and the
  // transponder choice, which the links read.
  qt::QtTimer Timer1{1000, true};
  qt::QtTimer Timer3{1, false};
  FrmTrackMenus Menus;
  QPointer<QProgressDialog> DownloadProgress;  // while a download runs, with its Cancel button
  // The rotor in use (KV250 on LPT1/LPT2 or Hamlib) and its status line.
  RotorLink* Rotors = nullptr;
  // The radio kept on the chosen transponder, and its status line.
  RigLink* Radios = nullptr;
  // The selected satellite's transponders, the one worked, for the Doppler line and the rig.
  TransponderChoice Transponders;
  AlertLink* Alerts = nullptr;  // notifications before and at AOS and LOS
  // Where the device links put their status lines (hides QMainWindow's own bar).
  StatusPanel* statusBar() const { return status_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreatePanels();
  void ArrangeBand();
  void ConnectPanels();
  // Transponders: the list read again after a load or a download, the choice
  // refilled when the selection, the list or config.txt changes.
  void ReadTransmitters();
  void FillTransponders(int satellite);
  void ShowDoppler();
  void CreateMenus();
  // The caption as the table and the rotor set it, marked in simulated time.
  void ShowCaption();
  // The map's row: the tracked satellite's row of the table, else satellite 1's.
  void ShowMapRow();
  void LoadAOSLOS();
  void ShowElementStatus();
  // After a load: the tracked satellite's option button in its new row, or
  // tracking off when it is gone.
  void FollowTrackedSatellite();
  // Option1(option) was set: the satellite in that row is the one tracked.
  void ChooseSatellite(int option);
  void ShowSettingsStatus();
  void ShowStation();
  void StopFollowingBody();
  void ShowBodyChecks();
  void ShowBodyPosition();
  std::vector<QAction*> ElementMenuItems() const;

  TrackerState& state_;
  Services services_;
  ElementLoader loader_;
  std::unique_ptr<ElementCommands> elementCommands_;
  ForecastSession forecast_;
  QPointer<FrmAOSLOS> aoslos_;
  // One instance each; a closed one is deleted, which clears its pointer.
  QPointer<FrmImmagine> map_;
  QPointer<FrmSky> sky_;
  QPointer<FrmConfig> configEditor_;
  QPointer<QDialog> stationDialog_;
  QPointer<FrmPasses> passes_;
  std::optional<SatelliteId> tracked_;  // chosen by the user, found again after each load
  std::optional<SkyBody> trackedBody_;  // the Sun or the Moon, when the rotor follows one
  QPointer<AlertsDialog> alertsDialog_;
  std::string trackingNote_;            // why tracking stopped by itself
  std::unique_ptr<qt::QtFileWatch> settingsWatch_;
  bool clockCheckRunning_ = false;
  std::string caption_ = kStandardCaption;  // as the table and the rotor last set it
  bool simulated_ = false;
  TransmitterList transmitters_;
  bool transpondersStale_ = true;
  int transmitterReads_ = 0;  // only the newest read of transmitters.json is taken
  int transmitterTaken_ = 0;
  ClockPanel* clocks_ = nullptr;
  SimulationPanel* simulation_ = nullptr;
  RotorPanel* rotor_ = nullptr;
  LiveTablePanel* table_ = nullptr;
  RadioPanel* radio_ = nullptr;
  StatusPanel* status_ = nullptr;
  QGridLayout* band_ = nullptr;
  std::optional<bool> bandWrapped_;  // the rotor's panel on a line of its own
};

}  // namespace rdz
