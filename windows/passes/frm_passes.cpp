#include "windows/passes/frm_passes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <atomic>
#include <map>
#include <cmath>

#include "core/passes/catalog_passes.h"
#include "core/passes/pass_export.h"
#include "core/passes/pass_time.h"
#include "core/passes/visible_passes.h"
#include "windows/passes/pass_table_model.h"
#include "core/base/atomic_file.h"
#include "core/ports/clock.h"
#include "platform/qt/qt_text.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

std::string StatusText(const std::vector<SatellitePasses>& found, std::size_t passes,
                       const CivilTime& start, int days) {
  std::string never, always, failed;
  // A whole file's lists would fill the window: the first names, then how many more.
  int counts[3] = {0, 0, 0};
  const auto add = [&](std::string& list, const std::string& name) {
    int& n = counts[&list == &never ? 0 : &list == &always ? 1 : 2];
    if (++n <= 12) list += (list.empty() ? "" : ", ") + name;
    if (n == 13) list += " and more";
  };
  for (const SatellitePasses& s : found) {
    if (s.search.visibility == Visibility::NeverRises) add(never, s.name);
    if (s.search.visibility == Visibility::NeverSets) add(always, s.name);
    if (s.search.visibility == Visibility::Failed || s.search.failedPropagations > 0)
      add(failed, s.name);
  }
  std::string text = std::to_string(passes) + " passes of " + std::to_string(found.size()) +
                     " satellites in " + std::to_string(days) + " days from " + FormatDate(start) +
                     " " + FormatTime(start) + " UTC";
  if (!never.empty()) text += "\nNever above the horizon: " + never;
  if (!always.empty()) text += "\nAlways above the horizon: " + always;
  if (!failed.empty()) text += "\nNot computable (instants skipped): " + failed;
  return text;
}

}  // namespace

// What the search reads and writes; shared, so a search still running when the
// window closes writes into its own copy. The window reads it only after the end.
struct FrmPasses::Search {
  PassCandidates satellites;
  Observer station;
  PassOptions options;
  std::filesystem::path programDir;
  std::vector<SatellitePasses> found;
  std::filesystem::path file;  // the whole file's sets instead of the table's
  std::atomic<std::size_t> total{0};
  SearchProgress progress;
  std::string failure;  // why the file could not be read
  bool visible = false;        // the visible passes only, filtered after the search
  std::vector<PassRow> rows;   // the passes in time order, filtered
};

