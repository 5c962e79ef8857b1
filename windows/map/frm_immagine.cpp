#include "windows/map/frm_immagine.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPixmap>
#include <QPushButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "core/load/element_loader.h"
#include "core/table/map_marker.h"
#include "core/passes/catalog_passes.h"
#include "core/base/text_lines.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/twips.h"

namespace rdz {

struct FrmImmagine::FileSets {
  PassCandidates sets;
};

// One instant's markers of the whole file, made away from the window.
struct FrmImmagine::FileScene {
  std::shared_ptr<const FileSets> sets;
  Observer station;
  CivilTime utc;
  std::uint32_t catalog = 0;  // the table's selected set
  std::string name;
  MapScene scene;
};

namespace {

constexpr int kMarkerSize = 135;  // twips, square

QString Trimmed(const std::string& text) { return qt::ToQString(TrimmedName(text)); }

}  // namespace

FrmImmagine::FrmImmagine(TrackerState& state, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), painter_(EarthImage()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Wolrd Tracker MAP"));
  CreateControls();
  QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
  QObject::connect(CboSets, &QComboBox::currentIndexChanged, this, [this](int i) { SetsChosen(i); });
}

int FrmImmagine::Twips(int twips) const { return qt::Twips(this, twips); }


QLabel* FrmImmagine::MakeLabel(const char* name, const char* caption) {
  auto* label = new QLabel(QString::fromLatin1(caption), this);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);  // the name comes from the element file
  QFont font = label->font();
  font.setPointSizeF(8.25);
  label->setFont(font);
  return label;
}

void FrmImmagine::CreateControls() {
  // The map and its marker in an area of their own; the rows under it in layouts.
  mapArea_ = new QWidget(this);
  mapArea_->setMinimumSize(240, 120);
  mapArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  mapArea_->installEventFilter(this);
  Image1 = new QLabel(mapArea_);
  Image1->setPixmap(QPixmap::fromImage(EarthImage()));
  Image1->setScaledContents(true);
  Image1->setGeometry(0, 0, Twips(kMapWidthTwips), Twips(kMapHeightTwips));

  Picture1 = new QWidget(mapArea_);
  Picture1->setAutoFillBackground(true);
  QPalette red = Picture1->palette();
  red.setColor(QPalette::Window, Qt::red);
  Picture1->setPalette(red);
  Picture1->resize(Twips(kMarkerSize), Twips(kMarkerSize));

  // The notice the still picture carried is gone now that the map is live.
  Label1 = MakeLabel("Label1", "");
  Label1->hide();

  Command1 = new QPushButton(QStringLiteral("Command1"), this);
  Label16 = MakeLabel("Label16", "Sat");
  LblSatName = MakeLabel("LblSatName", "SAT");
  Label17 = MakeLabel("Label17", "AZ");
  LblAZ = MakeLabel("LblAZ", "AZ");
  Label18 = MakeLabel("Label18", "EL");
  LblEL = MakeLabel("LblEL", "EL");
  Label19 = MakeLabel("Label19", "MA");
  Label4 = MakeLabel("Label4", "MA");
  LblLAT = MakeLabel("LblLAT", "LA");
  LblLON = MakeLabel("LblLON", "LO");
  for (std::size_t i = 0; i < Label7to10.size(); ++i) Label7to10[i] = MakeLabel("", "AZ");
  for (std::size_t i = 0; i < Label11to15.size(); ++i) Label11to15[i] = MakeLabel("", "AZ");
  // The values keep the room of their widest texts, so the row does not jump at each tick.
  const QFontMetrics fm(LblAZ->font());
  LblSatName->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("MMMMMMMMM")));
  for (QLabel* l : {LblAZ, LblEL, LblLAT, LblLON}) l->setMinimumWidth(fm.horizontalAdvance(QStringLiteral(" -000")));

  CboSets = new QComboBox(this);
  CboSets->addItems({QStringLiteral("table"), QStringLiteral("whole file")});

  auto* row = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Label16, LblSatName, Label17, LblAZ, Label18, LblEL, Label19,
                                                    Label4, LblLAT, LblLON})
    row->addWidget(w);
  for (QLabel* l : Label7to10) row->addWidget(l);
  row->addStretch(1);
  auto* second = new QHBoxLayout;
  for (QLabel* l : Label11to15) second->addWidget(l);
  second->addStretch(1);
  second->addWidget(Command1);
  second->addWidget(CboSets);
  auto* layout = new QVBoxLayout(this);
  // As at load: the window is the map and 100 twips wider.
  layout->setContentsMargins(Twips(50), 0, Twips(50), Twips(60));
  layout->addWidget(mapArea_, 1);
  auto* rows = new QVBoxLayout;
  rows->setContentsMargins(Twips(55), 0, Twips(55), 0);
  rows->addLayout(row);
  rows->addLayout(second);
  layout->addLayout(rows);

  // The marker lies over the map.
  Picture1->raise();
}

