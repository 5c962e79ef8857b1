// The main window's controls, layout, start-up and closing.
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "windows/main/tracking_picture.h"
#include "core/table/row_text.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

using qt::FromQString;

TEST_F(WindowTest, RowsUseAFixedPitchFontThatLinesUpUnderTheHeading) {
  MakeForm();
  const QFont rowFont = form->LblSat[0]->font();
  EXPECT_TRUE(QFontInfo(rowFont).fixedPitch()) << QFontInfo(rowFont).family().toStdString();
  EXPECT_TRUE(form->Label3->font().bold());
  const QFontMetrics rows(rowFont);
  const QFontMetrics heading(form->Label3->font());
  // Every column starts at the same pixel in the heading and in a row.
  const QString header = QString::fromLatin1(kTableHeader);
  const QString row = qt::ToQString(
      FormatRowText(PaddedName("AO-10"), {7, -12, 200, 812, 3204, 55, 130, -45, -120, 14368}));
  ASSERT_EQ(row.size(), header.size());
  for (qsizetype i = 1; i <= header.size(); ++i) {
    EXPECT_EQ(rows.horizontalAdvance(row.left(i)), heading.horizontalAdvance(header.left(i))) << i;
  }
  EXPECT_GE(form->LblSat[0]->width(), rows.horizontalAdvance(row));
  EXPECT_EQ(form->LblSat[0]->x(), form->Label3->x());
  EXPECT_EQ(form->LblSat[30]->x(), form->Label4->x());
}

// Nothing in the top band hides another control or is cut by the window edge.
TEST_F(WindowTest, TopBandControlsDoNotOverlap) {
  MakeForm();
  form->Load();
  std::vector<QWidget*> band = {form->Label1, form->lblData, form->lblOrario, form->Label5,
                                form->LblPCData, form->LblPCTime, form->Command1, form->CmdSky, form->CmdRotor,
                                form->Option1[60], form->ImgAZEL, form->Frame1};
  for (QPushButton* b : form->CmdStop) band.push_back(b);
  const auto apart = [](const std::vector<QWidget*>& ws, const QRect& within) {
    for (std::size_t a = 0; a < ws.size(); ++a) {
      EXPECT_TRUE(within.contains(ws[a]->geometry())) << a;
      for (std::size_t b = a + 1; b < ws.size(); ++b) {
        EXPECT_FALSE(ws[a]->geometry().intersects(ws[b]->geometry())) << a << " " << b;
      }
    }
  };
  apart(band, form->centralWidget()->rect().adjusted(0, 0, 1, 0));
  apart({form->Label2, form->TxtUtc, form->Label7, form->LblAZ, form->LblEL}, form->Frame1->rect());
  for (QLabel* label : {form->Label2, form->Label7, form->lblData, form->LblPCTime}) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << FromQString(label->text());
  }
}

TEST_F(WindowTest, StartUpTicksBeforeLoadingAndShowsBeforeReading) {
  WriteSampleFiles();
  // What the window is like at the first clock reading and when loading starts.
  std::vector<std::string> seen;
  const auto see = [&](const TrackerState& st) {
    seen.push_back(std::to_string(form->isVisible()) + "|" + st.ElementFileName + "|" +
                   std::to_string(st.SatCount) + "|" + FromQString(form->LblSat[0]->text()) +
                   "|" + FromQString(form->lblOrario->text()));
  };
  clock.onRead = [&] { if (seen.empty()) see(state); };
  MakeForm([&](const std::filesystem::path& dirPath, TrackerState& st) {
    see(st);
    return LoadElements(dirPath, st);
  });
  clock.now = {2026, 5, 11, 12, 0, 0};
  form->Load();
  // The first tick ran over an empty table before the window was shown.
  EXPECT_EQ(seen, (std::vector<std::string>{"0||0|NO SAT|00:00:00",
                                            "1|amateur.txt|0|NO SAT|11:00:00"}));

  EXPECT_GT(state.SatCount, 0);
  EXPECT_EQ(RowText(0).substr(0, 9), state.Elements[1].Name);
  EXPECT_EQ(form->windowTitle().toStdString(), kStandardCaption);
}

// The option buttons are one group, tracking off at first; a row chosen
// without a satellite selects nothing. Closing plays the short sound once.
TEST_F(WindowTest, StartUpWithoutFilesShowsAnEmptyTableAndClosingSoundsOnce) {
  MakeForm();
  EXPECT_EQ(form->Option1[60]->text(), "Antenna Tracker OFF");
  EXPECT_EQ(form->SelectedOption(), 60);
  form->Option1[0]->setChecked(true);
  EXPECT_EQ(form->SelectedOption(), -1);
  EXPECT_FALSE(form->Option1[60]->isChecked());
  form->Load();
  EXPECT_EQ(form->LblSat.back()->text(), "NO SAT");
  EXPECT_EQ(form->LblElementStatus->text(), "amateur.txt: no such file or directory");
  EXPECT_NE(form->LblElementStatus->styleSheet().indexOf("#c00000"), -1);
  EXPECT_TRUE(messages.shown.empty());
  // Inside the running event loop, as in the program: ending the loop closes
  // the windows once more, which must not sound again.
  QTimer::singleShot(0, form.get(), [this] { EXPECT_TRUE(form->close()); });
  QApplication::exec();
  EXPECT_EQ(sound.plays, 1);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace rdz::test