FrmPasses::FrmPasses(const TrackerState& state, std::filesystem::path programDir,
                     MessageBox& messages, BackgroundWork* background, PassWindowLinks links,
                     QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      programDir_(std::move(programDir)),
      messages_(messages),
      links_(std::move(links)),
      background_(background) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("RodeDizevad - Passes"));
  resize(860, 520);

  TxtDays = new QSpinBox(this);
  TxtDays->setRange(1, 14);
  TxtDays->setValue(3);
  TxtDays->setSuffix(QStringLiteral(" days"));
  TxtMinEl = new QDoubleSpinBox(this);
  TxtMinEl->setRange(0, 90);
  TxtMinEl->setDecimals(1);
  TxtMinEl->setSuffix(QStringLiteral("° min el"));
  ChkVisible = new QCheckBox(QStringLiteral("Visible only"), this);
  ChkVisible->setToolTip(QStringLiteral("Passes with the satellite sunlit while the Sun is 6 degrees or more below the horizon"));
  CmdCompute = new QPushButton(QStringLiteral("Compute"), this);
  CmdCsv = new QPushButton(QStringLiteral("Export CSV..."), this);
  CmdIcs = new QPushButton(QStringLiteral("Export .ics..."), this);
  CboSource = new QComboBox(this);
  CboSource->addItems({QStringLiteral("table"), QStringLiteral("whole file")});
  CmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  CmdCancel->setEnabled(false);
  CmdAddToTable = new QPushButton(QStringLiteral("Put into table"), this);
  CmdAddToTable->setEnabled(false);
  PrgSearch = new QProgressBar(this);
  PrgSearch->setVisible(false);
  // The controls in a strip of their own that scrolls sideways in a narrow window, never cut.
  auto* strip = new QWidget;
  auto* top = new QHBoxLayout(strip);
  top->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{CboSource, TxtDays, TxtMinEl, ChkVisible, CmdCompute, CmdCancel,
                                                    CmdCsv, CmdIcs, CmdAddToTable})
    top->addWidget(w);
  top->addStretch();
  auto* controls = new QScrollArea(this);
  controls->setObjectName(QStringLiteral("Controls"));
  controls->setFrameShape(QFrame::NoFrame);
  controls->setWidgetResizable(true);
  controls->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  controls->setWidget(strip);
  controls->setFixedHeight(strip->sizeHint().height() + controls->horizontalScrollBar()->sizeHint().height());
  // Escape closes the window, as its close button does.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(100);
  connect(progressTimer_, &QTimer::timeout, this, [this] { ShowProgress(); });

  passModel_ = new PassTableModel(this);
  GrdPasses = new QTableView(this);
  GrdPasses->setModel(passModel_);
  GrdPasses->verticalHeader()->hide();
  GrdPasses->setSelectionBehavior(QAbstractItemView::SelectRows);
  GrdPasses->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GrdPasses->setSortingEnabled(true);
  GrdPasses->sortByColumn(PassTableModel::kAosUtc, Qt::AscendingOrder);
  // A wider window widens the last column rather than leaving a blank at the right.
  GrdPasses->horizontalHeader()->setStretchLastSection(true);
  LblStatus = new QLabel(this);
  LblStatus->setTextFormat(Qt::PlainText);
  LblStatus->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(controls);
  layout->addWidget(GrdPasses, 1);
  layout->addWidget(PrgSearch);
  layout->addWidget(LblStatus);

  connect(CmdCompute, &QPushButton::clicked, this, [this] { Compute(); });
  connect(CmdCsv, &QPushButton::clicked, this, [this] { ExportCsv(); });
  connect(CmdIcs, &QPushButton::clicked, this, [this] { ExportCalendar(); });
  connect(CmdCancel, &QPushButton::clicked, this, [this] { Cancel(); });
  connect(CmdAddToTable, &QPushButton::clicked, this, [this] { AddSelectedToTable(); });
  connect(GrdPasses->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    const PassRow* row = SelectedRow();
    CmdAddToTable->setEnabled(wholeFile_ && row != nullptr && row->number == 0);
  });
  connect(GrdPasses, &QTableView::doubleClicked, this, [this](const QModelIndex& at) {
    if (!at.isValid() || !links_.selectSatellite) return;
    const std::size_t index = passModel_->IndexAt(at.row());
    if (index < rows_.size() && rows_[index].number > 0) links_.selectSatellite(rows_[index].number);
    MarkNextPass();
  });
}

FrmPasses::~FrmPasses() = default;

void FrmPasses::Compute() {
  if (busy_) {
    again_ = true;
    return;
  }
  Start();
}

void FrmPasses::Start() {
  auto search = std::make_shared<Search>();
  // The table's own models, shared: a reload during the search leaves them alone.
  search->satellites = CandidatesOf(state_.Elements, state_.Models, state_.SatCount);
  search->station = state_.Station;
  search->options.start = UnixSeconds(links_.utcNow());
  search->options.seconds = std::int64_t{TxtDays->value()} * 86400;
  search->options.minElevation = TxtMinEl->value();
  search->programDir = programDir_;
  search->options.horizon = state_.Config->horizon;
  if (CboSource->currentIndex() == 1) search->file = programDir_ / state_.ElementFileName;
  search->visible = ChkVisible->isChecked();
  search_ = search;
  CmdCompute->setEnabled(false);
  CmdCancel->setEnabled(true);
  PrgSearch->setValue(0);
  PrgSearch->setVisible(true);
  progressTimer_->start();
  LblStatus->setText(QStringLiteral("Computing..."));
  busy_ = true;
  auto work = [search] {
    if (!search->file.empty()) {
      const auto text = ReadTextFile(search->file, &search->failure);
      if (!text) return;
      search->satellites = CandidatesOfFile(ReadElementSets(*text));
    }
    search->total = search->satellites.names.size();
    search->found = FindAllPasses(search->satellites, search->station, search->options, 0,
                                  &search->progress);
    search->rows = TimeOrdered(search->found);
    if (search->visible) search->rows = VisibleOnly(search->rows, search->satellites, search->station);
  };
  // The window may be closed before the search ends.
  auto done = [window = QPointer<FrmPasses>(this)] {
    if (window) window->Finished();
  };
  StartOrRun(background_, std::move(work), std::move(done));
}