void FrmImmagine::Load() {
  resize(Twips(kMapWidthTwips + 100), Twips(kMapHeightTwips + 2000));
  // The marker at the map's centre.
  marker_ = {static_cast<double>(kMarkerAtLoad.left) / kMapWidthTwips,
             static_cast<double>(kMarkerAtLoad.top) / kMapHeightTwips};
  loaded_ = true;
  FitMap();
}

bool FrmImmagine::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mapArea_ && event->type() == QEvent::Resize) FitMap();
  return QWidget::eventFilter(watched, event);
}

void FrmImmagine::FitMap() {
  if (!loaded_) return;
  // The map takes the room its area has, at its own proportions.
  const int w = std::max(64, std::min(mapArea_->width(), 2 * mapArea_->height()));
  const QSize map(w, w / 2);
  if (map != Image1->size()) {
    Image1->resize(map);
    ShowPicture();
  }
  PlaceMarker();
}

void FrmImmagine::PlaceMarker() {
  // marker_ is the marker's top left corner as a share of the map.
  Picture1->move(static_cast<int>(std::lround(marker_.x() * Image1->width())),
                 static_cast<int>(std::lround(marker_.y() * Image1->height())));
}

void FrmImmagine::SetsChosen(int index) {
  fileSets_.reset();
  if (index != 1) {
    Redraw(lastSat_);
    return;
  }
  loading_ = true;
  const std::filesystem::path file = programDir_ / state_.ElementFileName;
  auto sets = std::make_shared<FileSets>();
  auto work = [sets, file] {
    if (const auto text = ReadTextFile(file)) sets->sets = CandidatesOfFile(ReadElementSets(*text));
  };
  auto done = [window = QPointer<FrmImmagine>(this), sets] {
    if (!window) return;
    window->loading_ = false;
    if (window->CboSets->currentIndex() != 1) return;
    window->fileSets_ = sets;
    window->Redraw(window->lastSat_);
  };
  StartOrRun(background_, std::move(work), std::move(done));
}

void FrmImmagine::Redraw(int sat) {
  lastSat_ = sat;
  if (!state_.Time.Utc) return;
  if (fileSets_) {
    DrawFileSets(sat);
    return;
  }
  scene_ = BuildMapScene(state_.Elements, state_.Models, state_.Station, *state_.Time.Utc, sat);
  hasScene_ = true;
  ShowPicture();
}

void FrmImmagine::DrawFileSets(int sat) {
  // Latest wins: ticks while one instant is being drawn leave one redraw, at
  // the instant the window shows when that one ends.
  if (drawing_) {
    drawAgain_ = true;
    return;
  }
  auto job = std::make_shared<FileScene>();
  job->sets = fileSets_;
  job->station = state_.Station;
  job->utc = *state_.Time.Utc;
  const int k = sat >= 1 && sat <= std::min(state_.SatCount, ElementTable::kOrbitalCapacity) ? sat : 1;
  job->catalog = state_.Elements[k].CatalogNumber;
  job->name = TrimmedName(state_.Elements[k].Name);
  auto work = [job] {
    // The table's selected satellite, found in the file by catalog number and name.
    const PassCandidates& f = job->sets->sets;
    int selected = 1;
    for (std::size_t i = 0; i < f.names.size(); ++i) {
      if (f.catalogNumbers[i] == job->catalog && f.names[i].substr(0, 9) == job->name) {
        selected = static_cast<int>(i) + 1;
        break;
      }
    }
    job->scene = BuildMapScene(f.names, f.models, job->station, job->utc, selected);
  };
  auto done = [window = QPointer<FrmImmagine>(this), job] {
    if (window) window->FileSetsDrawn(*job);
  };
  drawing_ = true;
  StartOrRun(background_, std::move(work), std::move(done));
}

void FrmImmagine::FileSetsDrawn(const FileScene& done) {
  drawing_ = false;
  // The table chosen meanwhile, or the file read again: these markers are stale.
  if (done.sets == fileSets_) {
    scene_ = done.scene;
    hasScene_ = true;
    ShowPicture();
  }
  if (drawAgain_) {
    drawAgain_ = false;
    if (fileSets_) DrawFileSets(lastSat_);
  }
}

void FrmImmagine::ShowPicture() {
  if (!hasScene_) return;
  Image1->setPixmap(QPixmap::fromImage(painter_.Render(scene_, Image1->width())));
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
  if (!at) return;
  marker_ = {static_cast<double>(at->left) / kMapWidthTwips, static_cast<double>(at->top) / kMapHeightTwips};
  PlaceMarker();
}

}  // namespace rdz
