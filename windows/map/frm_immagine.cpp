#include "windows/map/frm_immagine.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <thread>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
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

QLabel* FrmImmagine::MakeLabel(const char* caption, int left, int top, int width, int height) {
  auto* label = new QLabel(QString::fromLatin1(caption), this);
  label->setTextFormat(Qt::PlainText);  // the name comes from the element file
  label->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
  QFont font = label->font();
  font.setPointSizeF(8.25);
  label->setFont(font);
  return label;
}

void FrmImmagine::CreateControls() {
  Image1 = new QLabel(this);
  Image1->setPixmap(QPixmap::fromImage(EarthImage()));
  Image1->setScaledContents(true);
  Image1->setGeometry(0, 0, Twips(6930), Twips(3945));

  Picture1 = new QWidget(this);
  Picture1->setAutoFillBackground(true);
  QPalette red = Picture1->palette();
  red.setColor(QPalette::Window, Qt::red);
  Picture1->setPalette(red);
  Picture1->setGeometry(Twips(30), Twips(4110), Twips(kMarkerSize), Twips(kMarkerSize));

  // The notice the still picture carried is gone now that the map is live.
  Label1 = MakeLabel("", 1260, 1755, 5250, 1095);
  Label1->hide();

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

  CboSets = new QComboBox(this);
  CboSets->addItems({QStringLiteral("table"), QStringLiteral("whole file")});
  CboSets->setGeometry(Twips(5100), Twips(4710), Twips(1500), Twips(375));

  // The marker lies over the map.
  Picture1->raise();
}

void FrmImmagine::Load() {
  Image1->resize(Twips(kMapWidthTwips), Twips(kMapHeightTwips));
  resize(Twips(kMapWidthTwips + 100), Twips(kMapHeightTwips + 2000));
  Picture1->move(Twips(kMarkerAtLoad.left), Twips(kMarkerAtLoad.top));
  loadMap_ = Image1->size();
  below_.clear();
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w != Image1 && w != Picture1) below_.emplace_back(w, w->pos());
  loaded_ = true;
}

void FrmImmagine::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!loaded_) return;
  // The map takes the room the load margins leave, at its own proportions.
  const int extraW = Twips(kMapWidthTwips + 100) - loadMap_.width();
  const int extraH = Twips(kMapHeightTwips + 2000) - loadMap_.height();
  const int w = std::max(64, std::min(width() - extraW, 2 * (height() - extraH)));
  const QSize map(w, w / 2);
  if (map == Image1->size()) return;
  const double fx = static_cast<double>(map.width()) / Image1->width();
  const double fy = static_cast<double>(map.height()) / Image1->height();
  const QPoint marker = Picture1->geometry().center();
  Picture1->move(static_cast<int>(std::lround(marker.x() * fx)) - Picture1->width() / 2,
                 static_cast<int>(std::lround(marker.y() * fy)) - Picture1->height() / 2);
  Image1->resize(map);
  for (auto& [widget, at] : below_) widget->move(at.x(), at.y() + map.height() - loadMap_.height());
  ShowPicture();
}

void FrmImmagine::SetsChosen(int index) {
  fileSets_.reset();
  if (index != 1) {
    Redraw(lastSat_);
    return;
  }
  loading_ = true;
  const std::filesystem::path file = programDir_ / state_.ElementFileName;
  QPointer<FrmImmagine> window(this);
  std::thread([window, file] {
    auto sets = std::make_shared<FileSets>();
    if (const auto text = ReadTextFile(file)) sets->sets = CandidatesOfFile(ReadElementSets(*text));
    QMetaObject::invokeMethod(QCoreApplication::instance(), [window, sets] {
      if (!window) return;
      window->loading_ = false;
      if (window->CboSets->currentIndex() != 1) return;
      window->fileSets_ = sets;
      window->Redraw(window->lastSat_);
    }, Qt::QueuedConnection);
  }).detach();
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
  if (background_ == nullptr) {
    work();
    done();
  } else {
    background_->Start(std::move(work), std::move(done));
  }
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
  // The marker's design mapping is for the map at its load size.
  const double f = loadMap_.isEmpty() ? 1.0 : static_cast<double>(Image1->width()) / loadMap_.width();
  const QPoint centre(Twips(at->left + kMarkerSize / 2), Twips(at->top + kMarkerSize / 2));
  Picture1->move(static_cast<int>(std::lround(centre.x() * f)) - Picture1->width() / 2,
                 static_cast<int>(std::lround(centre.y() * f)) - Picture1->height() / 2);
}

}  // namespace rdz
