#include "windows/main/rotor_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/qt_text.h"
#include "windows/main/tracking_picture.h"

namespace rdz {

namespace {

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

RotorPanel::RotorPanel(QRadioButton* trackerOff, QWidget* parent) : QWidget(parent), Option1Off(trackerOff) {
  Command1 = Button("Command1", "MAP", this);
  CmdSky = Button("CmdSky", "Sky", this);
  CmdRotor = Button("CmdRotor", "PARK ANTENNA", this);
  // As wide as their captions need, not the style's wide default.
  for (QPushButton* b : {Command1, CmdSky}) b->setMaximumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 28);
  Option1Off->setParent(this);
  // Room for the longest status it shows without moving its neighbours.
  Option1Off->setMinimumWidth(Option1Off->fontMetrics().horizontalAdvance(QStringLiteral("KV 250 tracker Offline")) + 30);
  Option1Off->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

  ImgAZEL = new TrackingPicture(this);
  ImgAZEL->setObjectName(QStringLiteral("ImgAZEL"));
  ImgAZEL->setFixedSize(40, 40);
  // Its place stays when it hides: the buttons do not jump while tracking starts and stops.
  QSizePolicy keep = ImgAZEL->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  ImgAZEL->setSizePolicy(keep);
  ImgAZEL->hide();  // shown while a satellite is tracked

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFrameShape(QFrame::StyledPanel);
  Frame1->setFrameShadow(QFrame::Sunken);
  Label7 = new QLabel(QStringLiteral("AZ - TRACKER - EL"), Frame1);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setAlignment(Qt::AlignCenter);
  QFont value(QStringLiteral("Arial"));
  value.setStyleHint(QFont::SansSerif);
  value.setPointSizeF(14.25);
  value.setBold(true);
  int valueW = 0;
  for (const char* text : {"AZ", "EL", "StBy", "PARK", "360", "-90"}) {
    valueW = std::max(valueW, QFontMetrics(value).horizontalAdvance(QString::fromLatin1(text)));
  }
  for (auto [label, name] : {std::pair{&LblAZ, "LblAZ"}, std::pair{&LblEL, "LblEL"}}) {
    *label = new QLabel(QString::fromLatin1(name + 3), Frame1);
    (*label)->setObjectName(QString::fromLatin1(name));
    (*label)->setTextFormat(Qt::PlainText);
    (*label)->setFont(value);
    (*label)->setAlignment(Qt::AlignCenter);
    (*label)->setFrameShape(QFrame::Panel);
    (*label)->setFrameShadow(QFrame::Sunken);
    (*label)->setMinimumWidth(valueW + 12);
  }
  auto* frame = new QGridLayout(Frame1);
  frame->setContentsMargins(6, 2, 6, 2);
  frame->addWidget(Label7, 0, 0, 1, 2);
  frame->addWidget(LblAZ, 1, 0);
  frame->addWidget(LblEL, 1, 1);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->addWidget(Command1, 0, 0);
  grid->addWidget(CmdSky, 0, 1);
  grid->addWidget(CmdRotor, 0, 2);
  grid->addWidget(Option1Off, 1, 0, 1, 3);
  grid->addWidget(ImgAZEL, 0, 3, 2, 1, Qt::AlignCenter);
  grid->addWidget(Frame1, 0, 4, 2, 1);

  connect(Command1, &QPushButton::clicked, this, &RotorPanel::mapClicked);
  connect(CmdSky, &QPushButton::clicked, this, &RotorPanel::skyClicked);
  connect(CmdRotor, &QPushButton::clicked, this, &RotorPanel::parkClicked);
}

void RotorPanel::ShowPosition(const std::string& az, const std::string& el) {
  LblAZ->setText(qt::ToQString(az));
  LblEL->setText(qt::ToQString(el));
}

std::string RotorPanel::Azimuth() const { return qt::FromQString(LblAZ->text()); }

void RotorPanel::ShowTrackingPicture(bool visible) { ImgAZEL->setVisible(visible); }

void RotorPanel::ShowTrackerStatus(const std::string& caption) { Option1Off->setText(qt::ToQString(caption)); }

std::string RotorPanel::TrackerStatus() const { return qt::FromQString(Option1Off->text()); }

void RotorPanel::SetTrackerHighlight(bool on) {
  QPalette p = Option1Off->palette();
  p.setColor(QPalette::WindowText, on ? QColor(192, 0, 0) : palette().color(QPalette::ButtonText));
  Option1Off->setPalette(p);
  QFont f = Option1Off->font();
  f.setBold(on);
  Option1Off->setFont(f);
}

}  // namespace rdz
