// The main window: its panels at every size, the keyboard, the status bar,
// start-up and closing.
#include <QApplication>
#include <QFontInfo>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"
#include "windows/editor/frm_config.h"
#include "windows/main/rotor_link.h"
#include "windows/passes/frm_passes.h"

namespace rdz::test {
namespace {

using qt::FromQString;

// At every size no button is cut and no row loses a column; a larger window
// gives the table a larger font instead of a blank, a smaller one scrolls.
TEST_F(WindowTest, EverySizeKeepsTheControlsWholeAndUsesItsRoom) {
  StartWithSampleFiles();
  struct Size {
    int width, height;
    bool scrolls;
  };
  double points = 0;
  for (const Size size : {Size{640, 400, true}, Size{867, 600, true}, Size{1000, 700, false},
                          Size{1600, 1000, false}}) {
    SCOPED_TRACE(size.width);
    form->resize(size.width, size.height);
    for (int settle = 0; settle < 3; ++settle) QApplication::processEvents();  // a larger font lays out again
    for (const QPushButton* b : form->findChildren<QPushButton*>()) {
      if (b->isVisible()) EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << FromQString(b->text());
    }
    EXPECT_GE(Row(0)->width(), Row(0)->sizeHint().width());
    EXPECT_TRUE(QFontInfo(Row(0)->font()).fixedPitch());
    EXPECT_TRUE(Label("Label3")->font().bold());
    EXPECT_EQ(Row(0)->x(), Label("Label3")->x());
    EXPECT_EQ(Row(30)->y(), Row(0)->y());
    EXPECT_EQ(Row(30)->x(), Label("Label4")->x());
    const auto* table = Control<QScrollArea>("LiveTable");
    EXPECT_EQ(table->verticalScrollBar()->isVisible(), size.scrolls);
    EXPECT_EQ(table->horizontalScrollBar()->isVisible(), size.width < 867);
    // From the window's size at start-up on, the top band never needs scrolling sideways.
    EXPECT_EQ(Control<QScrollArea>("MainScroll")->horizontalScrollBar()->isVisible(), size.width < 867);
    EXPECT_GE(Row(0)->font().pointSizeF(), points);
    points = Row(0)->font().pointSizeF();
  }
  EXPECT_GT(points, 8.25);
}

// The table from the keyboard: Tab reaches it, Up/Down move its cursor, Space
// and Enter track the cursor's satellite, Ctrl+Enter opens its forecast.
TEST_F(WindowTest, TheTableWorksFromTheKeyboard) {
  StartWithSampleFiles();
  QApplication::setActiveWindow(form.get());
  QWidget* table = Control<QWidget>("LiveTable");
  Control<QWidget>("TxtUtc")->setFocus();
  for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != table; ++tabs) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), table);
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int tracked;  // the option set afterwards
  };
  for (const Key k : {Key{Qt::Key_Down, {}, 60}, Key{Qt::Key_Down, {}, 60}, Key{Qt::Key_Space, {}, 2},
                      Key{Qt::Key_Up, {}, 2}, Key{Qt::Key_Return, {}, 1}, Key{Qt::Key_Down, {}, 1},
                      Key{Qt::Key_Enter, Qt::KeypadModifier, 2}}) {
    QTest::keyClick(table, k.key, k.modifiers);
    EXPECT_TRUE(Option(static_cast<std::size_t>(k.tracked))->isChecked()) << k.key;
  }
  EXPECT_EQ(form->TrackedSatellite(), 3);
  EXPECT_FALSE(form->AOSLOSWindow());
  QTest::keyClick(table, Qt::Key_Return, Qt::ControlModifier);
  ASSERT_TRUE(form->AOSLOSWindow());
  EXPECT_TRUE(form->AOSLOSWindow()->windowTitle().endsWith(qt::ToQString(state.Elements[3].Name)));
}

// Escape closes the Passes window and the editor (which saves on closing).
TEST_F(WindowTest, EscapeClosesThePassesWindowAndTheEditor) {
  StartWithSampleFiles();
  form->MnuPassesClick();
  form->MnuConfigClick();
  for (QWidget* window : {static_cast<QWidget*>(form->PassesWindow()),
                          static_cast<QWidget*>(form->findChild<FrmConfig*>())}) {
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->isVisible());
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << FromQString(window->windowTitle());
  }
}

// Messages are shown whole in their tool tips and never widen the window; the
// rotor's line is grey while nothing is tracked, and keeps its own field.
TEST_F(WindowTest, StatusBarFieldsKeepTheirPlace) {
  StartWithSampleFiles();
  const std::string longest(400, 'x');
  form->statusBar()->ShowElements(longest, true);
  EXPECT_NE(Label("LblElementStatus")->toolTip().indexOf(qt::ToQString(longest)), -1);
  EXPECT_LT(form->minimumSizeHint().width(), 700);
  QLabel* rotor = form->Rotors->Status;
  ASSERT_TRUE(rotor);
  EXPECT_EQ(rotor->parent(), form->statusBar());
  EXPECT_GT(rotor->geometry().top(), Label("LblElementStatus")->geometry().bottom());  // a line of its own
  EXPECT_TRUE(rotor->property("quiet").toBool());
  Option(1)->click();
  form->Timer1Tick();
  EXPECT_FALSE(rotor->property("quiet").toBool());
}

TEST_F(WindowTest, StartUpTicksBeforeLoadingAndShowsBeforeReading) {
  WriteSampleFiles();
  // What the window is like at the first clock reading and when loading starts.
  std::vector<std::string> seen;
  const auto see = [&](const TrackerState& st) {
    seen.push_back(std::to_string(form->isVisible()) + "|" + st.ElementFileName + "|" +
                   std::to_string(st.SatCount) + "|" + RowText(0) + "|" + FromQString(Label("lblOrario")->text()));
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
  EXPECT_EQ(Option(60)->text(), "Antenna Tracker OFF");
  EXPECT_EQ(form->SelectedOption(), 60);
  Option(0)->setChecked(true);
  EXPECT_EQ(form->SelectedOption(), -1);
  EXPECT_FALSE(Option(60)->isChecked());
  form->Load();
  EXPECT_EQ(Row(59)->text(), "NO SAT");
  EXPECT_EQ(Label("LblElementStatus")->text(), "amateur.txt: no such file or directory");
  EXPECT_NE(Label("LblElementStatus")->styleSheet().indexOf("#c00000"), -1);
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
