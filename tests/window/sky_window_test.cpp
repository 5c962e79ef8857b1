// The Sun and the Moon as the rotor's target, and alerts, through the real
// main window: the KV250 sent where `state SUN` says, notifications and the
// user's program at the pass list's times, the alerts dialog writing config.txt.
#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <sys/stat.h>

#include <sstream>

#include "programs/cli/cli.h"
#include "windows/main/alert_link.h"
#include "core/orbit/body_look.h"
#include "platform/qt/qt_text.h"
#include "core/rotor/kv250.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

struct FakeNotifier final : Notifier {
  std::vector<std::string> shown;
  void Notify(const std::string& summary, const std::string& body) override { shown.push_back(summary + "|" + body); }
};

class SkyWindow : public WindowTest {
 protected:
  std::string Caption() const { return qt::FromQString(Option(kTrackerOffOption)->text()); }
  void MakeWithNotifier(Notifier* notifier) {
    const Services services{clock, messages, sound, events, dir.path(), port.Ports(), {}, &background,
                            nullptr, nullptr, nullptr, notifier};
    form = std::make_unique<FrmTrack>(state, services);
    form->Timer1.SetEnabled(false);
  }
};

TEST_F(SkyWindow, TrackerSunSendsTheKv250WhereTheSunIsUntilASatelliteOrOffIsChosen) {
  StartWithSampleFiles();
  form->Menus.TrkSun->trigger();
  EXPECT_TRUE(form->Menus.TrkSun->isChecked());
  EXPECT_FALSE(form->Menus.TrkMoon->isChecked());
  EXPECT_EQ(Caption(), "KV 250 [Sun]");
  ASSERT_TRUE(PumpUntil([&] { return port.Writes().size() == kTransferWrites; }, 5));
  const LookAngles sun = BodyStateAt(SkyBody::Sun, state.Station, static_cast<double>(UnixSeconds(*state.Time.Utc))).look;
  ASSERT_GT(sun.elevation, 10);
  const auto word = Kv250Writes(Kv250Word(std::nearbyint(sun.azimuth), std::nearbyint(sun.elevation)));
  EXPECT_EQ(port.Values(), std::vector<int>(word.begin(), word.end()));
  EXPECT_EQ(qt::FromQString(Label("LblAZ")->text()), std::to_string(static_cast<int>(std::nearbyint(sun.azimuth))));
  EXPECT_EQ(qt::FromQString(Label("LblEL")->text()), std::to_string(static_cast<int>(std::nearbyint(sun.elevation))));

  form->Menus.TrkMoon->trigger();
  EXPECT_EQ(Caption(), "KV 250 [Moon]");
  EXPECT_FALSE(form->Menus.TrkSun->isChecked());
  Option(kTrackerOffOption)->click();
  EXPECT_FALSE(form->Menus.TrkMoon->isChecked());
  EXPECT_FALSE(form->Menus.TrkSun->isChecked());
  EXPECT_FALSE(form->TrackedBody());
  EXPECT_EQ(Caption(), "KV 250 tracker Offline");
}

// The first pass after the lead, announced 5 minutes ahead and at AOS; the
// program fails and the status line says so; without a notifier service a box.
TEST_F(SkyWindow, AlertsComeAtThePassListsTimesWithTheProgramsFailureInTheStatusLine) {
  WriteSampleFiles();
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"passes", "--summary", "--days", "1", "all", "11/05/2026", "12:06:00"}, dir.path(), out, err), 0);
  std::istringstream csv(out.str());
  std::string row;
  std::getline(csv, row);
  while (std::getline(csv, row) && row.substr(row.find(',') + 1, 20) < "2026-05-11T12:06:00Z") {
  }
  const std::string name = row.substr(0, row.find(','));
  const std::string aos = row.substr(row.find(',') + 12, 8);  // hh:mm:ss
  dir.Write("fails", "#!/bin/sh\nexit 3\n");
  chmod((dir.path() / "fails").c_str(), 0755);
  dir.Write("config.txt", SampleFile("config.txt") + "ALERTSATS = " + name + "\r\nALERTLEAD = 5\r\nALERTCOMMAND = " +
                              (dir.path() / "fails").string() + "\r\n");
  for (const bool desktop : {true, false}) {
    FakeNotifier notifier;
    MakeWithNotifier(desktop ? &notifier : nullptr);
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    StartAtUtc({2026, 5, 11, 12, 0, 0});
    const int plays = sound.plays;
    const CivilTime end = *ParseDateTime("11/05/2026", aos);
    // As the real clock does, the ticks leave the search behind the alerts time to end.
    while (UnixSeconds(*state.Time.Utc) < UnixSeconds(end) + 30) {
      Tick(30);
      ASSERT_TRUE(PumpUntil([&] { return !form->Alerts->Searching(); }, 10));
    }
    ASSERT_TRUE(PumpUntil([&] { return !form->Alerts->Status->text().isEmpty(); }, 10));
    EXPECT_NE(qt::FromQString(form->Alerts->Status->text()).find("failed: exit status 3"), std::string::npos);
    EXPECT_EQ(sound.plays - plays, 2);
    if (!desktop) {
      ASSERT_TRUE(form->Alerts->Box);
      EXPECT_FALSE(form->Alerts->Box->isModal());
      EXPECT_EQ(qt::FromQString(form->Alerts->Box->text()).substr(0, name.size() + 5), name + ": AOS");
      continue;
    }
    ASSERT_EQ(notifier.shown.size(), 2u) << (notifier.shown.empty() ? "" : notifier.shown[0]);
    EXPECT_EQ(notifier.shown[0].substr(0, name.size() + 15), name + ": AOS in 5 min|");
    EXPECT_EQ(notifier.shown[1].substr(0, name.size() + 6 + 8), name + ": AOS|" + aos);
  }
}

}  // namespace
}  // namespace rdz::test
