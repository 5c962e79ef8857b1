// The configuration editor opened from the main window.
#include <QCoreApplication>
#include <QFontInfo>
#include <QPlainTextEdit>

#include "configeditor/frm_config.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

struct Box {
  std::string text, title;
  MessageIcon icon;
};

struct RecordingBox final : MessageBox {
  std::vector<Box> shown;
  void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
};

class ConfigEditor : public WindowTest {
 protected:
  FrmConfig* Open() {
    form->MnuConfigClick();
    auto* editor = form->findChild<FrmConfig*>();
    EXPECT_NE(editor, nullptr);
    return editor;
  }
  // Closing deletes the window once events run.
  void Close(FrmConfig* editor) {
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

TEST_F(ConfigEditor, OneWindowShowsTheFileAndClosingSavesItAndReminds) {
  MakeForm(LoaderOf({}));
  dir.Write("config.txt", "LA = 46.5\r\n\r\nLO = 8.95\r\n\r\n");
  FrmConfig* editor = Open();
  form->MnuConfigClick();
  EXPECT_EQ(form->findChildren<FrmConfig*>().size(), 1);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(editor->isModal());

  const QString caption = editor->windowTitle();
  EXPECT_EQ(caption.size(), 148);
  EXPECT_TRUE(caption.startsWith("RodeDizevad Personal Config    "));
  EXPECT_TRUE(caption.endsWith("    [AutoSave on Exi] ->"));
  EXPECT_EQ(editor->size(), QSize(form->Twips(8520), form->Twips(5565)));
  EXPECT_EQ(editor->TxtConfig->geometry(), editor->rect());
  EXPECT_TRUE(QFontInfo(editor->TxtConfig->font()).fixedPitch());
  EXPECT_EQ(editor->TxtConfig->toPlainText(), "LA = 46.5\nLO = 8.95\n");

  Close(editor);
  EXPECT_EQ(dir.Read("config.txt"), "LA = 46.5\r\nLO = 8.95\r\n\r\n");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], kRestartReminder);

  // Each opening reads the file afresh; a second round trip keeps the file.
  editor = Open();
  editor->TxtConfig->setPlainText("LA = 1\nLO = 2\n");
  Close(editor);
  Close(Open());
  EXPECT_EQ(dir.Read("config.txt"), "LA = 1\r\nLO = 2\r\n\r\n");
}

TEST_F(ConfigEditor, FortyLinesAreAllShownAndSaved) {
  MakeForm(LoaderOf({}));
  std::string forty;
  for (int i = 1; i <= 40; ++i) forty += "X" + std::to_string(i) + "\r\n";
  dir.Write("config.txt", forty);
  FrmConfig* editor = Open();
  EXPECT_EQ(editor->TxtConfig->document()->blockCount(), 41);
  Close(editor);
  EXPECT_EQ(dir.Read("config.txt"), forty + "\r\n");
}

TEST(ConfigEditorFailures, UnreadableFileIsReportedAndNeverSavedOver) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "config.txt");
  RecordingBox box;
  auto* editor = new FrmConfig(dir.path(), box);
  editor->Load();
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].text, kConfigNotRead);
  EXPECT_EQ(box.shown[0].title, "RodeDizevad");
  EXPECT_EQ(box.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(editor->TxtConfig->isReadOnly());
  editor->show();
  editor->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "config.txt"));
}

TEST(ConfigEditorFailures, UnwritableFileIsReportedInsteadOfTheReminder) {
  TempDir dir;
  dir.Write("config.txt", "LA = 1\r\n");
  RecordingBox box;
  for (int round = 0; round < 2; ++round) {
    auto* editor = new FrmConfig(dir.path(), box);
    editor->Load();
    editor->show();
    if (round == 1) {
      // The file becomes a folder that a rename cannot replace.
      std::filesystem::remove(dir.path() / "config.txt");
      std::filesystem::create_directories(dir.path() / "config.txt" / "x");
    }
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[0].text, kRestartReminder);
  EXPECT_EQ(box.shown[1].text, kConfigNotSaved);
  for (const Box& b : box.shown) {
    EXPECT_EQ(b.title, "RodeDizevad");
    EXPECT_EQ(b.icon, MessageIcon::Exclamation);
  }
}

}  // namespace
}  // namespace rdz::test
