// The radio row of the main window: the transponders of the selected
// satellite from config.txt and transmitters.json, and the Doppler line.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

#include "windows/editor/frm_config.h"
#include "windows/main/passband_bar.h"
#include "windows/main/transponder_dialog.h"
#include "core/orbit/engine.h"
#include "platform/qt/qt_text.h"
#include "core/radio/doppler_line.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

using Items = std::vector<std::string>;

class DopplerWindow : public WindowTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    dir.Write("config.txt", SampleFile("config.txt") + "AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT\r\n");
    dir.Write("transmitters.json", TransmittersFixture());
    MakeForm();
    StartAtUtc({2026, 5, 11, 0, 0, 0});
  }
  void Select(int row) { Option(static_cast<std::size_t>(row))->click(); }
  std::string Line() const { return qt::FromQString(Label("LblDoppler")->text()); }
  // What the line must say for entry k and the chosen transponder at the window's instant.
  std::string Expected(int k) const {
    const auto p = state.Models[static_cast<std::size_t>(k - 1)]->At(SetupEngine(state.Station), *state.Time.Utc);
    return DopplerLineText(p->raw.rangeRate, form->Transponders.Chosen());
  }
  Items Shown() const {
    Items items;
    for (int i = 0; i < Control<QComboBox>("CboTransponder")->count(); ++i) items.push_back(qt::FromQString(Control<QComboBox>("CboTransponder")->itemText(i)));
    return items;
  }
};

TEST_F(DopplerWindow, SelectedSatelliteItsTranspondersTheLineOnEveryTickAndNewListsReadOnce) {
  EXPECT_EQ(Line(), "");  // tracking off: no satellite
  EXPECT_FALSE(Control<QComboBox>("CboTransponder")->isEnabled());
  Select(0);  // AO-07
  EXPECT_EQ(Shown(), (Items{"USB (config.txt)", "Mode V/A (A) Linear", "Beacon"}));
  EXPECT_EQ(Line(), Expected(1));

  const std::string before = Line();
  Tick(60);
  EXPECT_EQ(Line(), Expected(1));
  EXPECT_NE(Line(), before);

  form->CboTransponderClick(2);
  form->Timer1Tick();
  EXPECT_EQ(form->Transponders.Chosen()->description, "Beacon");  // ticks keep the operator's pick
  EXPECT_EQ(Line(), Expected(1));

  Select(1);  // UO-11 has none: the range rate alone, and where transponders come from
  EXPECT_FALSE(Control<QComboBox>("CboTransponder")->isEnabled());
  EXPECT_EQ(Line(), Expected(2));
  EXPECT_EQ(Control<QComboBox>("CboTransponder")->currentIndex(), -1);
  EXPECT_EQ(qt::FromQString(Control<QComboBox>("CboTransponder")->placeholderText()), kNoTransponders);
  EXPECT_FALSE(Control<PassbandBar>("BarPassband")->Place());

  // A new list and a saved config are read once, not on every tick.
  Select(0);
  dir.Write("transmitters.json", "[]");
  form->Timer1Tick();
  EXPECT_EQ(Shown().size(), 3u);  // not read on a tick
  form->TransmittersChanged();
  WaitForTransmitters();
  EXPECT_EQ(Shown(), Items{"USB (config.txt)"});

  form->MnuConfigClick();
  auto* editor = form->findChild<FrmConfig*>();
  ASSERT_NE(editor, nullptr);
  editor->TxtConfig->appendPlainText(QStringLiteral("AO-07 DOWN(29.4500) MODE(CW)"));
  Close(editor);
  form->Timer1Tick();
  EXPECT_EQ(Shown(), (Items{"USB (config.txt)", "CW (config.txt)"}));
}

TEST_F(DopplerWindow, TranspondersEditedInTheirDialogAreWrittenToConfigTxt) {
  Select(0);  // AO-07
  form->Menus.TrkTransponders->trigger();
  auto* dialog = form->findChild<TransponderDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Table->rowCount(), 1);
  EXPECT_EQ(qt::FromQString(dialog->Table->item(0, TransponderDialog::kDown)->text()), "145.95");
  EXPECT_EQ(dialog->Listed->count(), 3);  // the list's entries of its catalog number
  dialog->AddRow(Transponder{});
  const auto set = [&](int column, const char* text) { dialog->Table->item(1, column)->setText(QString::fromLatin1(text)); };
  set(TransponderDialog::kName, "FM voice");
  set(TransponderDialog::kDown, "145.96");
  set(TransponderDialog::kUp, "435.5");
  set(TransponderDialog::kMode, "FM");
  set(TransponderDialog::kTone, "67");
  dialog->accept();
  EXPECT_NE(dir.Read("config.txt").find("AO-07 NAME(FM voice) DOWN(145.96) UP(435.5) MODE(FM) TONE(67)\r\n"),
            std::string::npos);
  form->Timer1Tick();
  // The list's beacon, 10 kHz from the new line, gives way to it.
  EXPECT_EQ(Shown(), (Items{"USB (config.txt)", "FM voice (config.txt)", "Mode V/A (A) Linear"}));
}

}  // namespace
}  // namespace rdz::test
