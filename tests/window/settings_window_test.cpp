// The window while config.txt and the element file change under it: the
// tracked satellite is followed by who it is, and the settings on disk are in
// use without a restart.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/fake_internet.h"
#include "windows/map/frm_immagine.h"
#include "windows/main/rotor_link.h"
#include "core/base/crlf_text.h"
#include "platform/qt/qt_text.h"
#include "core/base/text_lines.h"
#include "core/table/row_text.h"
#include "core/rotor/kv250.h"
#include "windows/sky/frm_sky.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

struct SettingsWindow : WindowTest {
  std::string Field(int row, std::size_t at) const {
    return std::string(TrimBlanks(RowText(row).substr(at, 4)));
  }
  std::string Status() const { return qt::FromQString(Label("LblSettings")->text()); }
};

// SO-50 in row 9, then a reload in which it stands in row 8 and CO-55 in row 9.
TEST_F(SettingsWindow, TheTrackedSatelliteIsFollowedIntoItsNewRowAndDroppedWhenGone) {
  std::string extra = CrLfText(test::Block("XO-99"));
  extra.replace(extra.find("07530"), 5, "99999");
  dir.Write("amateur.txt", extra + SampleElements());
  dir.Write("config.txt", SampleFile("config.txt") + "SO-50 DOWN(436.795) MODE(FM)\r\nSO-50 DOWN(436.800) MODE(FM2)\r\n");
  MakeForm();
  StartAtUtc({2026, 5, 11, 0, 0, 0});
  // On to a minute when SO-50 is up, so that the rotor has somewhere to point.
  for (int i = 0; i < 1440 && std::stoi(Field(8, 13)) <= 0; ++i) Tick(60);
  ASSERT_GT(std::stoi(Field(8, 13)), 0);
  Option(8)->click();
  form->CboTransponderClick(1);
  Button("Command1")->click();
  Button("CmdSky")->click();

  dir.Write("amateur.txt", SampleElements());
  form->MnuLoadFileClick();
  form->Timer1Tick();
  ASSERT_EQ(RowText(7).substr(0, 9), "SO-50    ");
  EXPECT_TRUE(Option(7)->isChecked());
  EXPECT_EQ(form->TrackedSatellite(), 8);
  EXPECT_EQ(Option(60)->text(), "KV 250 [SO-50]");
  EXPECT_EQ(qt::FromQString(Label("LblAZ")->text() + " " + Label("LblEL")->text()), Field(7, 9) + " " + Field(7, 13));
  port.Clear();  // the KV250's next command points at SO-50
  ASSERT_TRUE(PumpUntil([&] { return port.Writes().size() == 49; }, 6));
  const auto word = Kv250Writes(Kv250Word(std::stod(Field(7, 9)), std::stod(Field(7, 13))));
  EXPECT_EQ(port.Values(), std::vector<int>(word.begin(), word.end()));
  EXPECT_EQ(form->Transponders.satellite, 8);
  ASSERT_TRUE(form->Transponders.Chosen());
  EXPECT_EQ(form->Transponders.Chosen()->description, "FM2 (config.txt)");
  const auto* map = form->findChild<FrmImmagine*>();
  const auto* sky = form->findChild<FrmSky*>();
  ASSERT_TRUE(map && sky);
  EXPECT_EQ(map->Scene().satellites.at(static_cast<std::size_t>(map->Scene().selected)).name, "SO-50");
  EXPECT_EQ(sky->Scene().name, "SO-50");

  // Gone from the file: tracking stops and the status says why; nothing else is followed.
  std::string without = SampleElements();
  without.erase(without.find("Satellite: SO-50"), without.find("Satellite: CO-55") - without.find("Satellite: SO-50"));
  dir.Write("amateur.txt", without);
  form->MnuLoadFileClick();
  form->Timer1Tick();
  EXPECT_TRUE(Option(60)->isChecked());
  EXPECT_EQ(form->TrackedSatellite(), 0);
  EXPECT_EQ(Label("LblAZ")->text(), "StBy");
  EXPECT_NE(Status().find("SO-50 is no longer in the element file"), std::string::npos) << Status();
  EXPECT_EQ(map->Scene().satellites.at(static_cast<std::size_t>(map->Scene().selected)).name, "AO-07");
}

// Written by another editor: the station, the warnings and the rotor follow at
// once; a station key out of range keeps its default and is named in red.
TEST_F(SettingsWindow, ConfigChangedOnDiskIsInUseAtOnceAndBadStationKeysAreNamed) {
  dir.Write("amateur.txt", SampleElements());
  MakeForm();
  StartAtUtc({2026, 5, 11, 12, 0, 0});
  EXPECT_NE(Status().find("config.txt cannot be read (no such file or directory)"), std::string::npos);
  EXPECT_FALSE(state.Station.LA);

  dir.Write("config.txt", "LA = 1e308\r\nLO = 8.95\r\nHT = 420\r\nHORIZON = 90\r\nROTOR = KV250 LPT2\r\n");
  ASSERT_TRUE(PumpUntil([&] { return state.Station.LO == 8.95; }, 10));
  EXPECT_EQ(Status(), "config.txt: LA = 1e308 is not a latitude from -90 to 90: 0 is used   "
                      "config.txt: HORIZON = 90 is not a horizon from -10 to 80: 0 is used");
  EXPECT_NE(Label("LblSettings")->styleSheet().indexOf(QStringLiteral("#c00000")), -1);
  EXPECT_FALSE(state.Station.LA);
  EXPECT_EQ(form->Rotors->InUse().choice.lpt, 2);
  EXPECT_TRUE(form->Menus.KV250_2->isChecked());
  form->Timer1Tick();  // the station at latitude 0 computes every satellite
  EXPECT_NE(RowText(0), FailedRowText(state.Elements[1].Name));

  dir.Write("config.txt", "LA = 46.5\r\nLO = 8.95\r\nHT = 420\r\nSATS = SO-50, ISS\r\n");
  ASSERT_TRUE(PumpUntil([&] { return state.SatCount == 2; }, 10));
  EXPECT_EQ(state.Station.LA, 46.5);
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(form->Rotors->InUse().choice.lpt, 1);
  EXPECT_EQ(RowText(2), "NO SAT...");
}

}  // namespace
}  // namespace rdz::test
