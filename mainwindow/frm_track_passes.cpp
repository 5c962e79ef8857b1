// "Passes" in "Info": the pass list of every satellite, linked to the table's selection.
#include <QComboBox>
#include <QFileDialog>
#include <QRadioButton>

#include "mainwindow/frm_track.h"
#include "passwindow/frm_passes.h"
#include "platform/qt/qt_text.h"

namespace rdz {

FrmPasses* FrmTrack::PassesWindow() const { return passes_; }

void FrmTrack::MnuPassesClick() {
  if (passes_) {
    passes_->raise();
    passes_->activateWindow();
    passes_->Compute();
    return;
  }
  PassWindowLinks links;
  links.utcNow = [this] {
    // The instant the table shows, simulated or real.
    return state_.Time.Utc.value_or(services_.clock.Now());
  };
  links.utcDifference = [this] {
    return qt::ReadUserNumber(TxtUtc->currentText()).value_or(0.0);
  };
  links.selectedSatellite = [this] { return TrackedSatellite(); };
  links.selectSatellite = [this](int number) {
    // Only the rows of the table can be followed.
    if (SatelliteOfRow(state_, number - 1) > 0) Option1[static_cast<std::size_t>(number - 1)]->click();
  };
  links.chooseFile = [this](const std::string& caption, const std::string& filter) {
    return qt::FromQString(QFileDialog::getSaveFileName(
        passes_, qt::ToQString(caption), qt::ToQString(services_.programDir.string()),
        qt::ToQString(filter)));
  };
  passes_ = new FrmPasses(state_, services_.programDir, services_.messages, services_.background,
                          std::move(links), this);
  passes_->show();
  passes_->Compute();
}

}  // namespace rdz
