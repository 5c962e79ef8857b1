// The radio row under the top band: the selected satellite's transponders and
// the Doppler line, refreshed on every tick of the live table.
#include <QPointer>
#include <memory>

#include "windows/main/frm_track.h"
#include "core/settings/keyed_lines.h"
#include "core/radio/transponder_config.h"
#include "windows/main/radio_panel.h"
#include "windows/main/transponder_dialog.h"
#include "windows/main/rig_link.h"
#include "core/orbit/engine.h"
#include "core/base/text_lines.h"
#include "core/radio/doppler_line.h"

namespace rdz {

void FrmTrack::ReadTransmitters() {
  // The downloaded list runs to megabytes: it is read away from this thread,
  // and only the newest read is taken.
  const int generation = ++transmitterReads_;
  auto list = std::make_shared<TransmitterList>();
  const auto read = [list, dir = services_.programDir] {
    *list = ReadTransmitterFile(dir).value_or(TransmitterList{});
  };
  const auto take = [window = QPointer<FrmTrack>(this), list, generation] {
    if (window == nullptr || generation != window->transmitterReads_) return;
    window->transmitters_ = std::move(*list);
    window->transmitterTaken_ = generation;
    window->transpondersStale_ = true;
    window->ShowDoppler();
  };
  StartOrRun(services_.background, read, take);
}

void FrmTrack::TransmittersChanged() { ReadTransmitters(); }

void FrmTrack::FillTransponders(int satellite) {
  transpondersStale_ = false;
  std::vector<Transponder> found;
  if (satellite > 0) {
    const ElementSet& sat = state_.Elements[satellite];
    found = TranspondersFor(state_.Config->lines, transmitters_, TrimBlanks(sat.Name),
                            sat.CatalogNumber);
  }
  Transponders = Rechoose(Transponders, satellite, std::move(found));
  std::vector<std::string> descriptions;
  for (const Transponder& t : Transponders.transponders) descriptions.push_back(t.description);
  radio_->ShowTransponders(descriptions, Transponders.chosen);
}

void FrmTrack::ChooseTransponders() {
  const int k = TrackedSatellite();
  if (k <= 0) {
    services_.messages.Show("Choose the satellite first: its button in the TR column.", "RodeDizevad");
    return;
  }
  const ElementSet& sat = state_.Elements[k];
  const std::string name(TrimBlanks(sat.Name));
  std::vector<Transponder> listed;
  for (const ListedTransponder& entry : transmitters_.entries) {
    if (sat.CatalogNumber != 0 && entry.catalogNumber == sat.CatalogNumber) listed.push_back(entry.transponder);
  }
  auto* dialog = new TransponderDialog(name, ConfiguredTransponders(state_.Config->lines, name), listed, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QDialog::accepted, this, [this, dialog, name] {
    const std::vector<Transponder> edited = dialog->Result();
    const WriteOutcome saved = RewriteConfigFile(
        services_.programDir, [&](std::string_view bytes) { return WithTransponderLines(bytes, name, edited); });
    if (!saved.ok) {
      services_.messages.Show("The transponders could not be saved in config.txt (" + saved.reason + ").",
                              "RodeDizevad");
      return;
    }
    SettingsChanged();
  });
  dialog->open();
}

void FrmTrack::CboTransponderClick(int index) {
  if (index < 0 || index >= static_cast<int>(Transponders.transponders.size())) return;
  Transponders.chosen = index;
  ShowDoppler();
}

void FrmTrack::ShowDoppler() {
  const int k = TrackedSatellite();
  if (transpondersStale_ || k != Transponders.satellite) FillTransponders(k);
  std::optional<double> rate;
  if (k > 0 && state_.Time.Utc && static_cast<std::size_t>(k) <= state_.Models.size()) {
    const auto p = state_.Models[static_cast<std::size_t>(k - 1)]->At(SetupEngine(state_.Station), *state_.Time.Utc);
    if (p) rate = p->raw.rangeRate;
  }
  const Transponder* chosen = Transponders.Chosen();
  const std::optional<double> at = chosen && k > 0 ? Radios->SatelliteDownlink(*chosen) : std::nullopt;
  const std::optional<double> centre = chosen ? DownlinkCentre(*chosen) : std::nullopt;
  radio_->ShowDoppler(DopplerLineText(rate, chosen, at && centre ? *at - *centre : 0));
  radio_->ShowPassband(at ? PlaceIn(*chosen, *at) : std::nullopt);
  const bool following = Radios->Following();
  radio_->EnableOffsetButtons(
      following, chosen && k > 0 && (following || Radios->Offsets().Find(Radios->SatelliteKey(), *chosen)));
}

}  // namespace rdz
