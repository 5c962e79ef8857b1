// The controls of the main window and where they stand. Positions are in
// pixels of this screen; fixed distances are given in twips like the rest of
// the form, text widths come from the fonts so that nothing is cut.
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QScreen>

#include "windows/main/frm_track.h"
#include "windows/main/tracking_picture.h"
#include "core/table/row_text.h"
#include "platform/qt/fixed_pitch_font.h"
#include "platform/qt/twips.h"

namespace rdz {

namespace {

constexpr int kRowChars = 56;
constexpr int kRowsPerHalf = kTableRows / 2;

QFont TableFont(bool bold) {
  QFont font = qt::FixedPitchFont(8.25);
  font.setBold(bold);
  return font;
}

QFont ClockFont() {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(14.25);
  font.setBold(true);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font, const QRect& where,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->setAlignment(align);
  label->setGeometry(where);
  return label;
}

void MakeLine(QWidget* parent, QFrame::Shape shape, const QRect& where) {
  auto* line = new QFrame(parent);
  line->setFrameShape(shape);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(where);
}

}  // namespace

int FrmTrack::Twips(int twips) const { return qt::Twips(this, twips); }

void FrmTrack::CreateControls() {
  auto* area = new QWidget(this);
  setCentralWidget(area);
  const int width = Twips(13000) - Twips(120);
  const int bandBottom = CreateRadioRow(area, CreateTopBand(area, width));
  const int lineY = bandBottom + Twips(60);
  MakeLine(area, QFrame::HLine, QRect(Twips(120), lineY, width - Twips(120), Twips(30)));
  CreateTable(area, lineY + Twips(60));
}

int FrmTrack::CreateTopBand(QWidget* area, int right) {
  const int m = Twips(120);
  const int gap = Twips(105);
  const QFont clockFont = ClockFont();
  const QFontMetrics clock(clockFont);
  const int h = clock.height() + Twips(60);
  const int y1 = Twips(60);
  const int y2 = y1 + h + Twips(60);

  // The two clocks: UTC above, the PC's local time below.
  const int headW = std::max(clock.horizontalAdvance(QStringLiteral("UTC:")),
                             clock.horizontalAdvance(QStringLiteral("PCtime:"))) + Twips(120);
  const int dateW = clock.horizontalAdvance(QStringLiteral("00/00/0000")) + Twips(150);
  const int timeW = clock.horizontalAdvance(QStringLiteral("00:00:00")) + Twips(90);
  int x = m;
  Label1 = MakeLabel(area, QStringLiteral("UTC:"), clockFont, QRect(x, y1, headW, h));
  lblData = MakeLabel(area, QStringLiteral("DD/MM/YYYY"), clockFont, QRect(x + headW, y1, dateW, h));
  lblOrario = MakeLabel(area, QStringLiteral("00:00:00"), clockFont,
                        QRect(x + headW + dateW, y1, timeW, h));
  Label5 = MakeLabel(area, QStringLiteral("PCtime:"), clockFont, QRect(x, y2, headW, h));
  LblPCData = MakeLabel(area, QStringLiteral("DD/MM/YYYY"), clockFont,
                        QRect(x + headW, y2, dateW, h));
  LblPCTime = MakeLabel(area, QStringLiteral("00:00:00"), clockFont,
                        QRect(x + headW + dateW, y2, timeW, h));
  x += headW + dateW + timeW + gap;

  // Time simulation: "STOP" above "<<", "<", "=", ">", ">>".
  static constexpr const char* kStopCaptions[6] = {"=", ">", ">>", "<", "<<", "STOP"};
  for (int i = 0; i < 6; ++i) {
    CmdStop[static_cast<std::size_t>(i)] = new QPushButton(QString::fromLatin1(kStopCaptions[i]), area);
  }
  const int bw = Twips(420);
  CmdStop[5]->setGeometry(x, y1, 5 * bw, h);
  static constexpr int kRowOrder[5] = {4, 3, 0, 1, 2};
  for (int i = 0; i < 5; ++i) {
    CmdStop[static_cast<std::size_t>(kRowOrder[i])]->setGeometry(x + i * bw, y2, bw, h);
  }
  x += 5 * bw + gap;

  // "MAP", "Sky" and "PARK ANTENNA" with the tracker's off switch and status under them.
  Command1 = new QPushButton(QStringLiteral("MAP"), area);
  CmdSky = new QPushButton(QStringLiteral("Sky"), area);
  CmdRotor = new QPushButton(QStringLiteral("PARK ANTENNA"), area);
  // Each button as wide as its caption needs, so that "Sky" fits without
  // crowding the tracking picture.
  const auto captionW = [this](QPushButton* b, int pad) {
    return b->fontMetrics().horizontalAdvance(b->text()) + Twips(pad);
  };
  const int buttonW = captionW(Command1, 150);
  const int skyW = captionW(CmdSky, 150);
  const int mapW = buttonW + Twips(30) + skyW;
  const int parkW = captionW(CmdRotor, 150);
  Command1->setGeometry(x, y1, buttonW, h);
  CmdSky->setGeometry(x + buttonW + Twips(30), y1, skyW, h);
  CmdRotor->setGeometry(x + mapW + Twips(60), y1, parkW, h);
  auto* off = new QRadioButton(QStringLiteral("Antenna Tracker OFF"), area);
  const int offW = std::max(mapW + Twips(60) + parkW,
                            off->fontMetrics().horizontalAdvance(QStringLiteral("KV 250 tracker Offline")) +
                                Twips(450));
  off->setGeometry(x, y2, offW, h);
  Option1[kTrackerOffOption] = off;
  x += offW + gap;

  // Frame1 at the right edge: the UTC difference and the values handed to the rotor.
  const QFontMetrics small(font());
  const int fm = Twips(90);
  const int leftW = std::max(small.horizontalAdvance(QStringLiteral("UTC DIFF:")), Twips(900));
  // LblAZ and LblEL hold their captions, whole degrees or a status word; the
  // widest decides, with room for the sunken frame.
  int valueTextW = 0;
  for (const char* text : {"AZ", "EL", "StBy", "PARK", "360", "-90"}) {
    valueTextW = std::max(valueTextW, clock.horizontalAdvance(QString::fromLatin1(text)));
  }
  const int rightW = std::max(small.horizontalAdvance(QStringLiteral("AZ - TRACKER - EL")),
                              2 * (valueTextW + Twips(45)) + Twips(60));
  const int frameW = fm + leftW + 2 * fm + rightW + fm;
  Frame1 = new QFrame(area);
  Frame1->setFrameShape(QFrame::StyledPanel);
  Frame1->setFrameShadow(QFrame::Sunken);
  Frame1->setGeometry(right - frameW, y1 - Twips(30), frameW, y2 + h - y1 + Twips(60));
  // The selected satellite's element age; the radio row gives it its place.
  LblSatAge = MakeLabel(area, QString(), font(), QRect(x, y1, std::max(0, right - frameW - gap - x), h));
  LblElementStatus = new QLabel(this);
  LblElementStatus->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(LblElementStatus, 1);
  const int fy2 = y2 - y1 + Twips(30);
  Label2 = MakeLabel(Frame1, QStringLiteral("UTC DIFF:"), font(), QRect(fm, Twips(30), leftW, h));
  TxtUtc = new QComboBox(Frame1);
  TxtUtc->setEditable(true);
  TxtUtc->setInsertPolicy(QComboBox::NoInsert);
  for (int d = -12; d <= 12; ++d) TxtUtc->addItem(QString::number(d));
  TxtUtc->setCurrentIndex(TxtUtc->findText(QStringLiteral("1")));
  TxtUtc->setGeometry(fm, fy2, leftW, h);
  const int rx = fm + leftW + 2 * fm;
  Label7 = MakeLabel(Frame1, QStringLiteral("AZ - TRACKER - EL"), font(),
                     QRect(rx, Twips(30), rightW, h), Qt::AlignCenter);
  const int valueW = (rightW - Twips(60)) / 2;
  LblAZ = MakeLabel(Frame1, QStringLiteral("AZ"), clockFont, QRect(rx, fy2, valueW, h),
                    Qt::AlignCenter);
  LblEL = MakeLabel(Frame1, QStringLiteral("EL"), clockFont,
                    QRect(rx + rightW - valueW, fy2, valueW, h), Qt::AlignCenter);
  for (QLabel* value : {LblAZ, LblEL}) {
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
  }

  // ImgAZEL in the room left between the tracker switch and Frame1.
  ImgAZEL = new TrackingPicture(area);
  ImgAZEL->setGeometry((x + Frame1->x()) / 2 - 20, (y1 + y2 + h) / 2 - 20, 40, 40);
  ImgAZEL->hide();  // shown while a satellite is tracked
  return Frame1->geometry().bottom() + 1;
}

int FrmTrack::CreateTable(QWidget* area, int top) {
  const QFont rowFont = TableFont(false);
  const QFont headFont = TableFont(true);
  const QFontMetrics rows(rowFont);
  const int rowW = std::max(rows.horizontalAdvance(QString(kRowChars, QLatin1Char('0'))),
                            QFontMetrics(headFont).horizontalAdvance(QString::fromLatin1(kTableHeader))) +
                   Twips(60);
  const int rowH = Twips(240);
  const int optionW = Twips(300);
  const int halfW = rowW + Twips(30) + optionW;
  const int headY = top;
  const int rowsY = headY + rowH + Twips(30);
  const QPalette rowPalette = [&] {
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
    return p;
  }();

  Option1Group = new QButtonGroup(this);
  Option1Group->setExclusive(true);
  const QString header = QString::fromLatin1(kTableHeader);
  for (int half = 0; half < 2; ++half) {
    const int x = Twips(120) + half * (halfW + Twips(300));
    const int optionX = x + rowW + Twips(30);
    QLabel* heading = MakeLabel(area, header, headFont, QRect(x, headY, rowW, rowH));
    QLabel* tr = MakeLabel(area, QStringLiteral("TR"), headFont, QRect(optionX, headY, optionW + Twips(60), rowH));
    (half == 0 ? Label3 : Label4) = heading;
    (half == 0 ? Label8 : Label9) = tr;
    for (int r = 0; r < kRowsPerHalf; ++r) {
      const int i = half * kRowsPerHalf + r;
      const int y = rowsY + r * rowH;
      QLabel* row = MakeLabel(area, QStringLiteral("NO SAT"), rowFont, QRect(x, y, rowW, rowH));
      row->setAutoFillBackground(true);
      row->setPalette(rowPalette);
      LblSat[static_cast<std::size_t>(i)] = row;
      auto* option = new QRadioButton(area);
      option->setGeometry(optionX, y, optionW, rowH);
      Option1[static_cast<std::size_t>(i)] = option;
    }
    if (half == 0) {
      MakeLine(area, QFrame::VLine, QRect(x + halfW + Twips(120), headY, Twips(30),
                                          rowsY + kRowsPerHalf * rowH - headY));
    }
  }
  for (int i = 0; i <= kTableRows; ++i) Option1Group->addButton(Option1[static_cast<std::size_t>(i)], i);
  Option1[kTrackerOffOption]->setChecked(true);
  return rowsY + kRowsPerHalf * rowH;
}

}  // namespace rdz
