// The panels of the main window, where they stand and how their signals reach
// the handlers. Qt layouts place them: a larger window gives the table a
// larger font, a smaller one scrolls rather than cutting a control.
#include <QFrame>
#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "platform/qt/twips.h"
#include "windows/main/clock_panel.h"
#include "windows/main/frm_track.h"
#include "windows/main/live_table_panel.h"
#include "windows/main/radio_panel.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_panel.h"
#include "windows/main/simulation_panel.h"
#include "windows/main/status_panel.h"

namespace rdz {

int FrmTrack::Twips(int twips) const { return qt::Twips(this, twips); }

void FrmTrack::CreatePanels() {
  clocks_ = new ClockPanel;
  simulation_ = new SimulationPanel;
  table_ = new LiveTablePanel;
  rotor_ = new RotorPanel(table_->TrackerOffButton());
  radio_ = new RadioPanel;
  status_ = new StatusPanel;

  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(Twips(60), Twips(60), Twips(60), 0);
  band_ = new QGridLayout;
  band_->setHorizontalSpacing(Twips(180));
  band_->setColumnStretch(1, 1);
  column->addLayout(band_);
  ArrangeBand();
  column->addWidget(radio_);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  column->addWidget(line);
  column->addWidget(table_, 1);
  // The table scrolls first; below the band's own size the whole window does.
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("MainScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);

  auto* area = new QWidget(this);
  auto* outer = new QVBoxLayout(area);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  outer->addWidget(scroll, 1);
  auto* rule = new QFrame;
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  outer->addWidget(rule);
  outer->addWidget(status_);
  setCentralWidget(area);
}

void FrmTrack::ArrangeBand() {
  // One line when the window is wide enough, else the rotor's panel under the
  // clocks: a narrow window scrolls only below the band's narrowest.
  const int oneLine = clocks_->minimumSizeHint().width() + simulation_->minimumSizeHint().width() +
                      rotor_->minimumSizeHint().width() + 2 * band_->horizontalSpacing() + Twips(240);
  const bool wrap = width() < oneLine;
  if (bandWrapped_ && *bandWrapped_ == wrap) return;
  bandWrapped_ = wrap;
  for (QWidget* w : {static_cast<QWidget*>(clocks_), static_cast<QWidget*>(simulation_), static_cast<QWidget*>(rotor_)})
    band_->removeWidget(w);
  band_->addWidget(clocks_, 0, 0);
  band_->addWidget(simulation_, 0, 1, Qt::AlignCenter);
  if (wrap) {
    band_->addWidget(rotor_, 1, 0, 1, 2, Qt::AlignLeft);
  } else {
    band_->addWidget(rotor_, 0, 2, Qt::AlignRight);
  }
}

void FrmTrack::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ArrangeBand();
}

void FrmTrack::ConnectPanels() {
  Timer1.OnTick([this] { Timer1Tick(); });
  Timer3.OnTick([this] { Timer3Tick(); });
  // Only what the user does counts as typed; the window's own writes do not.
  connect(clocks_, &ClockPanel::utcDifferenceTyped, this, [this] { state_.Time.ZoneDifference.UserTyped(); });
  connect(simulation_, &SimulationPanel::stopClicked, this, [this](int index) { CmdStopClick(index); });
  connect(rotor_, &RotorPanel::mapClicked, this, [this] { Command1Click(); });
  connect(rotor_, &RotorPanel::skyClicked, this, [this] { CmdSkyClick(); });
  connect(rotor_, &RotorPanel::parkClicked, this, [this] { CmdRotorClick(); });
  // Clicks and keys only: selecting a button from code (the park command)
  // runs the handler itself, so it does not run twice.
  connect(table_, &LiveTablePanel::optionClicked, this, [this](int index) { Option1Click(index); });
  // Whatever sets a button, the user or the park command, the choice is the satellite in its row.
  connect(table_, &LiveTablePanel::optionChosen, this, [this](int index) { ChooseSatellite(index); });
  connect(table_, &LiveTablePanel::forecastRequested, this, [this](int row) { LblSatDblClick(row); });
  connect(radio_, &RadioPanel::transponderChosen, this, [this](int index) { CboTransponderClick(index); });
  connect(radio_, &RadioPanel::passbandMoved, this, [this](double hz) {
    Radios->MoveBy(hz);
    ShowDoppler();
  });
  connect(radio_, &RadioPanel::rememberOffsetClicked, this, [this] {
    Radios->RememberOffset();
    ShowDoppler();
  });
  connect(radio_, &RadioPanel::resetOffsetClicked, this, [this] {
    Radios->ResetOffset();
    ShowDoppler();
  });
}

}  // namespace rdz
