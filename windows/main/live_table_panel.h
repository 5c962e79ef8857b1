#pragma once
#include <QScrollArea>
#include <array>
#include <string>

#include "core/table/live_table.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace rdz {

class TableRow;

// The live table: LblSat(0) to LblSat(59) with their option buttons
// Option1(0) to Option1(59) in two halves of 30 rows under the headings
// Label3/Label8 and Label4/Label9. A larger room gets a larger font; a
// smaller one scrolls.
// From the keyboard: Up/Down move the row cursor, Space or Enter track its
// satellite, Ctrl+Enter opens its forecast.
class LiveTablePanel final : public QScrollArea {
  Q_OBJECT

 public:
  explicit LiveTablePanel(QWidget* parent = nullptr);

  // Option1(60), tracking off: in the same exclusive group, placed by the rotor panel.
  QRadioButton* TrackerOffButton() const { return Option1[kTrackerOffOption]; }

  void ShowRow(int row, const std::string& text, RowColours colours);
  std::string RowText(int row) const;
  // The option button that is set, 0..60, or -1 for none.
  int CheckedOption() const;
  // Sets Option1(option) as code does: the clicked handler does not run.
  void Check(int option);
  // Clicks Option1(option) as the user does.
  void Click(int option);
  int CursorRow() const { return cursor_; }

 signals:
  // The user clicked Option1(option) (mouse or keyboard).
  void optionClicked(int option);
  // Option1(option) became set, by the user or by code.
  void optionChosen(int option);
  // A double-click on a row, or Ctrl+Enter on the cursor's row.
  void forecastRequested(int row);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Arrange();
  void FitFont();
  void MoveCursor(int row);

  QWidget* content_ = nullptr;
  QGridLayout* grid_ = nullptr;
  TableRow* Label3 = nullptr;
  TableRow* Label4 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  std::array<TableRow*, kTableRows> LblSat{};
  std::array<QRadioButton*, kTableRows + 1> Option1{};
  QButtonGroup* Option1Group = nullptr;
  std::array<RowColours, kTableRows> colours_{};
  double pointSize_ = 0;
  int cursor_ = 0;
};

}  // namespace rdz
