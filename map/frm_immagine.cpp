#include "map/frm_immagine.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "orbit/map_marker.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/twips.h"

// The map picture lives in a static library's resources, which the linker
// would otherwise leave out.
static void InitMapResources() { Q_INIT_RESOURCE(map_resources); }

namespace rdz {
namespace {

constexpr int kMarkerSize = 135;  // twips, square

QString Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return qt::ToQString(text.substr(first, last - first + 1));
}

}  // namespace

FrmImmagine::FrmImmagine(TrackerState& state, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state) {
  InitMapResources();
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Wolrd Tracker MAP"));
  CreateControls();
  QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
}

int FrmImmagine::Twips(int twips) const { return qt::Twips(this, twips); }

QLabel* FrmImmagine::MakeLabel(const char* caption, int left, int top, int width, int height) {
  auto* label = new QLabel(QString::fromLatin1(caption), this);
  label->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
  QFont font = label->font();
  font.setPointSizeF(8.25);
  label->setFont(font);
  return label;
}

void FrmImmagine::CreateControls() {
  Image1 = new QLabel(this);
  Image1->setPixmap(QPixmap(QStringLiteral(":/map/earth-1024x512.jpg")));
  Image1->setScaledContents(true);
  Image1->setGeometry(0, 0, Twips(6930), Twips(3945));

  Picture1 = new QWidget(this);
  Picture1->setAutoFillBackground(true);
  QPalette red = Picture1->palette();
  red.setColor(QPalette::Window, Qt::red);
  Picture1->setPalette(red);
  Picture1->setGeometry(Twips(30), Twips(4110), Twips(kMarkerSize), Twips(kMarkerSize));

  Label1 = MakeLabel("COMING SOON !!!!!", 1260, 1755, 5250, 1095);
  QFont notice(QStringLiteral("MS Sans Serif"));
  notice.setStyleHint(QFont::SansSerif);
  notice.setPointSizeF(18);
  notice.setBold(true);
  Label1->setFont(notice);
  QPalette p = Label1->palette();
  p.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(p);

  Command1 = new QPushButton(QStringLiteral("Command1"), this);
  Command1->setGeometry(Twips(3855), Twips(4710), Twips(1125), Twips(375));

  Label16 = MakeLabel("Sat", 105, 4275, 240, 195);
  LblSatName = MakeLabel("SAT", 375, 4275, 885, 195);
  Label17 = MakeLabel("AZ", 1320, 4275, 210, 195);
  LblAZ = MakeLabel("AZ", 1575, 4275, 435, 195);
  Label18 = MakeLabel("EL", 2055, 4275, 195, 195);
  LblEL = MakeLabel("EL", 2295, 4275, 480, 195);
  Label19 = MakeLabel("MA", 2805, 4275, 240, 195);
  Label4 = MakeLabel("MA", 3075, 4275, 480, 195);
  LblLAT = MakeLabel("LA", 3885, 4275, 480, 195);
  LblLON = MakeLabel("LO", 4410, 4275, 480, 195);
  const int lefts7[] = {5025, 5520, 6105, 6420};
  for (std::size_t i = 0; i < Label7to10.size(); ++i)
    Label7to10[i] = MakeLabel("AZ", lefts7[i], 4275, 480, 195);
  const int lefts11[] = {525, 1275, 1905, 2490, 3135};
  for (std::size_t i = 0; i < Label11to15.size(); ++i)
    Label11to15[i] = MakeLabel("AZ", lefts11[i], 4590, 480, 255);

  // The notice and the marker lie over the map.
  Label1->raise();
  Picture1->raise();
}

void FrmImmagine::Load() {
  Image1->resize(Twips(kMapWidthTwips), Twips(kMapHeightTwips));
  resize(Twips(kMapWidthTwips + 100), Twips(kMapHeightTwips + 2000));
  Picture1->move(Twips(kMarkerAtLoad.left), Twips(kMarkerAtLoad.top));
}

void FrmImmagine::LiveUpdate(const MapFields& fields) {
  LblAZ->setText(qt::ToQString(fields.az));
  LblEL->setText(qt::ToQString(fields.el));
  state_.SubSatLon = fields.lo;
  state_.SubSatLat = fields.la;
  LblLON->setText(qt::ToQString(state_.SubSatLon));
  LblLAT->setText(qt::ToQString(state_.SubSatLat));
  LblSatName->setText(Trimmed(fields.name));
}

void FrmImmagine::Command1Click() {
  // Before the first live-table pass there is no point to go to.
  const auto at = MarkerOnPoint(state_.SubSatLat, state_.SubSatLon, kMarkerSize, kMarkerSize);
  if (at) Picture1->move(Twips(at->left), Twips(at->top));
}

}  // namespace rdz
