// "Passes" in "Info": the list of every satellite's passes and its links to the table.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QFont>
#include <QTableView>

#include "core/passes/pass_export.h"
#include "core/passes/pass_time.h"
#include "windows/passes/frm_passes.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

class PassesWindow : public WindowTest {
 protected:
  FrmPasses* OpenAndWait() {
    form->Menus.MnuPasses->trigger();
    FrmPasses* passes = form->PassesWindow();
    Wait(passes);
    return passes;
  }
  static void Wait(FrmPasses* passes) {
    ASSERT_TRUE(PumpUntil([&] { return !passes->Busy(); }, 60));
    QCoreApplication::processEvents();
  }
  static QVariant At(const FrmPasses* w, int row, int column, int role = Qt::DisplayRole) {
    return w->GrdPasses->model()->index(row, column).data(role);
  }
  static std::string Cell(const FrmPasses* w, int row, int column) {
    return At(w, row, column).toString().toStdString();
  }
  static bool Marked(const FrmPasses* w, int row) { return At(w, row, 0, Qt::FontRole).value<QFont>().bold(); }
  static int RowCount(const FrmPasses* w) { return w->GrdPasses->model()->rowCount(); }
  // Not selectRow: that reads the keyboard's modifiers, which an earlier test may have left held.
  static void Select(FrmPasses* w, int row) {
    w->GrdPasses->selectionModel()->select(w->GrdPasses->model()->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
};

TEST_F(PassesWindow, ListsAllPassesInTimeOrderMarksTheSelectedOneAndSelectsOnDoubleClick) {
  StartWithSampleFiles();
  Option(5)->setChecked(true);  // ISS
  FrmPasses* w = OpenAndWait();
  ASSERT_NE(w, nullptr);
  ASSERT_FALSE(w->Busy());
  ASSERT_GT(RowCount(w), 1000);
  ASSERT_EQ(static_cast<std::size_t>(RowCount(w)), w->Rows().size());
  // Local time as the clocks show it: TxtUtc is 1 hour.
  const PassRow& first = w->Rows().front();
  EXPECT_EQ(Cell(w, 0, 0), first.name);
  const CivilTime aos = CivilFromUnix(first.pass.aos.time);
  EXPECT_EQ(Cell(w, 0, 1), FormatDate(aos) + " " + FormatTime(aos));
  EXPECT_EQ(Cell(w, 0, 2), FormatDate(aos) + " " + FormatTime(AddSeconds(aos, 3600)));
  EXPECT_NE(w->LblStatus->text().indexOf("QO-100"), -1);

  // Only ISS's first pass is marked.
  int marked = 0;
  while (marked < RowCount(w) && Cell(w, marked, 0) != "ISS") EXPECT_FALSE(Marked(w, marked++));
  ASSERT_LT(marked, RowCount(w));
  EXPECT_TRUE(Marked(w, marked));
  EXPECT_FALSE(Marked(w, marked + 1));

  // A double-click on a pass of satellite 2 selects it for tracking; its next pass is marked.
  int row2 = 0;
  while (Cell(w, row2, 0) != "UO-11") ++row2;
  emit w->GrdPasses->doubleClicked(w->GrdPasses->model()->index(row2, 3));
  EXPECT_TRUE(Option(1)->isChecked());
  EXPECT_TRUE(Marked(w, row2));
  EXPECT_FALSE(Marked(w, marked));

  // Sorted by the value behind the text; the mark and the selection follow their pass.
  Select(w, row2);
  w->GrdPasses->sortByColumn(4, Qt::DescendingOrder);
  double highest = -90;
  for (const PassRow& r : w->Rows()) highest = std::max(highest, r.pass.tca.elevation);
  EXPECT_EQ(Cell(w, 0, 4), Angle1(highest));
  ASSERT_EQ(w->GrdPasses->selectionModel()->selectedRows().size(), 1);
  const int selected = w->GrdPasses->selectionModel()->selectedRows().front().row();
  EXPECT_EQ(Cell(w, selected, 0), "UO-11");
  EXPECT_TRUE(Marked(w, selected));
}

TEST_F(PassesWindow, ExportsTheListAndSaysWhenTheFileCannotBeWritten) {
  StartWithSampleFiles();
  FrmPasses* w = OpenAndWait();
  w->TxtDays->setValue(1);
  w->CmdCompute->click();
  Wait(w);
  std::string target = (dir.path() / "passes.csv").string();
  w->SetFileChooser([&](const std::string&, const std::string&) { return target; });
  w->CmdCsv->click();
  EXPECT_EQ(dir.Read("passes.csv"), PassesCsv(w->Rows(), "\r\n"));
  EXPECT_TRUE(messages.shown.empty());

  target = (dir.path() / "missing" / "passes.csv").string();
  w->CmdCsv->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].find(target), std::string::npos);
}

// "whole file" searches every set of the element file; a set the table does
// not hold can be put into it, through SATS.
TEST_F(PassesWindow, SearchesTheWholeFileAndPutsASetIntoTheTable) {
  WriteSampleFiles();
  dir.Write("config.txt", dir.Read("config.txt") + "SATS = 7530, 25544\r\n");
  MakeForm();
  StartAtUtc({2026, 5, 11, 12, 0, 0});
  ASSERT_EQ(state.SatCount, 2);
  FrmPasses* w = OpenAndWait();
  w->CboSource->setCurrentIndex(1);
  w->CmdCompute->click();
  Wait(w);
  int row = 0;
  while (row < RowCount(w) && Cell(w, row, 0) != "RS-44") ++row;
  ASSERT_LT(row, RowCount(w));
  Select(w, row);
  ASSERT_TRUE(w->CmdAddToTable->isEnabled());
  w->CmdAddToTable->click();
  EXPECT_NE(dir.Read("config.txt").find("SATS = 7530, 25544, 44909\r\n"), std::string::npos);
  EXPECT_EQ(state.SatCount, 3);
  // The table's own satellites cannot be put in again.
  while (Cell(w, row, 0) != "ISS") ++row;
  Select(w, row);
  EXPECT_FALSE(w->CmdAddToTable->isEnabled());
}

}  // namespace
}  // namespace rdz::test
