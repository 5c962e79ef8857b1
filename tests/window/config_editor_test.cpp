// The configuration editor opened from the main window.
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <sys/stat.h>

#include "windows/editor/frm_config.h"
#include "windows/main/rotor_link.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

struct ConfigEditor : WindowTest {
  FrmConfig* Open() {
    form->MnuConfigClick();
    return form->findChild<FrmConfig*>();
  }
};

TEST_F(ConfigEditor, OneWindowShowsTheFileAndClosingSavesItAndReminds) {
  MakeForm(LoaderOf({}));
  dir.Write("config.txt", "LA = 46.5\r\n\r\nLO = 8.95\r\n\r\n\xA0HT\xA0=\xA0" "420\r\n");
  FrmConfig* editor = Open();
  form->MnuConfigClick();
  ASSERT_EQ(form->findChildren<FrmConfig*>().size(), 1);
  EXPECT_TRUE(editor->isVisible() && !editor->isModal());
  EXPECT_TRUE(QFontInfo(editor->TxtConfig->font()).fixedPitch());
  EXPECT_EQ(editor->TxtConfig->toPlainText(), "LA = 46.5\nLO = 8.95\n HT = 420\n");

  Close(editor);
  // Bytes the box shows as blanks, such as 0xA0, are written back unchanged.
  EXPECT_EQ(dir.Read("config.txt"), "LA = 46.5\r\nLO = 8.95\r\n\xA0HT\xA0=\xA0" "420\r\n\r\n");
  EXPECT_EQ(messages.boxes, std::vector<std::string>{"RodeDizevad|" + std::string(kSettingsInUse)});

  // Each opening reads the file afresh; a second round trip keeps the file.
  editor = Open();
  editor->TxtConfig->setPlainText("LA = 1\nLO = 2\n");
  Close(editor);
  Close(Open());
  EXPECT_EQ(dir.Read("config.txt"), "LA = 1\r\nLO = 2\r\n\r\n");
}

// A file that cannot be read is never saved over; a failed save keeps the
// window open with the edits and says why, and the next close that saves ends it.
TEST_F(ConfigEditor, UnreadableIsNeverSavedOverAndAFailedSaveKeepsTheEdits) {
  const auto editorOn = [&] {
    auto* editor = new FrmConfig(dir.path(), messages);
    editor->Load();
    editor->show();
    return editor;
  };
  const auto config = dir.path() / "config.txt";
  std::filesystem::create_directories(config / "x");
  QPointer<FrmConfig> editor = editorOn();
  EXPECT_TRUE(editor->TxtConfig->isReadOnly());
  Close(editor);
  EXPECT_FALSE(editor);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].find("not a regular file"), std::string::npos);

  std::filesystem::remove_all(config);
  dir.Write("config.txt", "LA = 1\r\n");
  editor = editorOn();
  editor->TxtConfig->setPlainText("LA = 2");
  ::chmod(config.c_str(), 0444);
  Close(editor);
  ASSERT_TRUE(editor);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->TxtConfig->toPlainText(), "LA = 2");
  EXPECT_NE(messages.shown.back().find("file is read-only"), std::string::npos);
  EXPECT_EQ(dir.Read("config.txt"), "LA = 1\r\n");

  ::chmod(config.c_str(), 0644);
  Close(editor);
  EXPECT_FALSE(editor);
  EXPECT_EQ(dir.Read("config.txt"), "LA = 2\r\n");
  EXPECT_EQ(messages.shown.back(), kSettingsInUse);
}

// A menu writes config.txt while the editor is open: closing the editor never
// writes over that silently, and whatever is saved is in use at once.
TEST_F(ConfigEditor, AChangeOnDiskIsKeptOrReplacedOnlyByChoiceAndSavedSettingsAreInUse) {
  StartWithSampleFiles();
  const auto rotorLine = [&] { return dir.Read("config.txt").find("\nROTOR = KV250 LPT2\r") != std::string::npos; };
  QPointer<FrmConfig> editor = Open();
  form->Menus.KV250_2->trigger();
  ASSERT_TRUE(rotorLine());
  EXPECT_FALSE(form->Menus.KV250_1->isChecked());
  Close(editor);  // nothing typed: no question, the dialog's line stays
  EXPECT_FALSE(editor);
  EXPECT_TRUE(rotorLine());
  EXPECT_TRUE(form->Menus.KV250_2->isChecked());
  EXPECT_TRUE(messages.asked.empty());

  editor = Open();
  editor->TxtConfig->appendPlainText(QStringLiteral("LA = 12"));
  form->Menus.KV250_1->trigger();
  Close(editor);  // no answer: the window stays, the file as the menu left it
  ASSERT_TRUE(editor);
  EXPECT_EQ(messages.asked, std::vector<std::string>{kChangedOnDisk});
  EXPECT_FALSE(rotorLine());
  messages.answers = {0};  // Reload: the file as it is now, still open
  Close(editor);
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->TxtConfig->toPlainText().indexOf(QStringLiteral("LA = 12")), -1);

  // Keep my text: written over the menu's line; the station and the rotor follow the file at once.
  editor->TxtConfig->appendPlainText(QStringLiteral("HT = 100"));
  form->Menus.KV250_2->trigger();
  messages.answers = {1};
  Close(editor);
  EXPECT_FALSE(editor);
  EXPECT_FALSE(rotorLine());
  EXPECT_EQ(state.Station.HT, 100);
  EXPECT_TRUE(form->Rotors->InUse().choice.lpt == 1 && form->Menus.KV250_1->isChecked());
  EXPECT_EQ(messages.shown.back(), kSettingsInUse);
}

}  // namespace
}  // namespace rdz::test
