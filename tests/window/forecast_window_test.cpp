// Double-click on a row: the element box, then the forecast in FrmAOSLOS.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <sstream>

#include "programs/cli/cli.h"
#include "core/forecast/forecast_text.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

constexpr int kSo50 = 7;

class ForecastWindow : public WindowTest {
 protected:
  ForecastWindow() {
    WriteSampleFiles();
    auto sats = SampleSatellites();
    sats.resize(11);  // rows from 12 on stay empty
    MakeForm(LoaderOf(sats));
    StartAtUtc({2026, 5, 11, 11, 50, 0});
    form->Timer1.SetEnabled(true);
  }

  void DoubleClick(int row) {
    QLabel* label = Row(static_cast<std::size_t>(row));
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &click);
  }
  std::string Text() const { return form->AOSLOSWindow()->Text(); }
  void ExpectRealTimeAgain() const {
    EXPECT_TRUE(form->Timer1.Enabled());
    EXPECT_FALSE(form->Timer3.Enabled());
    EXPECT_EQ(state.Time.TimeStep, 0);
  }
};

// The timers, restart and stop are the session's; here they come back afterwards,
// and the real window's closing reaches the run.
TEST_F(ForecastWindow, ElementBoxThenTheSameListAsTheCommandLineUntilTheWindowCloses) {
  form->Timer3.SetEnabled(true);
  DoubleClick(kSo50);
  ASSERT_EQ(messages.boxes.size(), 1u);  // no title: the program's name
  EXPECT_TRUE(messages.boxes[0].starts_with("|    Satellite: \tSO-50            nr. 8\r\n"));
  EXPECT_EQ(qt::FromQString(form->AOSLOSWindow()->windowTitle()),
            "RodeDizevad - AOS LOS results SO-50    ");
  std::string lf = Text();
  std::erase(lf, '\r');
  EXPECT_EQ(qt::FromQString(form->AOSLOSWindow()->TxtAOSLOS->toPlainText()), lf);
  std::ostringstream out, err;
  RunCli({"passes", "8", "11/05/2026", "11:50:00"}, dir.path(), out, err);
  EXPECT_EQ(out.str(), lf);
  EXPECT_EQ(events.runs - 2, CountOf(Text(), "DATE: "));
  ExpectRealTimeAgain();

  events.runs = 0;
  events.onRun = [&] {  // another row asked for, then the window closed
    if (events.runs == 3) DoubleClick(kSo50 + 1), form->AOSLOSWindow()->close();
  };
  DoubleClick(kSo50);
  EXPECT_EQ(form->AOSLOSWindow(), nullptr);
  EXPECT_EQ(events.runs, 5);  // the two yields after the run
  ExpectRealTimeAgain();
  events.onRun = nullptr;
  DoubleClick(20);  // an empty row: the box, no forecast
  EXPECT_NE(messages.shown.back().find("nr. 21\r\n"), std::string::npos);
  EXPECT_EQ(form->AOSLOSWindow(), nullptr);
}

}  // namespace
}  // namespace rdz::test
