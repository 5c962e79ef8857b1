// The radio row of the main window: the transponders of the selected
// satellite from config.txt and transmitters.json, and the Doppler line.
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "configeditor/frm_config.h"
#include "orbit/engine.h"
#include "platform/qt/qt_text.h"
#include "platform/text_lines.h"
#include "radio/doppler_line.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

const CivilTime kStart{2026, 5, 11, 0, 0, 0};
const char* kAo07Line = "AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT";

class DopplerWindow : public WindowTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    dir.Write("config.txt", SampleFile("config.txt") + kAo07Line + "\r\n");
    dir.Write("transmitters.json",
              ReadTextFile(std::filesystem::path(RDZ_RADIO_FIXTURES) / "transmitters.json").value());
    MakeForm();
    StartAtUtc(kStart);
  }
  void Select(int row) {
    form->Option1[static_cast<std::size_t>(row)]->click();
  }
  std::string Line() const { return qt::FromQString(form->LblDoppler->text()); }
  // What the line must say for entry k and its transponder i at the window's instant.
  std::string Expected(int k, int i) const {
    const auto p = state.Models[static_cast<std::size_t>(k - 1)]->At(SetupEngine(state.Station), *state.Time.Utc);
    const auto& ts = form->Transponders.transponders;
    return DopplerLineText(p->raw.rangeRate, i < static_cast<int>(ts.size()) ? &ts[static_cast<std::size_t>(i)] : nullptr);
  }
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (int i = 0; i < form->CboTransponder->count(); ++i) items.push_back(qt::FromQString(form->CboTransponder->itemText(i)));
    return items;
  }
};

TEST_F(DopplerWindow, SelectedSatelliteItsTranspondersAndTheLineOnEveryTick) {
  EXPECT_EQ(Line(), "");  // tracking off: no satellite
  EXPECT_FALSE(form->CboTransponder->isEnabled());
  ASSERT_EQ(TrimBlanks(state.Elements[1].Name), "AO-07");

  Select(0);
  EXPECT_EQ(form->Transponders.satellite, 1);
  EXPECT_EQ(Items(), (std::vector<std::string>{"USB (config.txt)", "Mode V/A (A) Linear", "Beacon"}));
  EXPECT_TRUE(form->CboTransponder->isEnabled());
  EXPECT_EQ(Line(), Expected(1, 0));
  EXPECT_NE(Line().find("  DOWN 145.9"), std::string::npos) << Line();

  // Time moves on (the simulation sets the same instant): the line follows.
  const std::string before = Line();
  clock.now = AddSeconds(clock.now, 60);
  form->Timer1Tick();
  EXPECT_EQ(Line(), Expected(1, 0));
  EXPECT_NE(Line(), before);

  form->CboTransponderClick(2);
  EXPECT_EQ(form->Transponders.Chosen()->description, "Beacon");
  EXPECT_EQ(Line(), Expected(1, 2));
  EXPECT_EQ(Line().find("UP"), std::string::npos);  // a beacon has no uplink
  form->Timer1Tick();
  EXPECT_EQ(form->Transponders.chosen, 2);  // ticks keep the operator's pick

  // A satellite without transponders: the range rate alone.
  Select(1);
  EXPECT_TRUE(form->Transponders.transponders.empty());
  EXPECT_FALSE(form->CboTransponder->isEnabled());
  EXPECT_EQ(Line(), Expected(2, 0));
  EXPECT_EQ(Line().find("DOWN"), std::string::npos);
}

TEST_F(DopplerWindow, NewListAndSavedConfigAreReadOnce) {
  Select(0);
  // Another list arrives: only the config line is left for AO-07.
  dir.Write("transmitters.json", "[]");
  form->Timer1Tick();
  EXPECT_EQ(Items().size(), 3u);  // not read on a tick
  form->TransmittersChanged();
  EXPECT_EQ(Items(), (std::vector<std::string>{"USB (config.txt)"}));

  // The editor saves a second line for AO-07.
  form->MnuConfigClick();
  auto* editor = form->findChild<FrmConfig*>();
  ASSERT_NE(editor, nullptr);
  editor->TxtConfig->appendPlainText(QStringLiteral("AO-07 DOWN(29.4500) MODE(CW)"));
  editor->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  form->Timer1Tick();
  EXPECT_EQ(Items(), (std::vector<std::string>{"USB (config.txt)", "CW (config.txt)"}));
}

}  // namespace
}  // namespace rdz::test
