#include "windows/passes/pass_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>
#include <cstdio>

#include "core/passes/pass_export.h"
#include "core/base/civil_time.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

std::string ClockText(std::int64_t unix) {
  const CivilTime t = CivilFromUnix(unix);
  return FormatDate(t) + " " + FormatTime(t);
}

std::string DurationText(std::int64_t seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  return buffer;
}

}  // namespace

void PassTableModel::Show(const std::vector<PassRow>* rows, std::int64_t localSeconds,
                          bool wholeFile) {
  beginResetModel();
  rows_ = rows;
  local_ = localSeconds;
  wholeFile_ = wholeFile;
  marked_.reset();
  order_.resize(rows_ != nullptr ? rows_->size() : 0);
  for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
  endResetModel();
}

int PassTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int PassTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant PassTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::size_t i = IndexAt(index.row());
  const bool marked = marked_ && *marked_ == i;
  if (role == kRowRole) return static_cast<qulonglong>(i);
  if (role == Qt::FontRole) {
    if (!marked) return {};
    QFont font;
    font.setBold(true);
    return font;
  }
  if (role == Qt::BackgroundRole) return marked ? QVariant(QBrush(QColor(0x80, 0xFF, 0x80))) : QVariant();
  if (role != Qt::DisplayRole) return {};
  const PassRow& row = (*rows_)[i];
  const Pass& p = row.pass;
  switch (index.column()) {
    case kSat: return qt::ToQString(row.name);
    case kAosUtc: return qt::ToQString(ClockText(p.aos.time));
    case kAosLocal: return qt::ToQString(ClockText(p.aos.time + local_));
    case kAosAz: return qt::ToQString(Azimuth1(p.aos.azimuth));
    case kMaxEl: return qt::ToQString(Angle1(p.tca.elevation));
    case kLosUtc: return qt::ToQString(FormatTime(CivilFromUnix(p.los.time)));
    case kLosAz: return qt::ToQString(Azimuth1(p.los.azimuth));
    case kDuration: return qt::ToQString(DurationText(p.Duration()));
    default: return {};
  }
}

QVariant PassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kCaptions[kColumns] = {"Satellite", "AOS UTC", "AOS local", "AOS az",
                                                  "Max el",    "LOS UTC", "LOS az",    "Duration"};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString::fromLatin1(kCaptions[section]);
}

double PassTableModel::SortKey(std::size_t i, int column) const {
  const PassRow& row = (*rows_)[i];
  const Pass& p = row.pass;
  switch (column) {
    case kSat: return wholeFile_ ? row.catalog : row.number;
    case kAosAz: return p.aos.azimuth;
    case kMaxEl: return p.tca.elevation;
    case kLosUtc: return static_cast<double>(p.los.time);
    case kLosAz: return p.los.azimuth;
    case kDuration: return static_cast<double>(p.Duration());
    default: return static_cast<double>(p.aos.time);  // both AOS columns
  }
}

void PassTableModel::sort(int column, Qt::SortOrder order) {
  if (rows_ == nullptr || column < 0 || column >= kColumns) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<std::size_t> indexOf;
  indexOf.reserve(static_cast<std::size_t>(before.size()));
  for (const QModelIndex& m : before) indexOf.push_back(IndexAt(m.row()));
  // Keys once per row, not once per comparison; equal keys keep list order.
  std::vector<double> keys(rows_->size());
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = SortKey(i, column);
  std::sort(order_.begin(), order_.end());
  std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
    return order == Qt::AscendingOrder ? keys[a] < keys[b] : keys[b] < keys[a];
  });
  std::vector<int> rowOf(order_.size());
  for (std::size_t r = 0; r < order_.size(); ++r) rowOf[order_[r]] = static_cast<int>(r);
  QModelIndexList after;
  after.reserve(before.size());
  for (qsizetype k = 0; k < before.size(); ++k)
    after.push_back(index(rowOf[indexOf[static_cast<std::size_t>(k)]], before[k].column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int PassTableModel::RowOf(std::size_t index) const {
  const auto it = std::find(order_.begin(), order_.end(), index);
  return static_cast<int>(it - order_.begin());
}

void PassTableModel::Mark(std::optional<std::size_t> index) {
  const auto changed = [this](std::optional<std::size_t> i) {
    if (!i || *i >= order_.size()) return;
    const int row = RowOf(*i);
    emit dataChanged(this->index(row, 0), this->index(row, kColumns - 1),
                     {Qt::FontRole, Qt::BackgroundRole});
  };
  const auto old = marked_;
  marked_ = index;
  changed(old);
  changed(marked_);
}

}  // namespace rdz
