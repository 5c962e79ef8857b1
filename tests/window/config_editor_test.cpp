// The configuration editor opened from the main window.
#include <QCoreApplication>
#include <QFontInfo>
#include <QPlainTextEdit>

#include "configeditor/frm_config.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

// Closing deletes the window once events run.
void Close(QWidget* window) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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
  EXPECT_EQ(editor->windowTitle(), "RodeDizevad Personal Config" + QString(101, ' ') + "[AutoSave on Exi] ->");
  EXPECT_TRUE(QFontInfo(editor->TxtConfig->font()).fixedPitch());
  EXPECT_EQ(editor->TxtConfig->toPlainText(), "LA = 46.5\nLO = 8.95\n HT = 420\n");

  Close(editor);
  // Bytes the box shows as blanks, such as 0xA0, are written back unchanged.
  EXPECT_EQ(dir.Read("config.txt"), "LA = 46.5\r\nLO = 8.95\r\n\xA0HT\xA0=\xA0" "420\r\n\r\n");
  EXPECT_EQ(messages.boxes, std::vector<std::string>{"RodeDizevad|" + std::string(kRestartReminder)});

  // Each opening reads the file afresh; a second round trip keeps the file.
  editor = Open();
  editor->TxtConfig->setPlainText("LA = 1\nLO = 2\n");
  Close(editor);
  Close(Open());
  EXPECT_EQ(dir.Read("config.txt"), "LA = 1\r\nLO = 2\r\n\r\n");
}

TEST_F(ConfigEditor, UnreadableIsNeverSavedOverAndUnwritableIsReported) {
  const auto editorOn = [&] {
    auto* editor = new FrmConfig(dir.path(), messages);
    editor->Load();
    editor->show();
    return editor;
  };
  std::filesystem::create_directories(dir.path() / "config.txt" / "x");
  FrmConfig* editor = editorOn();
  EXPECT_TRUE(editor->TxtConfig->isReadOnly());
  Close(editor);
  EXPECT_EQ(messages.boxes, std::vector<std::string>{"RodeDizevad|" + std::string(kConfigNotRead)});

  // Readable on opening, then a folder that a rename cannot replace.
  std::filesystem::remove_all(dir.path() / "config.txt");
  dir.Write("config.txt", "LA = 1\r\n");
  editor = editorOn();
  std::filesystem::remove(dir.path() / "config.txt");
  std::filesystem::create_directories(dir.path() / "config.txt" / "x");
  Close(editor);
  EXPECT_EQ(messages.shown.back(), kConfigNotSaved);
}

}  // namespace
}  // namespace rdz::test
