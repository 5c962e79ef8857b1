// "Passes" in "Info": the pass list of every satellite, linked to the table's selection.
#include <QFileDialog>

#include "core/settings/keyed_lines.h"
#include "windows/main/frm_track.h"
#include "core/load/sats_adding.h"
#include "windows/passes/frm_passes.h"
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
    return UtcDifference().value_or(0.0);
  };
  links.selectedSatellite = [this] { return TrackedSatellite(); };
  links.selectSatellite = [this](int number) {
    // Only the rows of the table can be followed.
    if (SatelliteOfRow(state_, number - 1) > 0) ClickOption(number - 1);
  };
  links.chooseFile = [this](const std::string& caption, const std::string& filter) {
    return qt::FromQString(QFileDialog::getSaveFileName(
        passes_, qt::ToQString(caption), qt::ToQString(services_.programDir.string()),
        qt::ToQString(filter)));
  };
  links.addToTable = [this](std::uint32_t catalog, const std::string& fullName) {
    AddToTable(catalog, fullName);
  };
  passes_ = new FrmPasses(state_, services_.programDir, services_.messages, services_.background,
                          std::move(links), this);
  passes_->show();
  passes_->Compute();
}

// SATS with the set added, written into config.txt; the table loads again.
void FrmTrack::AddToTable(std::uint32_t catalog, const std::string& fullName) {
  const SatsChange change = SatsAdding(state_.Config->keys.SATS.value_or(""), state_.Elements,
                                       state_.SatCount, catalog, fullName);
  if (change.value.empty()) {
    services_.messages.Show(change.why + ".", kProgramName, MessageIcon::Exclamation);
    return;
  }
  constexpr std::string_view kKeys[] = {"SATS = "};
  const WriteOutcome written = RewriteConfigFile(services_.programDir, [&](std::string_view bytes) {
    return WithKeyedLines(bytes, kKeys, [&](std::string_view) { return "SATS = " + change.value; },
                          [](std::string_view) { return true; });
  });
  if (!written.ok) {
    services_.messages.Show("config.txt could not be written: " + written.reason + ".", kProgramName,
                            MessageIcon::Exclamation);
    return;
  }
  SettingsChanged();
}

}  // namespace rdz