void FrmPasses::Finished() {
  busy_ = false;
  progressTimer_->stop();
  PrgSearch->setVisible(false);
  CmdCancel->setEnabled(false);
  if (again_) {
    again_ = false;
    Start();
    return;
  }
  CmdCompute->setEnabled(true);
  if (search_->progress.cancel) {
    LblStatus->setText(QStringLiteral("Search cancelled; the list shown is the one before."));
    return;
  }
  if (!search_->failure.empty()) {
    LblStatus->setText(qt::ToQString(search_->file.filename().string() + ": " + search_->failure));
    return;
  }
  wholeFile_ = !search_->file.empty();
  rows_ = std::move(search_->rows);
  if (wholeFile_) {
    // A row's number is its table entry, 0 for a set the table does not hold.
    std::map<std::pair<std::uint32_t, std::string>, int> entries;
    for (int k = std::min(state_.SatCount, ElementTable::kOrbitalCapacity); k >= 1; --k)
      entries[{state_.Elements[k].CatalogNumber, std::string(TrimBlanks(state_.Elements[k].Name))}] = k;
    std::vector<int> entryOf(search_->satellites.names.size(), 0);
    for (std::size_t i = 0; i < entryOf.size(); ++i) {
      const std::string name = search_->satellites.names[i].substr(0, 9);
      const auto it = entries.find({search_->satellites.catalogNumbers[i], std::string(TrimBlanks(name))});
      if (it != entries.end()) entryOf[i] = it->second;
    }
    for (PassRow& r : rows_) r.number = entryOf[static_cast<std::size_t>(r.number - 1)];
  }
  shownAt_ = search_->options.start;
  ShowRows();
  LblStatus->setText(qt::ToQString(StatusText(search_->found, rows_.size(),
                                              CivilFromUnix(shownAt_), static_cast<int>(search_->options.seconds / 86400))));
  MarkNextPass();
  emit computed();
}

void FrmPasses::ShowRows() {
  const auto hours = links_.utcDifference ? links_.utcDifference() : 0.0;
  const std::int64_t local = UtcDifferenceSeconds(hours).value_or(0);
  GrdPasses->clearSelection();
  passModel_->Show(&rows_, local, wholeFile_);
  GrdPasses->sortByColumn(PassTableModel::kAosUtc, Qt::AscendingOrder);
  GrdPasses->resizeColumnsToContents();
}

void FrmPasses::MarkNextPass() {
  const int selected = links_.selectedSatellite ? links_.selectedSatellite() : 0;
  const std::int64_t now = links_.utcNow ? UnixSeconds(links_.utcNow()) : shownAt_;
  passModel_->Mark(NextPassOf(rows_, selected, now));
}

void FrmPasses::ShowProgress() {
  if (!search_) return;
  const std::size_t total = search_->total.load();
  PrgSearch->setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
  PrgSearch->setValue(static_cast<int>(std::min(search_->progress.done.load(), total)));
}

void FrmPasses::Cancel() {
  if (busy_ && search_) {
    again_ = false;
    search_->progress.cancel = true;
  }
}

const PassRow* FrmPasses::SelectedRow() const {
  const QModelIndexList selected = GrdPasses->selectionModel()->selectedRows();
  if (selected.isEmpty()) return nullptr;
  const std::size_t index = passModel_->IndexAt(selected.front().row());
  return index < rows_.size() ? &rows_[index] : nullptr;
}

void FrmPasses::AddSelectedToTable() {
  const PassRow* row = SelectedRow();
  if (row == nullptr || row->number != 0 || !links_.addToTable) return;
  links_.addToTable(row->catalog, row->name);
}

void FrmPasses::ExportCsv() {
  Export("Export passes as CSV", "CSV (*.csv)", PassesCsv(rows_, "\r\n", wholeFile_));
}

void FrmPasses::ExportCalendar() {
  const std::int64_t stamp = links_.utcNow ? UnixSeconds(links_.utcNow()) : shownAt_;
  Export("Export passes as a calendar", "iCalendar (*.ics)", PassesCalendar(rows_, stamp));
}

void FrmPasses::Export(const std::string& caption, const std::string& filter,
                       const std::string& bytes) {
  if (!links_.chooseFile) return;
  const std::string file = links_.chooseFile(caption, filter);
  if (file.empty()) return;
  const WriteOutcome written = WriteFileAtomically(file, bytes);
  if (!written.ok) {
    messages_.Show("The passes could not be written to " + file + ": " + written.reason + ".",
                   kProgramName, MessageIcon::Exclamation);
  }
}

}  // namespace rdz
