// The radio row under the top band: the selected satellite's transponders and
// the Doppler line, refreshed on every tick of the live table.
#include <QComboBox>
#include <QPointer>
#include <memory>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <QSignalBlocker>

#include "windows/main/frm_track.h"
#include "core/settings/keyed_lines.h"
#include "core/radio/transponder_config.h"
#include "windows/main/passband_bar.h"
#include "windows/main/transponder_dialog.h"
#include "windows/main/rig_link.h"
#include <QPushButton>
#include "core/orbit/engine.h"
#include "platform/qt/fixed_pitch_font.h"
#include "platform/qt/qt_text.h"
#include "core/base/text_lines.h"
#include "core/radio/doppler_line.h"

namespace rdz {

int FrmTrack::CreateRadioRow(QWidget* area, int top) {
  const int m = Twips(120);
  const int y = top + Twips(30);
  auto* caption = new QLabel(QStringLiteral("Transponder:"), area);
  CboTransponder = new QComboBox(area);
  const int h = CboTransponder->sizeHint().height();
  const int captionW = caption->fontMetrics().horizontalAdvance(caption->text()) + Twips(60);
  caption->setGeometry(m, y, captionW, h);
  CboTransponder->setGeometry(m + captionW, y, Twips(3300), h);
  CboTransponder->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  CboTransponder->setEnabled(false);
  CboTransponder->setPlaceholderText(QString::fromLatin1(kNoTransponders));
  CboTransponder->setToolTip(CboTransponder->placeholderText());
  QObject::connect(CboTransponder, &QComboBox::activated, this, [this](int index) { CboTransponderClick(index); });
  LblDoppler = new QLabel(area);
  LblDoppler->setTextFormat(Qt::PlainText);
  QFont font = qt::FixedPitchFont(10);
  font.setBold(true);
  LblDoppler->setFont(font);
  const int x = CboTransponder->geometry().right() + Twips(180);
  const int right = Twips(13000) - Twips(120);
  const int dopplerW = QFontMetrics(font).horizontalAdvance(
      QStringLiteral("RR -10.000 km/s  DOWN 2400.000 000  UP 1268.000 000"));
  LblDoppler->setGeometry(x, y, std::min(dopplerW, right - x), h);
  // The top band has no room left for the element age; this row has.
  const int ageX = LblDoppler->geometry().right() + Twips(180);
  LblSatAge->setParent(area);
  LblSatAge->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LblSatAge->setGeometry(ageX, y, std::max(0, right - ageX), h);
  // Under it: the passband and the offset's buttons.
  const int y2 = y + h + Twips(30);
  CmdRememberOffset = new QPushButton(QStringLiteral("Remember offset"), area);
  CmdResetOffset = new QPushButton(QStringLiteral("Reset offset"), area);
  const int buttonW = CmdRememberOffset->sizeHint().width();
  CmdRememberOffset->setGeometry(m, y2, buttonW, h);
  CmdResetOffset->setGeometry(m + buttonW + Twips(60), y2, CmdResetOffset->sizeHint().width(), h);
  BarPassband = new PassbandBar(area);
  const int barX = CmdResetOffset->geometry().right() + Twips(180);
  BarPassband->setGeometry(barX, y2, std::max(0, LblDoppler->geometry().right() - barX), h);
  BarPassband->Moved = [this](double hz) {
    Radios->MoveBy(hz);
    ShowDoppler();
  };
  QObject::connect(CmdRememberOffset, &QPushButton::clicked, this, [this] {
    Radios->RememberOffset();
    ShowDoppler();
  });
  QObject::connect(CmdResetOffset, &QPushButton::clicked, this, [this] {
    Radios->ResetOffset();
    ShowDoppler();
  });
  boxPlace_ = CboTransponder->geometry();
  dopplerPlace_ = LblDoppler->geometry();
  agePlace_ = LblSatAge->geometry();
  radioRowHeight_ = y2 + h - top;
  return y2 + h;
}

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
    if (window->LblDoppler != nullptr) window->ShowDoppler();
  };
  if (services_.background != nullptr) {
    services_.background->Start(read, take);
  } else {
    read();
    take();
  }
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
  const QSignalBlocker quiet(CboTransponder);
  CboTransponder->clear();
  for (const Transponder& t : Transponders.transponders) CboTransponder->addItem(QString::fromStdString(t.description));
  const bool none = Transponders.transponders.empty();
  CboTransponder->setCurrentIndex(none ? -1 : Transponders.chosen);
  CboTransponder->setEnabled(!none);
  // Without transponders the box has the whole row for where they come from;
  // the Doppler line and the element age go down to the passband's.
  const int down = BarPassband->geometry().top() - boxPlace_.top();
  CboTransponder->setGeometry(none ? QRect(boxPlace_.topLeft(), agePlace_.bottomRight()) : boxPlace_);
  LblDoppler->setGeometry(none ? BarPassband->geometry() : dopplerPlace_);
  LblSatAge->setGeometry(none ? agePlace_.translated(0, down) : agePlace_);
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
  LblDoppler->setText(qt::ToQString(DopplerLineText(rate, chosen, at && centre ? *at - *centre : 0)));
  BarPassband->Show(at ? PlaceIn(*chosen, *at) : std::nullopt);
  const bool following = Radios->Following();
  CmdRememberOffset->setEnabled(following);
  CmdResetOffset->setEnabled(chosen && k > 0 && (following || Radios->Offsets().Find(Radios->SatelliteKey(), *chosen)));
}

}  // namespace rdz
