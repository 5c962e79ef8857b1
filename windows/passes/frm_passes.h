#pragma once
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/elements/element_set.h"
#include "core/load/tracker_state.h"
#include "core/passes/table_passes.h"
#include "core/ports/background_work.h"
#include "core/base/civil_time.h"
#include "core/ports/message_box.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QProgressBar;
class QTimer;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace rdz {

class PassTableModel;

// What the Passes window needs from the main window.
struct PassWindowLinks {
  std::function<CivilTime()> utcNow;         // the instant the main window shows
  std::function<double()> utcDifference;     // hours the local clock is ahead of UTC
  std::function<int()> selectedSatellite;    // entry from 1; 0 for none
  std::function<void(int)> selectSatellite;  // entry from 1
  // The file to write; empty when the user cancels.
  std::function<std::string(const std::string& caption, const std::string& filter)> chooseFile;
  // Puts a set of the element file into the table (through SATS).
  std::function<void(std::uint32_t catalog, const std::string& fullName)> addToTable;
};

// The passes of every satellite of the table, or of every set of the element
// file, in time order, for the chosen days and minimum elevation. The search
// runs as background work, with its progress shown, and can be cancelled.
class FrmPasses final : public QWidget {
  Q_OBJECT

 public:
  // No `background`: the search runs at once on the calling thread.
  FrmPasses(const TrackerState& state, std::filesystem::path programDir, MessageBox& messages,
            BackgroundWork* background, PassWindowLinks links, QWidget* parent = nullptr);
  ~FrmPasses() override;

  // A new search from the main window's instant; one asked for while another
  // runs starts when that one ends.
  void Compute();
  bool Busy() const { return busy_; }
  // Marks the next pass of the satellite the main window has selected.
  void MarkNextPass();
  void ExportCsv();
  void ExportCalendar();
  // Stops the search under way; the list shown stays.
  void Cancel();
  // The selected pass's set into the table, when it is not there yet.
  void AddSelectedToTable();
  const std::vector<PassRow>& Rows() const { return rows_; }
  void SetFileChooser(std::function<std::string(const std::string&, const std::string&)> choose) {
    links_.chooseFile = std::move(choose);
  }

  QSpinBox* TxtDays = nullptr;
  QDoubleSpinBox* TxtMinEl = nullptr;
  QCheckBox* ChkVisible = nullptr;  // only passes sunlit while the station is dark
  QPushButton* CmdCompute = nullptr;
  QPushButton* CmdCsv = nullptr;
  QPushButton* CmdIcs = nullptr;
  QComboBox* CboSource = nullptr;  // "table" or "whole file"
  QPushButton* CmdCancel = nullptr;
  QPushButton* CmdAddToTable = nullptr;
  QProgressBar* PrgSearch = nullptr;
  QTableView* GrdPasses = nullptr;  // over the found passes, texts made as shown
  QLabel* LblStatus = nullptr;

 signals:
  void computed();

 private:
  struct Search;
  void Start();
  void Finished();
  void ShowRows();
  void ShowProgress();
  const PassRow* SelectedRow() const;
  void Export(const std::string& caption, const std::string& filter, const std::string& bytes);

  const TrackerState& state_;
  std::filesystem::path programDir_;
  MessageBox& messages_;
  PassWindowLinks links_;
  std::vector<PassRow> rows_;
  PassTableModel* passModel_ = nullptr;
  std::shared_ptr<Search> search_;
  BackgroundWork* background_;
  bool busy_ = false;
  bool again_ = false;
  bool wholeFile_ = false;  // the list shown is of the whole file
  QTimer* progressTimer_ = nullptr;
  std::int64_t shownAt_ = 0;  // the start of the list shown
};

}  // namespace rdz
