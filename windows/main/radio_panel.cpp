#include "windows/main/radio_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/radio/doppler_line.h"
#include "platform/qt/fixed_pitch_font.h"
#include "platform/qt/qt_text.h"
#include "windows/main/elided_text.h"
#include "windows/main/passband_bar.h"

namespace rdz {

RadioPanel::RadioPanel(QWidget* parent) : QWidget(parent) {
  auto* caption = new QLabel(QStringLiteral("T&ransponder:"), this);
  CboTransponder = new QComboBox(this);
  CboTransponder->setObjectName(QStringLiteral("CboTransponder"));
  CboTransponder->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  CboTransponder->setMinimumContentsLength(24);
  CboTransponder->setEnabled(false);
  CboTransponder->setPlaceholderText(QString::fromLatin1(kNoTransponders));
  CboTransponder->setToolTip(CboTransponder->placeholderText());
  caption->setBuddy(CboTransponder);
  LblDoppler = new QLabel(this);
  LblDoppler->setObjectName(QStringLiteral("LblDoppler"));
  QFont font = qt::FixedPitchFont(10);
  font.setBold(true);
  LblDoppler->setFont(font);
  LblSatAge = new QLabel(this);
  LblSatAge->setObjectName(QStringLiteral("LblSatAge"));
  LblSatAge->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (QLabel* l : {LblDoppler, LblSatAge}) ElideText(l);
  CmdRememberOffset = new QPushButton(QStringLiteral("Remember offset"), this);
  CmdRememberOffset->setObjectName(QStringLiteral("CmdRememberOffset"));
  CmdResetOffset = new QPushButton(QStringLiteral("Reset offset"), this);
  CmdResetOffset->setObjectName(QStringLiteral("CmdResetOffset"));
  BarPassband = new PassbandBar(this);
  BarPassband->setObjectName(QStringLiteral("BarPassband"));
  BarPassband->setMinimumWidth(120);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* first = new QHBoxLayout;
  first->addWidget(caption);
  first->addWidget(CboTransponder, 2);
  first->addSpacing(12);
  first->addWidget(LblDoppler, 3);
  first->addWidget(LblSatAge, 2);
  auto* second = new QHBoxLayout;
  second->addWidget(CmdRememberOffset);
  second->addWidget(CmdResetOffset);
  second->addSpacing(12);
  second->addWidget(BarPassband, 1);
  grid->addLayout(first, 0, 0);
  grid->addLayout(second, 1, 0);

  connect(CboTransponder, &QComboBox::activated, this, &RadioPanel::transponderChosen);
  connect(CmdRememberOffset, &QPushButton::clicked, this, &RadioPanel::rememberOffsetClicked);
  connect(CmdResetOffset, &QPushButton::clicked, this, &RadioPanel::resetOffsetClicked);
  BarPassband->Moved = [this](double hz) { emit passbandMoved(hz); };
}

void RadioPanel::ShowTransponders(const std::vector<std::string>& descriptions, int chosen) {
  const QSignalBlocker quiet(CboTransponder);
  CboTransponder->clear();
  for (const std::string& d : descriptions) CboTransponder->addItem(qt::ToQString(d));
  CboTransponder->setCurrentIndex(descriptions.empty() ? -1 : chosen);
  CboTransponder->setEnabled(!descriptions.empty());
}

void RadioPanel::ShowDoppler(const std::string& line) { LblDoppler->setText(qt::ToQString(line)); }

void RadioPanel::ShowPassband(const std::optional<PassbandPlace>& place) { BarPassband->Show(place); }

void RadioPanel::EnableOffsetButtons(bool remember, bool reset) {
  CmdRememberOffset->setEnabled(remember);
  CmdResetOffset->setEnabled(reset);
}

void RadioPanel::ShowSatelliteAge(const std::string& text) {
  LblSatAge->setText(qt::ToQString(text));
  LblSatAge->setToolTip(qt::PlainToolTip(LblSatAge->text()));
}

}  // namespace rdz
