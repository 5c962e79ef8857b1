// The menu bar of the main window and the commands that reload or fetch element files.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>

#include "core/settings/personal_data.h"
#include "core/download/element_download.h"
#include "windows/main/frm_track.h"
#include "windows/main/menu_texts.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"
#include "platform/qt/qt_text.h"

namespace rdz {

void FrmTrack::CreateMenus() {
  QMenuBar* bar = menuBar();
  FrmTrackMenus& m = Menus;
  const auto item = [this](QMenu* menu, const char* caption, auto handler) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    QObject::connect(action, &QAction::triggered, this, handler);
    return action;
  };
  const auto box = [this](const char* text, const char* title) {
    return [this, text, title] { services_.messages.Show(text, title); };
  };
  elementCommands_ = std::make_unique<ElementCommands>(
      state_, *this,
      ElementCommands::Services{services_.messages, services_.events, services_.programDir,
                                services_.internet, services_.background},
      loader_);

  m.Mnu1 = bar->addMenu(QStringLiteral("&Menu"));
  m.MnuLoadFile = item(m.Mnu1, "AMSAT Kepler files         [amateur.txt]", [this] { MnuLoadFileClick(); });
  m.MnuLoadInternet = item(m.Mnu1, "AMSAT Kepler Internet  [internet link]",
                           [this] { MnuLoadInternetClick(); });
  m.MnuLoadFile1 = item(m.Mnu1, "AMSAT Kepler UDPATE  [amateur.txt]", [this] { MnuLoadFile1Click(); });
  const auto group = [this](const ElementDownload& d) { return [this, &d] { elementCommands_->Download(d); }; };
  m.MnuLoadGeoKepler = item(m.Mnu1, "GEO Kepler Internet", group(kGeoDownload));
  m.LoadGpsKepler = item(m.Mnu1, "GPS Kepler Internet", group(kGpsDownload));
  m.MnuMars = item(m.Mnu1, "Military Kepler Internet", group(kMilitaryDownload));
  m.MnuLeo = item(m.Mnu1, "LEO Kepler Internet", group(kLeoDownload));
  m.MnuShuttle = item(m.Mnu1, "SHUTTLE Kepler Internet", group(kShuttleDownload));
  m.MnuTransponders = item(m.Mnu1, "Transponders Internet", group(kTransmitterDownload));

  m.mnu3 = bar->addMenu(QStringLiteral("&Info"));
  m.MnuBloBla = item(m.mnu3, "Check BLON/BLAT", box(kSingleSatText, kAnnouncementTitle));
  m.MnuVelkClock = item(m.mnu3, "VelkAtomicClock", [this] { MnuVelkClockClick(); });
  m.MnuPasses = item(m.mnu3, "Passes", [this] { MnuPassesClick(); });
  m.MnuAlerts = item(m.mnu3, "Alerts...", [this] { MnuAlertsClick(); });

  m.MnuCfg = bar->addMenu(QStringLiteral("&Config"));
  m.MnuConfig = item(m.MnuCfg, "Personal Data Configuration", [this] { MnuConfigClick(); });
  m.MnuPersData = item(m.MnuCfg, "Check Personal data", [this] {
    services_.messages.Show(PersonalDataText(state_.Station), kPersonalDataTitle);
  });
  m.MnuStation = item(m.MnuCfg, "Station...", [this] { MnuStationClick(); });

  m.mnuTrk = bar->addMenu(QStringLiteral("&Tracker"));
  // The check mark shows the rotor in use; the choice is kept in config.txt.
  m.KV250_1 = item(m.mnuTrk, "KV250 LPT1", [this] { Rotors->Use({}, true); });
  m.KV250_2 = item(m.mnuTrk, "KV250 LPT2", [this] { Rotors->Use({RotorChoice{false, 2, {}}, {}}, true); });
  m.TrkOther = item(m.mnuTrk, "Other", [this] { Rotors->ChooseOther(); });
  for (QAction* a : {m.KV250_1, m.KV250_2, m.TrkOther}) a->setCheckable(true);
  m.KV250_1->setChecked(true);
  m.mnuTrk->addSeparator();
  m.TrkRadio = item(m.mnuTrk, "Radio", [this] { Radios->Choose(); });
  m.TrkRadio->setCheckable(true);
  m.TrkTransponders = item(m.mnuTrk, "Transponders...", [this] { ChooseTransponders(); });
  m.mnuTrk->addSeparator();
  m.TrkSun = item(m.mnuTrk, "Sun", [this] { FollowBody(SkyBody::Sun); });
  m.TrkMoon = item(m.mnuTrk, "Moon", [this] { FollowBody(SkyBody::Moon); });
  for (QAction* a : {m.TrkSun, m.TrkMoon}) a->setCheckable(true);

  // "?" is a command of its own in the bar, without a submenu.
  m.MnuInfo = bar->addAction(QStringLiteral("&?"));
  QObject::connect(m.MnuInfo, &QAction::triggered, this,
                   [this] { services_.messages.Show(InformationText(services_.programDir), kProgramName); });
}

std::vector<QAction*> FrmTrack::ElementMenuItems() const {
  const FrmTrackMenus& m = Menus;
  return {m.MnuLoadFile, m.MnuLoadInternet, m.MnuLoadFile1, m.MnuLoadGeoKepler,
          m.LoadGpsKepler, m.MnuMars, m.MnuLeo, m.MnuShuttle, m.MnuTransponders};
}

void FrmTrack::MnuLoadFileClick() { elementCommands_->Reload(); }

void FrmTrack::MnuLoadInternetClick() { elementCommands_->Download(kNewFileDownload); }

void FrmTrack::MnuLoadFile1Click() { elementCommands_->Download(kUpdateDownload); }

void FrmTrack::ShowDownloadRunning(const std::string& url) {
  for (QAction* a : ElementMenuItems()) a->setEnabled(false);
  // Not modal: the clocks and the table go on while the transfer runs.
  DownloadProgress = new QProgressDialog(qt::ToQString("Downloading from\n" + url),
                                         QStringLiteral("Cancel"), 0, 0, this);
  DownloadProgress->setWindowTitle(QString::fromLatin1(kProgramName));
  DownloadProgress->setWindowModality(Qt::NonModal);
  DownloadProgress->setAutoClose(false);
  DownloadProgress->setAutoReset(false);
  QObject::connect(DownloadProgress, &QProgressDialog::canceled, this,
                   [this] { elementCommands_->Cancel(); });
  DownloadProgress->show();
}

void FrmTrack::ShowDownloadEnded() {
  delete DownloadProgress;
  for (QAction* a : ElementMenuItems()) a->setEnabled(true);
}

}  // namespace rdz
