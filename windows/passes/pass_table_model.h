#pragma once
#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/passes/table_passes.h"

namespace rdz {

// The found passes as the Passes window's table shows them: a cell's text is
// made when the view asks for it, so a whole file's list (hundreds of
// thousands of passes) is shown at once. Sorting reorders row numbers only,
// by the value behind the text (a time, an angle), not by the text.
class PassTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kSat, kAosUtc, kAosLocal, kAosAz, kMaxEl, kLosUtc, kLosAz, kDuration, kColumns };
  static constexpr int kRowRole = Qt::UserRole + 1;  // index into the pass list

  explicit PassTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // `rows` must outlive the model or the next Show. `localSeconds`: how far
  // local time is ahead of UTC. With `wholeFile`, the satellite column sorts
  // by catalog number, else by table entry.
  void Show(const std::vector<PassRow>* rows, std::int64_t localSeconds, bool wholeFile);
  // The pass (index into the list) shown bold on green; nothing for none.
  void Mark(std::optional<std::size_t> index);
  // Index into the list of the pass shown in view row `row`.
  std::size_t IndexAt(int row) const { return order_[static_cast<std::size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  double SortKey(std::size_t i, int column) const;
  int RowOf(std::size_t index) const;

  const std::vector<PassRow>* rows_ = nullptr;
  std::vector<std::size_t> order_;  // view row -> index into the list
  std::int64_t local_ = 0;
  bool wholeFile_ = false;
  std::optional<std::size_t> marked_;
};

}  // namespace rdz
